#include "support/place_unit.h"
#include "support/test_game.h"
#include "turn/production.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::PlaceUnit;
using test::TestGame;

constexpr std::uint16_t Land = 37000;

/// A small world: the player's home base (nation 1, key 1) at (10, 10) facing right on open sea,
/// and one port of his at (30, 30) in the middle of an island of 7 x 7 fields.
struct ProductionWorld
{
    ProductionWorld()
    {
        GameState& s = game.state();
        s.GameMode = ModeMission;
        s.PlayerNation = NationUnitedStates;
        s.EnemyNation = NationJapan;
        s.TurnNumber = 3;
        s.ProductionPoints = 1000;
        AIZoneRec& home = s.AIZone(1);
        home.Key = 1;
        home.Size = 0;
        home.OriginX = 10;
        home.OriginY = 10;
        FillLand(27, 27, 33, 33);
        AddPort(30, 30, SidePlayer);
    }

    /// Fills a rectangle of fields with land, or with `code` (0 is open sea).
    void FillLand(int x0, int y0, int x1, int y1, std::uint16_t code = Land)
    {
        for (int x = x0; x <= x1; ++x)
        {
            for (int y = y0; y <= y1; ++y)
            {
                game.state().MapGrid(x, y) = code;
            }
        }
    }

    void AddPort(int x, int y, int owner)
    {
        GameState& s = game.state();
        PortRec& port = s.Port(++s.PortCount);
        port.X = static_cast<std::uint8_t>(x);
        port.Y = static_cast<std::uint8_t>(y);
        port.Owner = static_cast<std::uint8_t>(owner);
        s.MapGrid(x, y) = CodePlayerPort;
    }

    bool Buy(int c) { return BuyUnit(*game, list, PurchaseRowOf(c)); }

    TestGame game;
    PurchaseList list;
};

TEST(Production, ListHoldsEveryPurchasableClassOnceAndNoTransporter)
{
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        EXPECT_EQ(PurchaseRowOf(PurchaseClasses[row]), row);
    }
    EXPECT_EQ(PurchaseClasses[1], 23);
    EXPECT_EQ(PurchaseClasses[47], 109);
    for (int c : {2, 3, 6, 31, 110})
    {
        EXPECT_EQ(PurchaseRowOf(c), 0) << c;
    }
}

TEST(Production, BuyChecksRunInOrderAndRefusalsChangeNothing)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    const ClassTable& classes = w.game->classes;

    // Points come before the restriction: a battleship too dear under restriction 1 is code 57.
    s.CurrentScenario.PurchaseRestriction = 1;
    s.ProductionPoints = classes.Class(63).Price - 1;
    EXPECT_FALSE(w.Buy(63));
    s.ProductionPoints = 1000;
    EXPECT_FALSE(w.Buy(43));
    EXPECT_EQ(w.game.presenter.messages, (std::vector<int>{57, 251}));

    w.game.presenter.messages.clear();
    s.CurrentScenario.PurchaseRestriction = 2;
    EXPECT_FALSE(w.Buy(10));
    EXPECT_TRUE(w.Buy(43));
    s.CurrentScenario.PurchaseRestriction = 3;
    EXPECT_FALSE(w.Buy(80));
    EXPECT_TRUE(w.Buy(73));
    s.CurrentScenario.PurchaseRestriction = 4;
    EXPECT_FALSE(w.Buy(80));
    EXPECT_FALSE(w.Buy(73));
    EXPECT_TRUE(w.Buy(10));
    EXPECT_EQ(w.game.presenter.messages, (std::vector<int>{252, 253, 254, 254}));

    // Restriction before the port: a fighter under restriction 3 without any port is code 253.
    s.Port(1).Owner = SideEnemy;
    w.game.presenter.messages.clear();
    s.CurrentScenario.PurchaseRestriction = 3;
    EXPECT_FALSE(w.Buy(80));
    s.CurrentScenario.PurchaseRestriction = 0;
    EXPECT_FALSE(w.Buy(80));
    EXPECT_FALSE(w.Buy(93));
    EXPECT_FALSE(w.Buy(107));
    EXPECT_EQ(w.game.presenter.messages, (std::vector<int>{253, 255, 255, 255}));

    const int points = s.ProductionPoints;
    const PurchaseList before = w.list;
    s.Port(1).Owner = SidePlayer;
    w.FillLand(27, 27, 33, 33, 0);
    s.MapGrid(30, 30) = CodePlayerPort;
    w.game.presenter.messages.clear();
    EXPECT_FALSE(w.Buy(80));
    EXPECT_EQ(w.game.presenter.messages, (std::vector<int>{250}));
    EXPECT_EQ(s.ProductionPoints, points);
    EXPECT_EQ(w.list.Count, before.Count);
    EXPECT_EQ(w.list.Slots, before.Slots);
}

