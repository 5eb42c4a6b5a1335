#include "state/level_file.h"

#include <gtest/gtest.h>

namespace olvane
{

TEST(LevelFile, ReadsFourNumbersALineAndNamesTheLinesItCannot)
{
    const LevelLayout layout = ReadLevelLayout("1 1 1 66\n"
                                               "30 175 168 2 trailing words\n"
                                               "0 1 1 5\n"
                                               "1 2 3\n"
                                               "1 2 3 -5\n"
                                               "1 2 3 99999999999\n");
    ASSERT_EQ(layout.Entries.size(), 3u);
    EXPECT_EQ(layout.Entries[1].Panel, 30);
    EXPECT_EQ(layout.Entries[1].Picture, 2);
    EXPECT_EQ(layout.Entries[2].Line, 5);
    EXPECT_EQ(layout.Entries[2].Picture, -5) << "a negative picture is read; the validator judges it";
    EXPECT_EQ(layout.BadLines, (std::vector<int>{3, 4, 6}));
}

} // namespace olvane
