#include "state/class_table.h"
#include "state/game_state.h"

#include <gtest/gtest.h>
#include <memory>

namespace olvane
{

TEST(ClassTable, ValuesOfTheTable)
{
    ClassTable table;
    InitShipClasses(table);
    const ClassRec& battleship = table.Class(63);
    EXPECT_EQ(battleship.Name.Str(), "Battleship");
    EXPECT_EQ(battleship.Abbrev.Str(), "BB");
    EXPECT_EQ(battleship.Armor, 10);
    EXPECT_EQ(battleship.Price, 105);
    EXPECT_EQ(battleship.Planes, 1);
    EXPECT_EQ(battleship.BigSprite, 102);
    EXPECT_FLOAT_EQ(battleship.DetectRadius, 2.0f);
    EXPECT_EQ(table.Class(54).Name.Str(), "Hvy AntiSub Cruiser");
    EXPECT_FLOAT_EQ(table.Class(26).DetectRadius, 0.8f);
    EXPECT_EQ(table.Class(76).Planes, 0) << "the two largest carriers carry no planes of their own";
    EXPECT_EQ(table.Class(78).Sprite, 0);
    EXPECT_EQ(table.Class(66).Abbrev.Str(), table.Class(87).Abbrev.Str()) << "both are BH";
    EXPECT_EQ(table.Class(109).Range, 3);
    EXPECT_EQ(table.Class(100).Speed, 0);

    // Empty numbers stay empty, and the table ends at 150.
    for (int empty : {0, 1, 4, 31, 99, 110, 150})
    {
        const ClassRec& rec = table.Class(empty);
        EXPECT_EQ(rec.Name.Length, 0) << empty;
        EXPECT_EQ(rec.Price, 0) << empty;
        EXPECT_EQ(rec.Speed + rec.Range + rec.Armor + rec.Fire, 0) << empty;
    }
    EXPECT_THROW(table.Class(151), RangeError);
    EXPECT_THROW(table.Class(-1), RangeError);

    int inUse = 0;
    for (int c = 1; c <= ClassCount; ++c)
    {
        inUse += table.Class(c).Name.Length > 0 ? 1 : 0;
    }
    EXPECT_EQ(inUse, 50);

    // A second call restores what play may have changed.
    table.Class(43).Armor = 1;
    InitShipClasses(table);
    EXPECT_EQ(table.Class(43).Armor, 5);
}

TEST(ClassTable, SetsAndOffsets)
{
    ClassTable table;
    InitShipClasses(table);
    int sonar = 0;
    for (int c = 0; c <= LastClassIndex; ++c)
    {
        sonar += table.IsSonar(c) ? 1 : 0;
    }
    EXPECT_EQ(sonar, 11);
    EXPECT_TRUE(table.IsSonar(108));
    EXPECT_FALSE(table.IsSonar(43 + 1));
    EXPECT_TRUE(table.IsAirSpotter(107));
    EXPECT_FALSE(table.IsAirSpotter(72)) << "72 spots aircraft by a rule of its own, not through the set";
    EXPECT_EQ(table.BigShipClasses.count(), 18u);
    EXPECT_EQ(table.BigSpriteCount, 18);
    for (int c = 50; c <= 79; ++c)
    {
        if (table.Class(c).Name.Length > 0)
        {
            EXPECT_TRUE(table.IsBigShip(c)) << c;
            EXPECT_TRUE(HasSecondUnit(c)) << c;
            EXPECT_GE(table.Class(c).BigSprite, 100) << c;
        }
    }
    EXPECT_FALSE(HasSecondUnit(49));
    EXPECT_FALSE(HasSecondUnit(80));

    // Rings widen outwards: the first entry is the centre, the last ring lies three away.
    EXPECT_EQ(table.NeighbourOffsets[0].dx, 0);
    EXPECT_EQ(table.NeighbourOffsets[1].dy, -1);
    EXPECT_EQ(table.NeighbourOffsets[5].dx, -1);
    EXPECT_EQ(table.NeighbourOffsets[5].dy, -1);
    EXPECT_EQ(table.NeighbourOffsets[36].dx, -3);
    EXPECT_EQ(table.NeighbourOffsets[36].dy, 1);
}

TEST(ClassTable, CategoriesAndInstallations)
{
    EXPECT_EQ(ClassCategoryOf(2), 0);
    EXPECT_EQ(ClassCategoryOf(18), 1);
    EXPECT_EQ(ClassCategoryOf(30), 2);
    EXPECT_EQ(ClassCategoryOf(35), NoCategory);
    EXPECT_EQ(ClassCategoryOf(43), 4);
    EXPECT_EQ(ClassCategoryOf(78), 7);
    EXPECT_EQ(ClassCategoryOf(88), 8);
    EXPECT_EQ(ClassCategoryOf(96), 9);
    EXPECT_EQ(ClassCategoryOf(106), 11);
    EXPECT_EQ(ClassCategoryOf(107), 12);
    EXPECT_THROW(ClassCategoryOf(151), RangeError);
    EXPECT_EQ(ClassRangeOfCategory(2), (std::pair<int, int>{20, 30}));
    EXPECT_EQ(ClassRangeOfCategory(8), (std::pair<int, int>{80, 89}));
    EXPECT_GT(ClassRangeOfCategory(3).first, ClassRangeOfCategory(3).second) << "category 3 holds no class";
    // Every class in use belongs to the category whose range holds it.
    ClassTable table;
    InitShipClasses(table);
    for (int c = 1; c <= 99; ++c)
    {
        if (table.Class(c).Name.Length > 0)
        {
            const auto [first, last] = ClassRangeOfCategory(ClassCategoryOf(c));
            EXPECT_TRUE(c >= first && c <= last) << c;
        }
    }
    EXPECT_EQ(InstallationIndex(100), 0);
    EXPECT_EQ(InstallationIndex(103), 1);
    EXPECT_EQ(InstallationIndex(109), 7);
    EXPECT_EQ(InstallationIndex(101), 0);
    EXPECT_EQ(InstallationIndex(43), 0);
}

TEST(ClassTable, TechnologyReachesTheUnits)
{
    ClassTable table;
    InitShipClasses(table);
    auto state = std::make_unique<GameState>();
    ResetGame(*state);
    UnitRec& destroyer = state->Unit(60201);
    destroyer.Active = 1;
    destroyer.Class = 43;
    destroyer.Armor = 2; // damaged
    UnitRec& cruiser = state->Unit(60202);
    cruiser.Active = 1;
    cruiser.Class = 53;
    cruiser.Armor = 7;
    state->EnemyShipCount = 2;
    state->TechBonus(SideEnemy, 4) = {2, 1, 1, 1, 3};

    // At the scenario start the bonus is counted into fresh armour.
    ApplyTechToUnits(*state, table, SideEnemy, 4, TechModeScenarioStart);
    EXPECT_EQ(destroyer.Armor, 5 + 2);
    EXPECT_EQ(destroyer.Fire, 2 + 1);
    EXPECT_EQ(destroyer.Speed, 3 + 1);
    EXPECT_EQ(destroyer.Radar, 3);
    EXPECT_EQ(destroyer.ArmorBonus, 2);
    EXPECT_EQ(cruiser.Armor, 7) << "another category is untouched";

    // After a purchase a changed armour bonus adds one point, damage stays.
    destroyer.Armor = 3;
    state->TechBonus(SideEnemy, 4).Armor = 3;
    ApplyTechToUnits(*state, table, SideEnemy, 4, TechModePurchase);
    EXPECT_EQ(destroyer.Armor, 4);
    ApplyTechToUnits(*state, table, SideEnemy, 4, TechModePurchase);
    EXPECT_EQ(destroyer.Armor, 4) << "an unchanged bonus adds nothing";

    // No armour bonus leaves armour alone in both modes.
    state->TechBonus(SideEnemy, 4).Armor = 0;
    destroyer.Armor = 1;
    ApplyTechToUnits(*state, table, SideEnemy, 4, TechModeScenarioStart);
    EXPECT_EQ(destroyer.Armor, 1);
}

} // namespace olvane