TEST(Production, PriceEqualToThePointsLeavesZero)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    s.ProductionPoints = w.game->classes.Class(43).Price;
    EXPECT_TRUE(w.Buy(43));
    EXPECT_EQ(s.ProductionPoints, 0);
    EXPECT_EQ(w.game.presenter.productionLabel, "PP: 0");
}

TEST(Production, EveryWaitingAircraftNeedsAFreeFieldOfItsOwn)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    // Only two free land fields near the port: one taken by a unit, the rest sea.
    w.FillLand(27, 27, 33, 33, 0);
    s.MapGrid(30, 30) = CodePlayerPort;
    s.MapGrid(31, 30) = Land;
    s.MapGrid(29, 30) = Land;
    s.MapGrid(30, 31) = Land;
    PlaceUnit(*w.game, PlayerBaseId + 1, 100, 30, 31);
    EXPECT_EQ(FreeLandNearPorts(s), 2);

    // A fighter still waiting from an earlier visit takes one of them.
    UnitRec& waiting = PlaceUnit(*w.game, PlayerBaseId + 2, 80, 50, 50);
    s.MapGrid(50, 50) = 0;
    waiting.X = 0;
    waiting.Y = 0;
    EXPECT_EQ(UnitsAwaitingDeployment(s), 1);
    EXPECT_TRUE(w.Buy(81));
    EXPECT_FALSE(w.Buy(100));
    EXPECT_EQ(w.game.presenter.messages, (std::vector<int>{250}));
    // An auxiliary needs no field of its own.
    EXPECT_TRUE(w.Buy(93));
}

TEST(Production, FreeLandNearAPortAtTheEdgeStaysInsideTheMap)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    s.Port(1).Owner = SideEnemy;
    s.MapWidth = 40;
    s.MapHeight = 40;
    w.FillLand(1, 1, 2, 2);
    w.FillLand(39, 39, 40, 40);
    w.AddPort(1, 1, SidePlayer);
    w.AddPort(40, 40, SidePlayer);
    // A second port beside the first shares its fields: each is counted once.
    w.AddPort(2, 1, SidePlayer);
    EXPECT_EQ(FreeLandNearPorts(s), 2 + 3);
    EXPECT_TRUE(w.Buy(80));
}

TEST(Production, TypeCapCountsUnitsAtSeaAndTheList)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    s.ProductionPoints = 100000;
    for (int slot = 1; slot <= 13; ++slot)
    {
        PlaceUnit(*w.game, PlayerBaseId + slot, 63, 40 + slot, 60, 40 + slot, 61);
    }
    EXPECT_TRUE(w.Buy(63));
    EXPECT_FALSE(w.Buy(63));
    EXPECT_EQ(w.game.presenter.errors, (std::vector<std::string>{std::string(TypeCapText)}));
    EXPECT_EQ(w.list.Count[PurchaseRowOf(63)], 1);

    // One-cell classes stop at 20, counting what is listed.
    for (int n = 0; n < 20; ++n)
    {
        EXPECT_TRUE(w.Buy(43)) << n;
    }
    EXPECT_FALSE(w.Buy(43));
    // Taking one off the list makes room for it again.
    EXPECT_TRUE(RemoveUnit(*w.game, w.list, PurchaseRowOf(43)));
    EXPECT_TRUE(w.Buy(43));
}

