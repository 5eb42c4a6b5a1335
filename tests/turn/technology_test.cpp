#include "support/place_unit.h"
#include "support/test_game.h"
#include "turn/fleet_overview.h"
#include "turn/technology.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::PlaceUnit;
using test::TestGame;

constexpr int Destroyers = 4;
constexpr int Cruisers = 5;

int Index(int category, int attribute, int mark)
{
    const int i = TechIndexOf(category, attribute, mark);
    EXPECT_GE(i, 0);
    return i;
}

TEST(Technology, TableHoldsEveryMarkInListOrder)
{
    EXPECT_EQ(TechListOf(TechArmor).size(), 24u);
    EXPECT_EQ(TechListOf(TechFire).size(), 17u);
    EXPECT_EQ(TechListOf(TechSpeed).size(), 22u);
    EXPECT_EQ(TechListOf(TechRadar).size(), 10u);
    const TechEntry& last = TechTable[TechListOf(TechArmor).back()];
    EXPECT_EQ(TechDescription(last), "Extended Armor 3");
    EXPECT_EQ(TechCategoryName(last.Category), "Auxiliary");
    EXPECT_EQ(TechTable[Index(Cruisers, TechRadar, 2)].Price, 136);
    EXPECT_EQ(TechTable[Index(6, TechSpeed, 3)].Price, 120);
    EXPECT_EQ(TechIndexOf(1, TechFire, 2), -1);
    EXPECT_EQ(TechEffectText(TechTable[Index(Cruisers, TechRadar, 2)]),
              "Increases default unit`s radar range for 2 points.");
    EXPECT_EQ(TechEffectText(TechTable[Index(Destroyers, TechArmor, 1)]),
              "Increases default unit`s armor for 1 point.");
}

TEST(Technology, MarksMustBeBoughtInTurnAndOnce)
{
    TestGame game;
    GameState& s = game.state();
    s.ProductionPoints = 1000;
    const int mark1 = Index(Destroyers, TechArmor, 1);
    const int mark2 = Index(Destroyers, TechArmor, 2);
    EXPECT_EQ(StateOfMark(s, TechTable[mark1]), TechState::Available);
    EXPECT_EQ(StateOfMark(s, TechTable[mark2]), TechState::PreviousNeeded);

    EXPECT_FALSE(BuyTechnology(*game, mark2));
    EXPECT_EQ(game.presenter.errors.back(), "You should have Extended Armor 1 first.");
    EXPECT_EQ(s.ProductionPoints, 1000);

    EXPECT_TRUE(BuyTechnology(*game, mark1));
    EXPECT_EQ(s.ProductionPoints, 950);
    EXPECT_EQ(s.TechBonus(SidePlayer, Destroyers).Armor, 1);
    EXPECT_EQ(StateOfMark(s, TechTable[mark1]), TechState::Achieved);
    EXPECT_EQ(StateOfMark(s, TechTable[mark2]), TechState::Available);
    EXPECT_FALSE(BuyTechnology(*game, mark1));
    EXPECT_EQ(game.presenter.errors.back(), AlreadyHaveTechText);
    EXPECT_EQ(s.ProductionPoints, 950);
}

TEST(Technology, ChecksRunInOrder)
{
    TestGame game;
    GameState& s = game.state();
    const int mark1 = Index(Cruisers, TechSpeed, 1);
    s.TechBonus(SidePlayer, Cruisers).Speed = 1;
    s.ProductionPoints = 0;
    s.CurrentScenario.PurchaseRestriction = 12;
    // An achieved mark is refused as such even when the player is poor and restricted.
    EXPECT_FALSE(BuyTechnology(*game, mark1));
    EXPECT_EQ(game.presenter.errors.back(), AlreadyHaveTechText);
    EXPECT_TRUE(game.presenter.messages.empty());

    // Points come before the restriction; then every category shows the restriction's message.
    s.TechBonus(SidePlayer, Cruisers).Speed = 0;
    EXPECT_FALSE(BuyTechnology(*game, mark1));
    s.ProductionPoints = 1000;
    EXPECT_FALSE(BuyTechnology(*game, mark1));
    EXPECT_FALSE(BuyTechnology(*game, Index(8, TechFire, 1)));
    s.CurrentScenario.PurchaseRestriction = 14;
    EXPECT_FALSE(BuyTechnology(*game, mark1));
    EXPECT_EQ(game.presenter.messages, (std::vector<int>{57, 252, 252, 254}));
    EXPECT_EQ(s.ProductionPoints, 1000);
    EXPECT_EQ(s.TechBonus(SidePlayer, Cruisers), TechRow{});

    // Unit restrictions 1..4 do not touch technology.
    s.CurrentScenario.PurchaseRestriction = 1;
    EXPECT_TRUE(BuyTechnology(*game, mark1));
}

