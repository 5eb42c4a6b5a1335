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
    state->GameOver = 1;
    state->FireMode = FireModeTarget;
    state->SelectedUnit = 60001;
    ResetGame(*state);
    EXPECT_EQ(state->GameOver, 0) << "no outcome carries into the next game";
    EXPECT_EQ(state->FireMode, FireModeMove);
    EXPECT_EQ(state->SelectedUnit, 0);
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

#include "state/cell_code.h"

namespace olvane
{

TEST(CellCode, DecodesPortsCoverageAndLand)
{
    EXPECT_EQ(DecodeCode(0).base, 0);
    EXPECT_FALSE(DecodeCode(0).land);
    const CellInfo port = DecodeCode(3957);
    EXPECT_EQ(port.portKind, CellPlayerPort);
    EXPECT_EQ(port.coverage, 0) << "tens digit 5 is the highlight, not coverage";
    EXPECT_EQ(port.highlight, 1);
    EXPECT_EQ(port.detail, 7);
    EXPECT_EQ(DecodeCode(3820).coverage, 2);
    EXPECT_EQ(DecodeCode(3800).portKind, CellEnemyMajorPort);
    EXPECT_EQ(DecodeCode(4100).portKind, CellPortNone);
    EXPECT_FALSE(DecodeCode(36999).land);
    EXPECT_TRUE(DecodeCode(37000).land);
    EXPECT_TRUE(DecodeCode(62899).land);
    EXPECT_FALSE(DecodeCode(62900).land);
    const CellInfo coast = DecodeCode(40700); // base 407: group 11, first tile
    EXPECT_EQ(coast.tileGroup, 12);
    EXPECT_EQ(coast.tileIndex, 0);
    const CellInfo ground = DecodeCode(58000); // base 580: group 15
    EXPECT_EQ(ground.tileGroup, 580 - 37 * 15);
    EXPECT_EQ(ground.tileIndex, 0);

    // A unit's cell is read by what the unit covers.
    auto state = std::make_unique<GameState>();
    state->MapGrid(4, 4) = 60003;
    state->Unit(60003).Under = 3700;
    EXPECT_EQ(DecodeCell(*state, 4, 4).portKind, CellPlayerMajorPort);
    state->Unit(60003).Under = 37000;
    EXPECT_TRUE(IsLandCell(*state, 4, 4));
}

} // namespace olvane

#include "state/scenario_record.h"

namespace olvane
{

TEST(ScenarioRecord, EveryFieldSurvivesTheStoredForm)
{
    ScenarioRec rec;
    rec.Slot = 3;
    rec.ScenarioId = 513;
    rec.Kind = 2;
    rec.Title.Set("CORAL SEA");
    rec.Tag.Set("4");
    rec.PlayerNation = 1;
    rec.EnemyNation = 4;
    rec.CampaignSteps[15] = 0xBEEF;
    rec.MapNumber = 550;
    rec.MapPicture = 16;
    rec.StartPoints = 120;
    rec.PortDefence = 200;
    rec.AttackInterval = 7;
    rec.SideSettings[1][10] = 30;
    rec.ShipName2.Set("HMAS HOBART");
    rec.Marks[5] = {63, 10, 11};
    rec.MarkFacing = 4;
    rec.TechGrants[1][9] = {5, 2, 3};
    const ScenarioBytes bytes = EncodeScenario(rec);
    EXPECT_EQ(bytes[2] | (bytes[3] << 8), 513);
    EXPECT_EQ(bytes[5], 9) << "title length byte";
    EXPECT_EQ(bytes[6], 'C');
    EXPECT_EQ(bytes[90] | (bytes[91] << 8), 550);
    EXPECT_EQ(bytes[146], 11);
    EXPECT_EQ(bytes[166 + 15], 63);
    EXPECT_EQ(bytes[245], 3);
    EXPECT_EQ(DecodeScenario(bytes), rec);
}

} // namespace olvane
