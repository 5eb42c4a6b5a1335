#include "art/sheets.h"
#include "screen/main_window.h"
#include "screen_fixture.h"

namespace olvane
{

namespace
{

using test::ScreenTest;

constexpr int LandCode = 560 * 100;

/// Two open-sea fields whose varied pictures differ, and two inland fields likewise.
struct Fields
{
    platform::Point seaA, seaB, landA, landB;
};

Fields FindFields()
{
    Fields f{};
    // Open sea in view, away from the island.
    for (int x = 12; x <= 23 && f.seaB.x == 0; ++x)
    {
        for (int y = 12; y <= 17 && f.seaB.x == 0; ++y)
        {
            const int v = art::SeaVariant(x, y);
            if (v == art::CalmSeaVariant)
            {
                continue;
            }
            if (f.seaA.x == 0)
            {
                f.seaA = {x, y};
            }
            else if (v != art::SeaVariant(f.seaA.x, f.seaA.y))
            {
                f.seaB = {x, y};
            }
        }
    }
    for (int x = 4; x <= 8 && f.landB.x == 0; ++x)
    {
        if (art::LandVariant(x, 6) != art::LandVariant(4, 6) && art::LandRelief(x, 6) < 0 &&
            art::LandRelief(4, 6) < 0)
        {
            f.landA = {4, 6};
            f.landB = {x, 6};
        }
    }
    return f;
}

} // namespace

TEST_F(ScreenTest, MapOptionsRedrawTheFieldsAndTheChosenLandSetOutlivesTheWindowsReturn)
{
    if (!files->Find("BMP/jungle2.BMP") || !files->Find("BMP/0.BMP"))
    {
        GTEST_SKIP() << "no generated game folder in this build";
    }
    const Fields f = FindFields();
    ASSERT_NE(f.seaB.x, 0);
    ASSERT_NE(f.landB.x, 0);
    // An island wide enough that the two land fields lie inland, away from every coast.
    for (int x = 2; x <= 10; ++x)
    {
        for (int y = 4; y <= 8; ++y)
        {
            state().MapGrid(x, y) = LandCode;
        }
    }
    Redraw();
    const platform::Picture defaultLand = Shown(f.landA.x, f.landA.y);
    EXPECT_FALSE(Same(Shown(f.seaA.x, f.seaA.y), Shown(f.seaB.x, f.seaB.y)));
    EXPECT_FALSE(Same(defaultLand, Shown(f.landB.x, f.landB.y)));

    form->varySea = false;
    form->varyLand = false;
    Redraw();
    EXPECT_TRUE(Same(Shown(f.seaA.x, f.seaA.y), Shown(f.seaB.x, f.seaB.y))) << "one sea picture";
    EXPECT_TRUE(Same(Shown(f.landA.x, f.landA.y), Shown(f.landB.x, f.landB.y))) << "one land picture";

    // Choosing a set redraws the map at once, without waiting for the next repaint.
    form->varyLand = true;
    form->SetLandSet(2);
    const platform::Picture rocks = Shown(f.landA.x, f.landA.y);
    EXPECT_FALSE(Same(rocks, defaultLand));
    // Back from the headquarters the window activates again: the chosen set stays.
    form->FormActivate();
    Redraw();
    EXPECT_TRUE(Same(Shown(f.landA.x, f.landA.y), rocks));

    // The scenario's own set: its suffix, or the default sheet when it names none.
    state().CurrentScenario.Tag.Set("2");
    form->SetLandSet(ScenarioLandSet);
    EXPECT_TRUE(Same(Shown(f.landA.x, f.landA.y), rocks));
    state().CurrentScenario.Tag.Set("");
    form->SetLandSet(ScenarioLandSet);
    EXPECT_TRUE(Same(Shown(f.landA.x, f.landA.y), defaultLand));
}

TEST_F(ScreenTest, OnlyTheEnemyPhasesPausesFollowTheChosenSpeed)
{
    form->enemyPhaseSpeed = EnemyPhaseSpeed::Fast;
    EXPECT_EQ(form->PacedPause(900), 900) << "the player's own shots keep their pace";
    state().EnemyPhaseRunning = 1;
    EXPECT_EQ(form->PacedPause(900), 450);
    form->enemyPhaseSpeed = EnemyPhaseSpeed::Instant;
    EXPECT_EQ(form->PacedPause(900), 0);
    // An explosion's frames stay on screen for their moment even then; the pause after goes.
    if (files->Find(art::ExplosionSheet.file))
    {
        form->DrawExplosion(5, 5, 1);
        EXPECT_EQ(form->PacedPause(60), 60);
        EXPECT_EQ(form->PacedPause(1560), 0);
    }
    form->enemyPhaseSpeed = EnemyPhaseSpeed::Normal;
    EXPECT_EQ(form->PacedPause(900), 900);
    state().EnemyPhaseRunning = 0;
}

} // namespace olvane

namespace olvane
{

TEST_F(ScreenTest, TheInformationBoxOffersTheShotOnlyWhileATargetIsAwaited)
{
    Place(PlayerBaseId + 1, 43, 10, 10);
    UnitRec& enemy = Place(EnemyBaseId + 1, 43, 11, 10);
    enemy.Visible = 1;
    state().SelectedUnit = PlayerBaseId + 1;
    // A pixel of the band the preview stands on, at the foot of the enemy's part of the box.
    auto bandShown = [this] {
        const platform::Colour c = form->ISPIS.picture.Pixel(4, 130 + 130) & 0xFFFFFF;
        return c == platform::colours::Maroon || c == platform::colours::Red;
    };
    state().FireMode = FireModeMove;
    form->ShowUnitInfo(EnemyBaseId + 1, true);
    EXPECT_FALSE(bandShown());
    state().FireMode = FireModeTarget;
    form->ShowUnitInfo(EnemyBaseId + 1, true);
    EXPECT_TRUE(bandShown());
    EXPECT_EQ(form->ISPIS.picture.Pixel(4, 260) & 0xFFFFFF, platform::colours::Maroon)
        << "more than one shot";
    enemy.Armor = 1;
    form->ShowUnitInfo(EnemyBaseId + 1, true);
    EXPECT_EQ(form->ISPIS.picture.Pixel(4, 260) & 0xFFFFFF, platform::colours::Red) << "one shot sinks it";
    state().FireMode = FireModeMove;
}

} // namespace olvane
