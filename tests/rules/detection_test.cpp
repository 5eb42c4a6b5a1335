#include "rules/detection.h"
#include "rules/movement.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::PlaceUnit;
using test::TestGame;
using test::P1;
using test::E1;
using test::E2;

int Coverage(const GameState& s, int x, int y)
{
    int code = s.MapGrid(x, y);
    if (IsUnitCode(code))
    {
        code = s.Unit(code).Under;
    }
    return code % 100 / 10;
}

int TintedCells(const GameState& s)
{
    int n = 0;
    for (int x = 1; x <= s.MapWidth; ++x)
    {
        for (int y = 1; y <= s.MapHeight; ++y)
        {
            n += Coverage(s, x, y) != 0 ? 1 : 0;
        }
    }
    return n;
}

TEST(Detection, TheSixPatternsCoverFiveToThirtySevenCells)
{
    const int expected[RadarMaskCount] = {5, 9, 13, 21, 25, 37};
    for (int range = 0; range < RadarMaskCount; ++range)
    {
        int n = 0;
        for (int dx = -3; dx <= 3; ++dx)
        {
            for (int dy = -3; dy <= 3; ++dy)
            {
                n += RadarCovers(range, dx, dy) ? 1 : 0;
                EXPECT_EQ(RadarCovers(range, dx, dy), RadarCovers(range, -dy, dx)) << range;
            }
        }
        EXPECT_EQ(n, expected[range]) << "range " << range;
    }
    EXPECT_TRUE(RadarCovers(5, 1, -3));
    EXPECT_FALSE(RadarCovers(5, 2, -3));
    EXPECT_FALSE(RadarCovers(3, 2, 2));
    // A Range raised past the largest pattern by technology scans with the largest one.
    EXPECT_EQ(RadarCovers(7, 3, 1), RadarCovers(5, 3, 1));

    TestGame game;
    UnitRec& u = PlaceUnit(game, P1, 43, 10, 10);
    u.Range = 0;
    RadarScan(*game, P1, true);
    EXPECT_EQ(TintedCells(game.state()), 5);
}

TEST(Detection, SubmarinesAreHeardOnlyBySonarAndAircraftSeenOnlyBySpotters)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& cruiser = PlaceUnit(game, P1, 53, 10, 10, 9, 10);
    UnitRec& sub = PlaceUnit(game, E1, 13, 11, 11);
    RadarScan(*game, P1, true);
    EXPECT_EQ(s.ContactCount, 0);
    EXPECT_EQ(sub.Visible, 0);
    EXPECT_EQ(Coverage(s, 11, 11), 1);

    UnitRec& destroyer = PlaceUnit(game, PlayerBaseId + 2, 43, 12, 12);
    destroyer.Range = 2;
    RadarScan(*game, PlayerBaseId + 2, true);
    EXPECT_EQ(sub.Visible, 1);
    EXPECT_EQ(s.NewContactFound, 1);
    EXPECT_EQ(s.LBinfo.front(), "New contact: SU Unit 60201");
    EXPECT_EQ(Coverage(s, 11, 11), 2); // heard by sonar

    PlaceUnit(game, E2, 80, 13, 13);
    RadarScan(*game, PlayerBaseId + 2, true);
    EXPECT_EQ(s.Unit(E2).Visible, 0);
    PlaceUnit(game, PlayerBaseId + 3, 80, 14, 13);
    RadarScan(*game, PlayerBaseId + 3, true);
    EXPECT_EQ(s.Unit(E2).Visible, 1);
    (void)cruiser;
}

TEST(Detection, ASubmarineSeesNoShoreInstallationThoughItTintsItsCell)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 10, 10, 10);
    PlaceUnit(game, E1, 103, 11, 10);
    RadarScan(*game, P1, true);
    EXPECT_EQ(s.ContactCount, 0);
    EXPECT_EQ(Coverage(s, 11, 10), 1);
}

TEST(Detection, ThePlayersHighSlotsAreHisOwnNeverContacts)
{
    // Large purchases fill the player's slots up to 100: those ships are his, whatever their slot.
    TestGame game;
    GameState& s = game.state();
    test::KeepPlayerPhaseOpen(game);
    PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, PlayerBaseId + 95, 43, 11, 10);
    PlaceUnit(game, PlayerBaseId + 96, 53, 10, 11, 9, 11);
    s.Unit(P1).DestX = 10;
    s.Unit(P1).DestY = 10;
    MoveUnit(*game, P1);
    EXPECT_EQ(s.ContactCount, 0);
    EXPECT_TRUE(s.LBinfo.empty());
    EXPECT_EQ(s.Unit(PlayerBaseId + 95).Armor, game->classes.Class(43).Armor);

    // And the computer sees them as the player's.
    PlaceUnit(game, E1, 43, 12, 10);
    RadarScan(*game, E1, true);
    EXPECT_NE(std::find(s.ContactList.begin(), s.ContactList.end(), PlayerBaseId + 95), s.ContactList.end());
}

