#include "rules/combat.h"
#include "screen/screen_fixture.h"

namespace olvane
{

namespace
{

using test::ScreenTest;
using InfoBoxTest = ScreenTest;

/// The information box's lower part, where an enemy is described.
platform::Picture EnemyPart(TForm1& form)
{
    return form.ISPIS.picture.Cut(platform::Rect{0, 130, 205, 156});
}

TEST_F(InfoBoxTest, TheEnemyUnderTheCursorStaysDescribed)
{
    GameState& s = state();
    const int destroyer = PlayerBaseId + 1;
    const int next = PlayerBaseId + 2;
    Place(destroyer, 43, 10, 10);
    Place(next, 43, 20, 12);
    const int enemy = EnemyBaseId + 1;
    Place(enemy, 43, 11, 10).Visible = 1;
    Redraw();
    const platform::Point p = Centre(11, 10);
    form->EKRMouseMove(0, p.x, p.y);
    ASSERT_EQ(form->HoverUnit(), enemy);

    // The player fires; the shot redraws the box with the enemy's new armour.
    s.SelectedUnit = static_cast<std::uint16_t>(destroyer);
    s.FireMode = FireModeTarget;
    RightClick(11, 10);
    ASSERT_EQ(s.Unit(enemy).Armor, game().classes.Class(43).Armor - 1);
    const platform::Picture described = EnemyPart(*form);

    // The next unit's panel covers the whole box: the enemy under the resting cursor comes back.
    form->RefreshUnitPanel(next);
    EXPECT_TRUE(Same(EnemyPart(*form), described));

    // However the box was painted over, the next move of the cursor on the enemy describes it.
    form->ShowUnitInfo(next, true);
    EXPECT_FALSE(Same(EnemyPart(*form), described));
    form->EKRMouseMove(0, p.x + 3, p.y);
    EXPECT_TRUE(Same(EnemyPart(*form), described));
}

TEST_F(InfoBoxTest, ADestroyedUnitIsClearedFromTheBox)
{
    GameState& s = state();
    const int carrier = PlayerBaseId + 1;
    Place(carrier, 70, 10, 10, 9, 10).Armor = 1;
    Place(PlayerBaseId + 2, 43, 20, 12);
    const int enemy = EnemyBaseId + 1;
    Place(enemy, 43, 12, 10).Visible = 1;
    Redraw();
    form->ShowUnitInfo(carrier, false);
    const platform::Picture cleared = form->ISPIS.picture.Cut(form->ISPIS.picture.Bounds());
    s.SelectedUnit = static_cast<std::uint16_t>(carrier);
    form->RefreshUnitPanel(carrier);
    ASSERT_FALSE(Same(form->ISPIS.picture, cleared));

    // The enemy sinks the described carrier: the box keeps no ARMOR 0 of it.
    FireShot(game(), enemy, carrier);
    ASSERT_EQ(s.Unit(carrier).Active, 0);
    EXPECT_TRUE(Same(form->ISPIS.picture, cleared));
}

TEST_F(InfoBoxTest, EveryClassNameFitsTheBoxWhole)
{
    // The box's right edge stays as the mask left it beside the class line and the name, and
    // the whole class name is written, for every class of the table.
    const platform::Rect edge{205 - 3, 0, 3, 40};
    const int unit = PlayerBaseId + 1;
    int classes = 0;
    for (int cls = 1; cls <= 150; ++cls)
    {
        const ClassRec& c = game().classes.Class(cls);
        if (c.Name.Str().empty())
        {
            continue;
        }
        ++classes;
        Place(unit, cls, 10, 10, 9, 10);
        form->ShowUnitInfo(unit, false);
        const platform::Picture plain = form->ISPIS.picture.Cut(edge);
        std::vector<std::string> texts;
        platform::Canvas::RecordTextsInto(&texts);
        form->ShowUnitInfo(unit, true);
        platform::Canvas::RecordTextsInto(nullptr);
        EXPECT_TRUE(Same(form->ISPIS.picture.Cut(edge), plain)) << c.Name.Str();
        std::string written;
        for (const std::string& t : texts)
        {
            written += t + " ";
        }
        EXPECT_NE(written.find(c.Name.Str()), std::string::npos) << written;
        state().MapGrid(10, 10) = 0;
        state().MapGrid(9, 10) = 0;
    }
    EXPECT_GT(classes, 20);
}

} // namespace

} // namespace olvane
