#include "state/data_files.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace fs = std::filesystem;

TEST(DataFiles, FindsNamesWhateverTheirCaseAndSlashes)
{
    test::TempDir dir;
    dir.Write("BAZE/TAKT.TXT", "forces");
    dir.Write("BMP/MENI/PORAZ.jpg", "picture");
    dir.Write("bmp/0.bmp", "sea");
    const DataFiles files(dir.Path(), dir.Path() / "user");

    EXPECT_EQ(files.Read("\\BAZE\\TAKT.TXT"), "forces");
    EXPECT_EQ(files.Read("baze/takt.txt"), "forces");
    EXPECT_EQ(files.Read("/BAZE//./TAKT.TXT"), "forces");
    EXPECT_EQ(files.Find("BMP/MENI/PORAZ.JPG"), dir.Path() / "BMP/MENI/PORAZ.jpg");
    // Two folders that differ only in case are both searched.
    EXPECT_EQ(files.Read("BMP/0.BMP"), "sea");

    EXPECT_FALSE(files.Find("BAZE/MISSING.TXT"));
    EXPECT_FALSE(files.Find("BAZE/../BAZE/TAKT.TXT")) << "never outside the game folder";
    EXPECT_FALSE(files.Read("BAZE")) << "a folder is not a file";
    EXPECT_EQ(files.SaveDir(), dir.Path() / "user" / "SAVE");
}

TEST(DataFiles, WritesReplaceTheWholeFileOrNothing)
{
    test::TempDir dir;
    const fs::path target = dir.Path() / "score.obj";
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    ASSERT_TRUE(WriteFileAtomically(target, "second, longer"));
    EXPECT_EQ(ReadWholeFile(target), "second, longer");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path()))
    {
        ++files;
    }
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
    EXPECT_FALSE(WriteFileAtomically(dir.Path() / "no" / "such" / "folder.sav", "x"));
    EXPECT_EQ(ReadWholeFile(target), "second, longer");
}

} // namespace olvane
