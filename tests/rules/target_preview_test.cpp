#include "rules/combat.h"
#include "rules/target_preview.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::E1;
using test::P1;
using test::PlaceUnit;
using test::TestGame;

TEST(TargetPreview, EachPreviewForetellsTheShotThatFollowsAndChangesNothing)
{
    // A battleship (fire 4) against a destroyer (armour 5) and against a cruiser by its stern.
    for (const bool byStern : {false, true})
    {
        TestGame game;
        GameState& s = game.state();
        UnitRec& shooter = PlaceUnit(game, P1, 63, 10, 10, 9, 10);
        UnitRec& victim = byStern ? PlaceUnit(game, E1, 53, 12, 10, 11, 10) : PlaceUnit(game, E1, 43, 12, 10);
        victim.Visible = 1;
        s.Unit(SecondCell(E1)).Visible = 1;
        const int aim = byStern ? SecondCell(E1) : E1;
        const int firstShotsToSink = victim.Armor;
        int fired = 0;
        while (victim.Active != 0 && shooter.Fire > 0)
        {
            s.FireMode = FireModeTarget;
            const GameState before = s;
            const TargetPreview preview = PreviewShot(*game, P1, aim);
            ASSERT_TRUE(s == before) << "the preview changes nothing";
            const int armorBefore = victim.Armor;
            const int fireBefore = shooter.Fire;
            ASSERT_EQ(PlayerFireAt(*game, P1, aim), preview.possible);
            ASSERT_TRUE(preview.possible) << "stern " << byStern << " shot " << fired;
            EXPECT_EQ(preview.armor, armorBefore);
            EXPECT_EQ(preview.fireLeft, fireBefore);
            ++fired;
            EXPECT_EQ(shooter.Fire, preview.fireLeft - 1);
            EXPECT_EQ(victim.Active == 0, preview.SinksIt()) << "shot " << fired;
            EXPECT_EQ(preview.shotsToSink, firstShotsToSink - fired + 1);
        }
        EXPECT_EQ(fired, std::min<int>(firstShotsToSink, 4));
    }
}

TEST(TargetPreview, NothingIsOfferedWhereTheClickWouldNotFireAndTheLineReadsAsTold)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& shooter = PlaceUnit(game, P1, 43, 10, 10);
    UnitRec& enemy = PlaceUnit(game, E1, 43, 11, 10);
    PlaceUnit(game, PlayerBaseId + 2, 43, 9, 10);
    enemy.Visible = 1;
    s.FireMode = FireModeMove;
    EXPECT_FALSE(PreviewShot(*game, P1, E1).possible) << "no target is awaited";
    s.FireMode = FireModeTarget;
    EXPECT_FALSE(PreviewShot(*game, P1, PlayerBaseId + 2).possible) << "an own ship";
    enemy.Visible = 0;
    EXPECT_FALSE(PreviewShot(*game, P1, E1).possible) << "an enemy not found";
    enemy.Visible = 1;
    shooter.Fire = 0;
    EXPECT_FALSE(PreviewShot(*game, P1, E1).possible) << "no fire left";
    EXPECT_EQ(TargetPreviewText(PreviewShot(*game, P1, E1)), "");

    shooter.Fire = 2;
    enemy.Armor = 3;
    EXPECT_EQ(TargetPreviewText(PreviewShot(*game, P1, E1)), "ARMOR 3 - 3 SHOTS TO SINK - FIRE 2 LEFT");
    enemy.Armor = 1;
    EXPECT_EQ(TargetPreviewText(PreviewShot(*game, P1, E1)), "ARMOR 1 - SINKS IT - FIRE 2 LEFT");
}

} // namespace
} // namespace olvane
