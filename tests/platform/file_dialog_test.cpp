#include "platform/file_dialog.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "platform/app_fixture.h"
#include "platform/platform_test_support.h"

#include <fstream>

namespace olvane::platform
{
namespace
{

TEST(FileDialog, ListsSavesAndKeepsNamesInsideTheFolder)
{
    test::TempFolder dir;
    for (const char* name : {"b.sav", "A.SAV", "notes.txt", "c.sav.bak"})
    {
        std::ofstream(dir.path / name) << "x";
    }
    std::filesystem::create_directory(dir.path / "folder.sav");
    EXPECT_EQ(ListFiles(dir.path, ".sav"), (std::vector<std::string>{"A.SAV", "b.sav"}));
    EXPECT_TRUE(ListFiles(dir.path / "missing", ".sav").empty());

    EXPECT_EQ(FileInFolder(dir.path, " Cm_US_1 ", ".sav"), dir.path / "Cm_US_1.sav");
    EXPECT_EQ(FileInFolder(dir.path, "game.SAV", ".sav"), dir.path / "game.SAV");
    EXPECT_FALSE(FileInFolder(dir.path, "", ".sav"));
    EXPECT_FALSE(FileInFolder(dir.path, "../escape", ".sav"));
    EXPECT_FALSE(FileInFolder(dir.path, "..", ".sav"));
    EXPECT_FALSE(FileInFolder(dir.path, "a\\b", ".sav"));
}

using FileDialogRun = test::AppTest;

TEST_F(FileDialogRun, SavingOverAFileAsksAndOpeningNeedsOne)
{
    test::TempFolder dir;
    std::ofstream(dir.path / "first.sav") << "x";
    Form screen;
    screen.Show();

    // Type a new name and press Enter: the path comes back with the extension added.
    QueueKey(SDLK_BACKSPACE);
    QueueText("mission2");
    QueueKey(SDLK_RETURN);
    EXPECT_EQ(RunFileDialog(FileDialogMode::Save, dir.path, "x"), dir.path / "mission2.sav");

    // Saving over an existing file asks first; No keeps the dialog open, Escape then cancels.
    QueueKey(SDLK_RETURN); // Save
    QueueKey(SDLK_ESCAPE); // No to "replace?"
    int steps = 0;
    Timer cancel(50, true);
    cancel.onTimer = [&] {
        if (++steps == 2)
        {
            cancel.SetEnabled(false);
            QueueKey(SDLK_ESCAPE);
        }
    };
    EXPECT_FALSE(RunFileDialog(FileDialogMode::Save, dir.path, "first"));

    QueueKey(SDLK_RETURN);
    QueueKey(SDLK_RETURN); // Yes
    EXPECT_EQ(RunFileDialog(FileDialogMode::Save, dir.path, "first"), dir.path / "first.sav");

    // Opening a file that is not there says so and stays; a listed file opens.
    QueueKey(SDLK_RETURN);
    QueueKey(SDLK_RETURN); // OK on "File not found."
    steps = 0;
    cancel.SetEnabled(true);
    EXPECT_FALSE(RunFileDialog(FileDialogMode::Open, dir.path, "nothing"));
    QueueKey(SDLK_RETURN);
    EXPECT_EQ(RunFileDialog(FileDialogMode::Open, dir.path, "first"), dir.path / "first.sav");
}

} // namespace
} // namespace olvane::platform
