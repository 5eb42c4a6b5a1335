#include "state/data_files.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(DataFiles, ReadsOnlyRegularFilesOfSaneSize)
{
    test::TempDir dir;
    dir.Write("BAZE/LEVEL.TXT", "1 2 3 4\n");
    const DataFiles files(dir.Path(), dir.Path());

    // A FIFO in place of the forces file: nobody will ever write to it, so opening it for a
    // blocking read would hang the game for good.
    ASSERT_EQ(::mkfifo((dir.Path() / "BAZE" / "TAKT.TXT").c_str(), 0644), 0);
    EXPECT_FALSE(files.Read("BAZE/TAKT.TXT"));
    EXPECT_FALSE(ReadWholeFile(dir.Path() / "BAZE" / "TAKT.TXT"));
    EXPECT_FALSE(ReadWholeFile(dir.Path() / "BAZE")) << "a folder is not a file";

    // A file past the limit is refused from its size alone; a sparse one costs no disk.
    const fs::path huge = dir.Path() / "BAZE" / "SCEN" / "SCENARIO2.FLS";
    fs::create_directories(huge.parent_path());
    dir.Write("BAZE/SCEN/SCENARIO2.FLS", "");
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(MaxDataFileBytes) + 1), 0);
    EXPECT_FALSE(files.Read("BAZE/SCEN/SCENARIO2.FLS"));

    EXPECT_EQ(ReadWholeFile(dir.Path() / "BAZE" / "LEVEL.TXT", 8), "1 2 3 4\n") << "exactly at the limit";
    EXPECT_FALSE(ReadWholeFile(dir.Path() / "BAZE" / "LEVEL.TXT", 7));
}

TEST(DataFiles, WrittenFilesFollowTheUmask)
{
    test::TempDir dir;
    const fs::path target = dir.Path() / "autosave-1.sav";
    const auto modeUnder = [&](mode_t mask) {
        const mode_t previous = ::umask(mask);
        const bool written = WriteFileAtomically(target, "save");
        ::umask(previous);
        struct stat info{};
        EXPECT_TRUE(written);
        EXPECT_EQ(::stat(target.c_str(), &info), 0);
        return info.st_mode & 0777;
    };
    EXPECT_EQ(modeUnder(022), 0644u);
    EXPECT_EQ(modeUnder(027), 0640u);
    EXPECT_EQ(modeUnder(077), 0600u);
    EXPECT_EQ(modeUnder(002), 0664u);
}

} // namespace olvane