TEST(Production, NeverListsMoreUnitsThanFreeSlots)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    s.ProductionPoints = 100000;
    for (int slot = 1; slot <= 98; ++slot)
    {
        UnitRec& u = s.Unit(PlayerBaseId + slot);
        u.Active = 1;
        u.Class = static_cast<std::uint8_t>(20 + slot % 3 * 3);
    }
    s.PlayerShipCount = 98;
    EXPECT_TRUE(w.Buy(43));
    EXPECT_TRUE(w.Buy(46));
    EXPECT_FALSE(w.Buy(40));
    EXPECT_EQ(w.game.presenter.errors, (std::vector<std::string>{std::string(NoFreeSlotText)}));
}

TEST(Production, ListedUnitsFillSlotsWithTheirFramesAndRemoveGivesThemBack)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    const ClassTable& classes = w.game->classes;
    const int battleship = classes.Class(63).Sprite;
    const int row = PurchaseRowOf(63);
    EXPECT_TRUE(w.Buy(63));
    EXPECT_TRUE(w.Buy(63));
    EXPECT_EQ(w.list.Slots[row][1], (battleship + 1) * 8);
    EXPECT_EQ(w.list.Slots[row][2], battleship * 8);
    EXPECT_EQ(w.list.Slots[row][3], (battleship + 1) * 8);
    EXPECT_EQ(w.list.Slots[row][4], battleship * 8);
    EXPECT_EQ(w.list.Slots[row][5], EmptyPurchaseSlot);
    EXPECT_EQ(PurchaseFrames(classes, 108)[0], classes.Class(108).Sprite * 8 + 6);
    EXPECT_EQ(PurchaseFrames(classes, 43)[0], classes.Class(43).Sprite * 8);

    const int points = s.ProductionPoints;
    EXPECT_TRUE(RemoveUnit(*w.game, w.list, row));
    EXPECT_EQ(s.ProductionPoints, points + classes.Class(63).Price);
    EXPECT_EQ(w.list.Count[row], 1);
    EXPECT_EQ(w.list.Slots[row][3], EmptyPurchaseSlot);
    EXPECT_EQ(w.list.Slots[row][4], EmptyPurchaseSlot);
    EXPECT_EQ(w.list.Slots[row][2], battleship * 8);

    // An empty row changes nothing.
    const int destroyers = PurchaseRowOf(43);
    const int now = s.ProductionPoints;
    EXPECT_FALSE(RemoveUnit(*w.game, w.list, destroyers));
    EXPECT_EQ(s.ProductionPoints, now);
}

TEST(Production, FinishCreatesUnitsInTheLowestFreeSlotsClearedWhole)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    PlaceUnit(*w.game, PlayerBaseId + 1, 43, 60, 60);
    PlaceUnit(*w.game, PlayerBaseId + 4, 43, 62, 60);
    // Slot 2 held a cruiser that was lost: its record and second cell still carry its values.
    UnitRec& lost = s.Unit(PlayerBaseId + 2);
    lost.Class = 53;
    lost.X = 70;
    lost.Y = 70;
    lost.Radar = 9;
    lost.AttackedBy = 12;
    lost.LinkedUnit = 60300;
    s.Unit(SecondCell(PlayerBaseId + 2)).X = 71;

    EXPECT_TRUE(w.Buy(43));
    EXPECT_TRUE(w.Buy(80));
    EXPECT_TRUE(w.Buy(53));
    const FinishResult result = FinishProduction(*w.game, w.list, ProductionFromMainWindow);
    EXPECT_EQ(result.exit, ProductionExit::MainWindow);
    EXPECT_TRUE(result.deploymentPending);
    EXPECT_EQ(w.list.Total(), 0);

    // Rows are taken in list order: the destroyer (row 6) first, the cruiser (row 17), the fighter.
    const UnitRec& destroyer = s.Unit(PlayerBaseId + 2);
    EXPECT_EQ(destroyer.Class, 43);
    EXPECT_EQ(destroyer.Radar, 0);
    EXPECT_EQ(destroyer.AttackedBy, 0);
    EXPECT_EQ(destroyer.LinkedUnit, 0);
    EXPECT_NE(destroyer.X, 70);
    EXPECT_EQ(s.MapGrid(destroyer.X, destroyer.Y), PlayerBaseId + 2);
    EXPECT_EQ(s.Unit(SecondCell(PlayerBaseId + 2)).X, 0);
    EXPECT_FALSE(destroyer.Name.Str().empty());

    const UnitRec& cruiser = s.Unit(PlayerBaseId + 3);
    EXPECT_EQ(cruiser.Class, 53);
    EXPECT_NE(cruiser.X, 0);
    EXPECT_EQ(s.MapGrid(s.Unit(SecondCell(PlayerBaseId + 3)).X, s.Unit(SecondCell(PlayerBaseId + 3)).Y),
              SecondCell(PlayerBaseId + 3));

    const UnitRec& fighter = s.Unit(PlayerBaseId + 5);
    EXPECT_EQ(fighter.Class, 80);
    EXPECT_EQ(fighter.X, 0);
    EXPECT_EQ(s.PlayerShipCount, 5);
    EXPECT_EQ(s.AircraftCount, 1);
}

