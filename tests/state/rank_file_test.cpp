#include "state/rank_file.h"

#include <gtest/gtest.h>

namespace olvane
{

TEST(RankFile, ReadsTitlesWithTheirBlanksAndNamesTheLinesItCannot)
{
    const RankFile ranks = ReadRankFile("1 FADM  Fleet Admiral   \r\n"
                                        "28 ENS Ensign\n"
                                        "\n"
                                        "29 XX Too Low\n"
                                        "-3 LT Lieutenant\n"
                                        "7\n"
                                        "x2 CPT Captain\n"
                                        "2 ADM");
    ASSERT_EQ(ranks.Titles.size(), 3u);
    EXPECT_EQ(ranks.Titles[0].Index, 1);
    EXPECT_EQ(ranks.Titles[0].Short, "FADM");
    EXPECT_EQ(ranks.Titles[0].Title, "Fleet Admiral") << "inner blanks kept, padding and line end dropped";
    EXPECT_EQ(ranks.Titles[1].Title, "Ensign");
    EXPECT_EQ(ranks.Titles[2].Index, 2) << "the last line needs no line end";
    EXPECT_EQ(ranks.Titles[2].Title, "");
    EXPECT_EQ(ranks.BadLines, (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(RankFileOf(5), "BAZE/RANK/5RANK.TXT");
}

} // namespace olvane