TEST(Detection, ATwoCellShipIsListedOnceAndRevealedOnce)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 63, 10, 10, 9, 10);
    s.Unit(P1).Fire = 0;
    UnitRec& carrier = PlaceUnit(game, E1, 73, 11, 11, 12, 12);
    carrier.Facing = 1;
    RadarScan(*game, P1, true);
    ASSERT_EQ(s.ContactCount, 1);
    EXPECT_EQ(s.ContactList[0], E1);
    EXPECT_EQ(s.Unit(SecondCell(E1)).Visible, 1);
    EXPECT_EQ(game.presenter.diagonalShips, std::vector<int>{E1});
    ASSERT_EQ(s.LBinfo.size(), 1u);
    RadarScan(*game, P1, true);
    EXPECT_EQ(s.LBinfo.size(), 1u);
    EXPECT_EQ(s.NewContactFound, 0);
}

TEST(Detection, CoverageStatesFollowSonarAndAirSpotters)
{
    TestGame game;
    GameState& s = game.state();
    s.MapGrid(11, 10) = 40705; // land
    s.MapGrid(9, 10) = 40705;
    PlaceUnit(game, P1, 43, 10, 10); // sonar, no air spotting
    RadarScan(*game, P1, true);
    EXPECT_EQ(s.MapGrid(11, 10), 40725);
    PlaceUnit(game, PlayerBaseId + 2, 80, 12, 10); // air spotter, no sonar
    RadarScan(*game, PlayerBaseId + 2, true);
    EXPECT_EQ(s.MapGrid(11, 10), 40745); // land heard by sonar and seen from the air
    EXPECT_EQ(s.MapGrid(13, 10), 10);    // open sea: plain radar
    EXPECT_EQ(s.MapGrid(9, 10), 40725);
    s.MapGrid(7, 10) = 40705;
    PlaceUnit(game, PlayerBaseId + 3, 80, 6, 10);
    RadarScan(*game, PlayerBaseId + 3, true);
    EXPECT_EQ(s.MapGrid(7, 10), 40735); // land seen from the air only

    // Switching the radars off removes every tint and the reach mark with it.
    s.MapGrid(13, 11) = 50;
    RadarScan(*game, P1, false);
    RadarScan(*game, PlayerBaseId + 2, false);
    RadarScan(*game, PlayerBaseId + 3, false);
    EXPECT_EQ(TintedCells(s), 0);
    EXPECT_EQ(s.MapGrid(11, 10), 40705);
}

TEST(Detection, AScanIgnoresUnitsBeyondTheListsCapacity)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& ship = PlaceUnit(game, P1, 68, 10, 10, 9, 10);
    ship.Range = 5;
    ship.Fire = 0;
    int slot = 1;
    for (int dx = -3; dx <= 3; ++dx)
    {
        for (int dy = -3; dy <= 3; ++dy)
        {
            if (RadarCovers(5, dx, dy) && s.MapGrid(10 + dx, 10 + dy) == 0)
            {
                PlaceUnit(game, EnemyBaseId + slot++, 43, 10 + dx, 10 + dy);
            }
        }
    }
    ASSERT_GT(slot - 1, ContactCapacity);
    RadarScan(*game, P1, true);
    EXPECT_EQ(s.ContactCount, ContactCapacity);
    EXPECT_EQ(s.LBinfo.size(), static_cast<std::size_t>(ContactCapacity));
}

TEST(Detection, TheComputerFiresAtOnceBestTargetFirstAndRemembers)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& small = PlaceUnit(game, P1, 20, 10, 10);
    UnitRec& big = PlaceUnit(game, PlayerBaseId + 2, 63, 11, 11, 12, 11);
    big.Armor = 2;
    UnitRec& raider = PlaceUnit(game, E1, 60, 10, 12, 9, 12); // Fire 3, Range 3
    raider.Visible = 1;
    RadarScan(*game, E1, true);
    EXPECT_EQ(big.Active, 0);
    EXPECT_EQ(small.Armor, 2);
    EXPECT_EQ(raider.Fire, 0);
    EXPECT_EQ(TintedCells(s), 0); // the computer tints nothing
    // One report after the first shot at each target, newest on top; the battleship's loss
    // follows its report.
    ASSERT_EQ(s.LBinfo.size(), 5u);
    EXPECT_EQ(s.LBinfo[0], "CO Unit 60001");
    EXPECT_EQ(s.LBinfo[1], "          -under artillery attack");
    EXPECT_EQ(s.LBinfo[2], "BB Unit 60002     sank at 11-11");
    EXPECT_EQ(s.LBinfo[3], "BB Unit 60002");
    EXPECT_EQ(s.LBinfo[4], "          -under artillery attack");
    EXPECT_EQ(s.KnownEnemyCount, 1);
    EXPECT_EQ(s.KnownEnemies[0], P1);

    // An aircraft scans around its strike field, not where it stands.
    UnitRec& bomber = PlaceUnit(game, E2, 86, 40, 40);
    bomber.PlacedX = 10;
    bomber.PlacedY = 11;
    RadarScan(*game, E2, true);
    EXPECT_EQ(small.Active, 0);
}

