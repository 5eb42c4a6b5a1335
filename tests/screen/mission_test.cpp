#include "screen/game_entry.h"
#include "platform/timer.h"
#include "screen/screen_fixture.h"

namespace olvane
{

namespace
{

using test::ScreenTest;
using MissionTest = ScreenTest;

TEST_F(MissionTest, ARealMissionOpensAtTurnOneAndTheFireWaitTakesThePlayersClicks)
{
    if (!files->Find("BAZE/TAKT.TXT"))
    {
        GTEST_SKIP() << "no data pack in " << OLVANE_GAME_DIR;
    }
    form->Hide();
    FixedSeedSource missionSeeds(7);
    Random missionRandom(missionSeeds);
    missionRandom.Reseed();
    auto missionForm = std::make_unique<TForm1>(missionRandom, *files, clock);
    TForm1& mission = *missionForm;
    std::vector<int> codes;
    mission.onShowMessage = [&codes](int code) { codes.push_back(code); };
    ASSERT_TRUE(StartMissionFromSlot(mission.GameData(), 21, RankCadet));
    GameState& s = mission.GameData().state;
    mission.Show();
    ASSERT_EQ(s.TurnNumber, 1);
    EXPECT_EQ(codes, (std::vector<int>{1}));
    EXPECT_EQ(s.SelectedUnit, PlayerBaseId + 1);
    EXPECT_EQ(s.ViewX, 40);
    EXPECT_EQ(s.ViewY, 7);
    EXPECT_TRUE(mission.sbtSTR.enabled) << "a 64 x 64 map is larger than the strategic view";

    // Two heavy destroyers lie hidden west of the fleet; neither shows anywhere.
    const int shiranui = EnemyBaseId + 6;
    ASSERT_EQ(s.Unit(shiranui).X, 59);
    ASSERT_EQ(s.Unit(shiranui).Y, 19);
    EXPECT_EQ(s.Unit(shiranui).Visible, 0);

    auto centre = [&](int x, int y) {
        return platform::Point{(x - s.ViewX - 1) * CellSize + CellSize / 2, (y - s.ViewY - 1) * CellSize + CellSize / 2};
    };
    const platform::Point destroyer = centre(61, 17);
    mission.EKRMouseDown(platform::MouseButton::Left, 0, destroyer.x, destroyer.y);
    ASSERT_EQ(s.SelectedUnit, PlayerBaseId + 9);

    // The move reveals her; while the game waits for targets the player clicks her, one click
    // every few milliseconds, as a hand would.
    const int armour = s.Unit(shiranui).Armor;
    int clicks = 0;
    platform::Timer hand(20, true);
    hand.onTimer = [&] {
        if (s.FireMode == FireModeTarget && clicks < 5)
        {
            ++clicks;
            QueuePixelClick(centre(59, 19), SDL_BUTTON_RIGHT);
        }
    };
    const platform::Point target = centre(60, 18);
    mission.EKRMouseDown(platform::MouseButton::Right, 0, target.x, target.y);
    EXPECT_EQ(s.Unit(PlayerBaseId + 9).X, 60);
    EXPECT_EQ(s.Unit(shiranui).Visible, 1);
    EXPECT_EQ(s.Unit(shiranui).Armor, armour - 3);
    EXPECT_EQ(s.Unit(PlayerBaseId + 9).Fire, 0);
    EXPECT_EQ(clicks, 3) << "the wait ends with the last fire point";
    EXPECT_EQ(s.FireMode, FireModeMove);
    EXPECT_EQ(s.LBinfo.front(), "New contact: DH Shiranui");
    EXPECT_NE(s.SelectedUnit, PlayerBaseId + 9) << "the next unit is up";
    mission.Hide();
}

} // namespace

} // namespace olvane
