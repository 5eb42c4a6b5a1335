#include "state/class_table.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/rounding.h"

#include <gtest/gtest.h>
#include <memory>

namespace olvane
{

TEST(GameState, UnitNumbersSplitTheSides)
{
    EXPECT_FALSE(IsEnemy(60200));
    EXPECT_TRUE(IsEnemy(60201));
    EXPECT_EQ(SecondCell(60005), 60105);
    auto state = std::make_unique<GameState>();
    EXPECT_NO_THROW(state->Unit(60001));
    EXPECT_NO_THROW(state->Unit(60400));
    EXPECT_THROW(state->Unit(60000), RangeError);
    EXPECT_THROW(state->Unit(60401), RangeError);
    EXPECT_THROW(state->MapGrid(0, 5), RangeError);
    EXPECT_THROW(state->MapGrid(5, 101), RangeError);
    EXPECT_THROW(state->Port(26), RangeError);
    EXPECT_NO_THROW(state->Port(0));
    EXPECT_THROW(state->TechBonus(3, 0), RangeError);
    EXPECT_THROW(state->TechBonus(1, 13), RangeError);
    EXPECT_THROW(state->AIGroup(0), RangeError);
    EXPECT_THROW(state->AIZone(27), RangeError);
}

TEST(GameState, ResetClearsTheGameButKeepsBudgetModeAndRank)
{
    auto state = std::make_unique<GameState>();
    state->ProductionPoints = -40;
    state->GameMode = ModeMission;
    state->Rank = RankAdmiral;
    state->TurnNumber = 12;
    state->PlayerNation = 3;
    state->MapWidth = 40;
    state->MapGrid(8, 5) = 60001;
    state->Unit(60001).Active = 1;
    state->Port(20).X = 5;
    state->Port(21).X = 6;
    state->DestroyedList.Count = 3;
    ResetGame(*state);
    EXPECT_EQ(state->ProductionPoints, -40);
    EXPECT_EQ(state->GameMode, ModeMission);
    EXPECT_EQ(state->Rank, RankAdmiral);
    EXPECT_EQ(state->TurnNumber, 0);
    EXPECT_EQ(state->PlayerNation, 0);
    EXPECT_EQ(state->MapWidth, 96);
    EXPECT_EQ(state->MapGrid(8, 5), 0);
    EXPECT_EQ(state->Unit(60001), UnitRec{});
    EXPECT_EQ(state->Port(20).X, 0);
    EXPECT_EQ(state->Port(21).X, 6) << "only port records 0..20 are cleared";
    EXPECT_EQ(state->DestroyedList.Count, 0);
    EXPECT_EQ(state->AIGroup(7).Number, 7);

    // A campaign keeps its nation into the next mission.
    state->GameMode = ModeCampaign;
    state->PlayerNation = 4;
    ResetGame(*state);
    EXPECT_EQ(state->PlayerNation, 4);
}

TEST(GameState, ClearMapsDrawsSectorLines)
{
    auto state = std::make_unique<GameState>();
    ResetGame(*state);
    state->MapGrid(50, 50) = 60001;
    ClearMaps(*state);
    EXPECT_EQ(state->MapGrid(8, 5), 4100);
    EXPECT_EQ(state->MapGrid(5, 8), 4200);
    EXPECT_EQ(state->MapGrid(8, 8), 4300);
    EXPECT_EQ(state->MapGrid(96, 96), 4300);
    EXPECT_EQ(state->MapGrid(50, 50), 0);
    EXPECT_EQ(state->MapGrid(97, 5), 0) << "outside the playing area nothing is drawn";
}

TEST(Campaign, ResetStartsAtCaptainWithNothingCarried)
{
    auto state = std::make_unique<GameState>();
    state->Rank = RankCadet;
    state->ProductionPoints = 500;
    state->Campaign.Name.Set("KRIEGSMARINE");
    state->Campaign.Entries[3].Score = 9;
    ResetCampaign(*state);
    EXPECT_EQ(state->Rank, RankCaptain);
    EXPECT_EQ(state->ProductionPoints, 0);
    EXPECT_EQ(state->Campaign, CampaignRec{});
}

TEST(Random, FollowsTheGamesGenerator)
{
    FixedSeedSource seeds(0);
    Random random(seeds);
    random.SetSeed(1);
    // 1 × 134775813 + 1 = 134775814; high half of 134775814 × 100.
    EXPECT_EQ(random.Below(100), static_cast<std::uint32_t>((134775814ull * 100) >> 32));
    EXPECT_EQ(random.Seed(), 134775814u);
    random.SetSeed(0xFFFFFFFFu);
    const std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_DOUBLE_EQ(random.Fraction(), next / 4294967296.0);
    for (int i = 0; i < 1000; ++i)
    {
        EXPECT_LT(random.Below(7), 7u);
    }
    EXPECT_EQ(random.Below(0), 0u);

    // The same seed source replays the same draws.
    FixedSeedSource a(42), b(42);
    Random ra(a), rb(b);
    for (int i = 0; i < 10; ++i)
    {
        ra.Reseed();
        rb.Reseed();
        EXPECT_EQ(ra.Below(1000), rb.Below(1000));
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(7.0), 7);
}

} // namespace olvane