TEST(Technology, BoughtMarksReachTheCategorysUnits)
{
    TestGame game;
    GameState& s = game.state();
    const ClassTable& classes = game->classes;
    s.ProductionPoints = 1000;
    UnitRec& cruiser = PlaceUnit(*game, PlayerBaseId + 1, 53, 10, 10, 9, 10);
    UnitRec& heavy = PlaceUnit(*game, PlayerBaseId + 2, 56, 10, 12, 9, 12);
    UnitRec& destroyer = PlaceUnit(*game, PlayerBaseId + 3, 43, 10, 14);
    UnitRec& enemy = PlaceUnit(*game, EnemyBaseId + 1, 53, 30, 30, 29, 30);
    destroyer.Armor = 1;

    EXPECT_TRUE(BuyTechnology(*game, Index(Cruisers, TechSpeed, 1)));
    EXPECT_EQ(cruiser.Speed, classes.Class(53).Speed + 1);
    EXPECT_EQ(heavy.Speed, classes.Class(56).Speed + 1);
    EXPECT_EQ(destroyer.Speed, classes.Class(43).Speed);
    EXPECT_EQ(enemy.Speed, classes.Class(53).Speed);

    // Armour keeps the damage taken and gains exactly one point per new bonus.
    EXPECT_TRUE(BuyTechnology(*game, Index(Destroyers, TechArmor, 1)));
    EXPECT_EQ(destroyer.Armor, 2);
    EXPECT_TRUE(BuyTechnology(*game, Index(Destroyers, TechFire, 1)));
    EXPECT_EQ(destroyer.Armor, 2);
    EXPECT_EQ(destroyer.Fire, classes.Class(43).Fire + 1);
    EXPECT_TRUE(BuyTechnology(*game, Index(Destroyers, TechArmor, 2)));
    EXPECT_EQ(destroyer.Armor, 3);

    // Radar marks raise the range.
    EXPECT_TRUE(BuyTechnology(*game, Index(Destroyers, TechRadar, 1)));
    EXPECT_EQ(destroyer.Range, classes.Class(43).Range + 1);
}

TEST(FleetOverview, GroupsTakeActiveUnitsInSlotOrderUpToTheirCaps)
{
    TestGame game;
    GameState& s = game.state();
    for (int slot = 1; slot <= 17; ++slot)
    {
        PlaceUnit(*game, PlayerBaseId + slot, 43, slot, 1);
    }
    PlaceUnit(*game, PlayerBaseId + 18, 80, 1, 3);
    PlaceUnit(*game, PlayerBaseId + 19, 86, 2, 3);
    PlaceUnit(*game, PlayerBaseId + 20, 109, 3, 3);
    PlaceUnit(*game, PlayerBaseId + 21, 93, 4, 3);
    PlaceUnit(*game, PlayerBaseId + 22, 73, 5, 3, 6, 3);
    for (int slot = 23; slot <= 32; ++slot)
    {
        PlaceUnit(*game, PlayerBaseId + slot, 2, slot, 5);
    }
    s.Unit(PlayerBaseId + 2).Active = 0;

    const auto groups = OrderOfBattle(s);
    ASSERT_EQ(groups[3].size(), 15u);
    EXPECT_EQ(groups[3].front(), PlayerBaseId + 1);
    EXPECT_EQ(groups[3][1], PlayerBaseId + 3);
    EXPECT_EQ(groups[3].back(), PlayerBaseId + 16);
    EXPECT_EQ(groups[6], (std::vector<int>{PlayerBaseId + 18, PlayerBaseId + 19}));
    EXPECT_EQ(groups[0], (std::vector<int>{PlayerBaseId + 22}));
    // The auxiliary joins the transporters, whose one row holds eight; the radar is not listed.
    ASSERT_EQ(groups[7].size(), 8u);
    EXPECT_EQ(groups[7].front(), PlayerBaseId + 21);
    EXPECT_EQ(FleetGroupOf(109), -1);
    EXPECT_EQ(FleetGroupOf(100), -1);

    s.PlayerShipCount = 0;
    for (const auto& group : OrderOfBattle(s))
    {
        EXPECT_TRUE(group.empty());
    }
}

TEST(FleetOverview, LossesAreCountedPerClassAndSideWithinTheListsCount)
{
    TestGame game;
    GameState& s = game.state();
    const auto add = [&](int c, int side) {
        s.DestroyedList.Entries[s.DestroyedList.Count++] =
            DestroyedEntry{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(side)};
    };
    add(43, SidePlayer);
    add(43, SideEnemy);
    add(80, SidePlayer);
    add(43, SidePlayer);
    add(63, SideEnemy);
    // An entry past the count is stale and never read.
    s.DestroyedList.Entries[5] = DestroyedEntry{10, SidePlayer};
    EXPECT_EQ(DestroyedCounts(s, SidePlayer), (std::vector<std::pair<int, int>>{{43, 2}, {80, 1}}));
    EXPECT_EQ(DestroyedCounts(s, SideEnemy), (std::vector<std::pair<int, int>>{{43, 1}, {63, 1}}));
    // A count beyond the list's capacity (a damaged save) reads the list and no further.
    s.DestroyedList.Count = 255;
    EXPECT_EQ(DestroyedCounts(s, SidePlayer).size(), 3u);
}

TEST(FleetOverview, HeadquartersSummaryTakesTheActiveUnitsOfTheFirst42Slots)
{
    TestGame game;
    GameState& s = game.state();
    for (int slot = 1; slot <= 50; ++slot)
    {
        PlaceUnit(*game, PlayerBaseId + slot, 43, slot, 1);
    }
    s.Unit(PlayerBaseId + 5).Active = 0;
    const std::vector<int> units = HqSummaryUnits(s);
    ASSERT_EQ(units.size(), 41u);
    EXPECT_EQ(units[4], PlayerBaseId + 6);
    EXPECT_EQ(units.back(), PlayerBaseId + 42);

    EXPECT_EQ(HqMissionLine(s), "");
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalConvoy;
    s.SideStats(SidePlayer)[GoalArrivedByte] = 3;
    EXPECT_EQ(HqMissionLine(s), "MISSION OBJECTIVE: Safely escorted ships: 3");
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalDestroyAll;
    PlaceUnit(*game, EnemyBaseId + 1, 43, 5, 5);
    PlaceUnit(*game, EnemyBaseId + 2, 43, 6, 5).Active = 0;
    EXPECT_EQ(HqMissionLine(s), "TOTAL ACTIVE ENEMY UNITS: 1");
}

} // namespace

} // namespace olvane