TEST(Production, AShipWithoutABerthIsRefunded)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    w.FillLand(5, 5, 25, 25);
    PlaceUnit(*w.game, PlayerBaseId + 1, 43, 60, 60);
    const int points = s.ProductionPoints;
    EXPECT_TRUE(w.Buy(46));
    const FinishResult result = FinishProduction(*w.game, w.list, ProductionFromHQ);
    EXPECT_EQ(result.exit, ProductionExit::Headquarters);
    EXPECT_FALSE(result.deploymentPending);
    EXPECT_EQ(s.ProductionPoints, points);
    EXPECT_EQ(s.Unit(PlayerBaseId + 2), UnitRec{});
    EXPECT_EQ(s.PlayerShipCount, 1);
    ASSERT_EQ(w.game.presenter.errors.size(), 1u);
    EXPECT_NE(w.game.presenter.errors[0].find("REFUNDED"), std::string::npos);
}

TEST(Production, FinishLeadsBackWhereTheWindowWasOpenedFrom)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    PlaceUnit(*w.game, PlayerBaseId + 60, 43, 60, 60);
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::Headquarters);
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromMainWindow).exit, ProductionExit::MainWindow);
    s.Flow.JustLoaded = 1;
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::Briefing);
    s.Flow.JustLoaded = 0;
    s.TurnNumber = 0;
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::Briefing);
    // The unit in slot 60 counts as a fleet: nothing was asked of the player.
    EXPECT_TRUE(w.game.presenter.errors.empty());
}

TEST(Production, AnEmptyFleetMustBuyUnlessNothingCanBeBought)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::StayOpen);
    EXPECT_EQ(w.game.presenter.errors, (std::vector<std::string>{std::string(MustBuyText)}));

    s.CurrentScenario.PurchaseRestriction = 1;
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::Headquarters);
    s.CurrentScenario.PurchaseRestriction = 0;
    s.ProductionPoints = 5;
    EXPECT_EQ(FinishProduction(*w.game, w.list, ProductionFromHQ).exit, ProductionExit::Headquarters);
    EXPECT_EQ(w.game.presenter.errors.size(), 1u);
}

TEST(Production, DeploymentStaysPendingWhileAnEarlierPurchaseWaits)
{
    ProductionWorld w;
    GameState& s = w.game.state();
    PlaceUnit(*w.game, PlayerBaseId + 1, 43, 60, 60);
    UnitRec& gun = PlaceUnit(*w.game, PlayerBaseId + 2, 103, 61, 60);
    s.MapGrid(61, 60) = 0;
    gun.X = 0;
    EXPECT_TRUE(FinishProduction(*w.game, w.list, ProductionFromMainWindow).deploymentPending);
    gun.X = 61;
    EXPECT_FALSE(FinishProduction(*w.game, w.list, ProductionFromMainWindow).deploymentPending);
}

} // namespace

} // namespace olvane