TEST(Detection, ThePlayerFiresAtTheTargetsHisChooserNames)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& mine = PlaceUnit(game, P1, 43, 10, 10); // Fire 2
    UnitRec& enemy = PlaceUnit(game, E1, 43, 11, 10);
    int waits = 0;
    game.presenter.fireTargetChooser = [&](int shooter) {
        ++waits;
        EXPECT_EQ(shooter, P1);
        EXPECT_EQ(s.FireMode, FireModeTarget);
        return E1;
    };
    RadarScan(*game, P1, true);
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(enemy.Armor, 3);
    EXPECT_EQ(mine.Fire, 0);
    EXPECT_EQ(s.FireMode, FireModeMove);

    // A chooser that names nothing, or something it may not fire at, ends the wait.
    mine.Fire = 2;
    game.presenter.fireTargetChooser = [&](int) {
        ++waits;
        return P1;
    };
    RadarScan(*game, P1, true);
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(mine.Fire, 2);
    EXPECT_EQ(s.FireMode, FireModeMove);
    game.presenter.fireTargetChooser = nullptr;
    RadarScan(*game, P1, true);
    EXPECT_EQ(enemy.Armor, 3);
}

TEST(Detection, FoundShipsVanishAtTheEndOfThePhaseLeavingMarkers)
{
    TestGame game;
    GameState& s = game.state();
    s.MapGrid(20, 21) = CodeEnemyPort;
    s.MapGrid(22, 20) = CodeRowLine;
    UnitRec& destroyer = PlaceUnit(game, E1, 43, 20, 20);
    UnitRec& inPort = PlaceUnit(game, E2, 43, 20, 21);
    UnitRec& plane = PlaceUnit(game, EnemyBaseId + 3, 80, 21, 21);
    UnitRec& cruiser = PlaceUnit(game, EnemyBaseId + 4, 53, 22, 20, 23, 20);
    for (UnitRec* u : {&destroyer, &inPort, &plane, &cruiser})
    {
        u->Visible = 1;
    }
    s.Unit(SecondCell(EnemyBaseId + 4)).Visible = 1;
    HideEnemyContacts(*game);
    EXPECT_EQ(destroyer.Visible, 0);
    EXPECT_EQ(destroyer.Under, (17 + 36) * 100);
    EXPECT_EQ(inPort.Visible, 0);
    EXPECT_EQ(inPort.Under, CodeEnemyPort);
    EXPECT_EQ(plane.Visible, 1);
    EXPECT_EQ(cruiser.Under, (20 + 36) * 100);
    EXPECT_EQ(s.Unit(SecondCell(EnemyBaseId + 4)).Visible, 0);
    EXPECT_EQ(s.MarkerCount(), 2);

    // The destroyer sails on and leaves its marker behind; the next clearing restores both cells.
    s.MapGrid(20, 20) = destroyer.Under;
    s.MapGrid(25, 25) = E1;
    destroyer.X = 25;
    destroyer.Y = 25;
    destroyer.Under = 0;
    destroyer.Visible = 0;
    cruiser.Visible = 0;
    ClearLastSeenMarks(*game);
    EXPECT_EQ(s.MapGrid(20, 20), 0);
    EXPECT_EQ(cruiser.Under, CodeRowLine);
    EXPECT_EQ(s.MarkerCount(), 0);
}

TEST(Detection, MarkersBeyondTheTwentyNinthAreLeftOut)
{
    TestGame game;
    GameState& s = game.state();
    for (int slot = 1; slot <= 31; ++slot)
    {
        PlaceUnit(game, EnemyBaseId + slot, 43, slot, 50).Visible = 1;
    }
    HideEnemyContacts(*game);
    EXPECT_EQ(s.MarkerCount(), MaxMarkers);
    EXPECT_EQ(s.Unit(EnemyBaseId + 29).Under, 5300);
    EXPECT_EQ(s.Unit(EnemyBaseId + 30).Under, 0);
    EXPECT_EQ(s.Unit(EnemyBaseId + 31).Visible, 0);
    ClearLastSeenMarks(*game);
    EXPECT_EQ(s.Unit(EnemyBaseId + 29).Under, 0);
}

} // namespace
} // namespace olvane
