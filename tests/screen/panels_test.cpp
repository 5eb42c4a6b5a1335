#include "screen/screen_fixture.h"

#include <algorithm>

namespace olvane
{

namespace
{

using test::ScreenTest;
using PanelsTest = ScreenTest;

TEST_F(PanelsTest, RepairComesFromTheFirstAuxiliaryOrAnOwnPort)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    UnitRec& u = Place(ship, 43, 10, 10);
    u.Armor = 1;
    EXPECT_EQ(form->RepairAmount(ship), 0) << "nothing near";

    // A heavy auxiliary beside it gives 3.
    Place(PlayerBaseId + 2, 96, 11, 11);
    EXPECT_EQ(form->RepairAmount(ship), 3);
    LeftClick(10, 10);
    EXPECT_TRUE(form->BtREPAIR.enabled);

    // Never past the class maximum of 5.
    u.Armor = 4;
    form->BtREPAIRClick();
    EXPECT_EQ(u.Armor, 5);
    EXPECT_EQ(u.MovedThisTurn, 1);
    ASSERT_GE(s.LBinfo.size(), 2u);
    EXPECT_EQ(s.LBinfo[0], "DE    Unit 60001");
    EXPECT_EQ(s.LBinfo[1], "           repaired for 1 armor");
    EXPECT_EQ(form->LBinfo.items, s.LBinfo);

    // In an own port with no auxiliary: 2. Beside an auxiliary that cannot repair: 0 even in port.
    const int docked = PlayerBaseId + 3;
    s.MapGrid(30, 30) = CodePlayerPort;
    Place(docked, 43, 30, 30).Armor = 2;
    EXPECT_EQ(form->RepairAmount(docked), 2);
    UnitRec& useless = Place(PlayerBaseId + 4, 90, 31, 30);
    useless.Class = 91;
    EXPECT_EQ(form->RepairAmount(docked), 0);

    // A cruiser counts an auxiliary beside its second field too.
    const int cruiser = PlayerBaseId + 5;
    Place(cruiser, 56, 20, 5, 19, 5).Armor = 3;
    Place(PlayerBaseId + 6, 93, 18, 6);
    EXPECT_EQ(form->RepairAmount(cruiser), 2);

    // An aircraft never gets REPAIR, even beside a heavy auxiliary.
    const int fighter = PlayerBaseId + 7;
    Place(fighter, 80, 12, 12).Armor = 1;
    EXPECT_EQ(form->RepairAmount(fighter), 3);
    form->UpdateRepairButton(fighter);
    EXPECT_FALSE(form->BtREPAIR.enabled);
}

TEST_F(PanelsTest, StandOnAUnitThatHasActedDoesNothing)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    UnitRec& u = Place(ship, 43, 10, 10);
    Place(PlayerBaseId + 2, 43, 12, 12);
    LeftClick(10, 10);
    u.MovedThisTurn = 1;
    const GameState before = s;
    form->btSTANDClick();
    EXPECT_TRUE(s == before);

    // A unit still to act stands: its turn is used and it stays on its field.
    u.MovedThisTurn = 0;
    form->btSTANDClick();
    EXPECT_EQ(u.MovedThisTurn, 1);
    EXPECT_EQ(u.X, 10);
    EXPECT_EQ(s.SelectedUnit, PlayerBaseId + 2) << "the next unit is selected";
    EXPECT_EQ(s.Unit(PlayerBaseId + 2).Highlighted, 1);
}

TEST_F(PanelsTest, TheUnitStripCountsActiveAndActedUnits)
{
    GameState& s = state();
    for (int k = 1; k <= 5; ++k)
    {
        Place(PlayerBaseId + k, 43, 2 * k, 10);
    }
    s.Unit(PlayerBaseId + 1).MovedThisTurn = 1;
    s.Unit(PlayerBaseId + 2).MovedThisTurn = 1;
    s.Unit(PlayerBaseId + 5).Active = 0;
    platform::Picture strip(form->unitStrip.bounds.width, form->unitStrip.bounds.height, platform::colours::White);
    platform::Canvas canvas(strip);
    form->unitStrip.Paint(canvas);
    auto centre = [&](int k) { return strip.Pixel(9 + 12 * (k - 1) + 4, 7) & 0xFFFFFF; };
    EXPECT_EQ(centre(1), platform::colours::Silver);
    EXPECT_EQ(centre(2), platform::colours::Silver);
    EXPECT_EQ(centre(3), platform::colours::Navy);
    EXPECT_EQ(centre(4), platform::colours::Navy);
    EXPECT_EQ(centre(5), platform::colours::Gray) << "four active units, four boxes";
    EXPECT_EQ(strip.Pixel(9 + 12 * 2, 4) & 0xFFFFFF, platform::colours::Yellow) << "border of a box to act";
}

TEST_F(PanelsTest, CommandPanelButtonsAndQuickHelp)
{
    EXPECT_TRUE(form->sbtTech.visible) << "our edition has the technology center";
    EXPECT_FALSE(form->btHQ.enabled) << "no headquarters window to open yet: never a dead click";

    // Quick help: the label opens page 1, the links walk 1-2-3-4 and close.
    for (const auto& page : form->helpPages)
    {
        EXPECT_FALSE(page->visible);
    }
    form->lbQuickHelp.onClick();
    EXPECT_TRUE(form->helpPages[0]->visible);
    form->helpPages[0]->nextLink.onClick();
    EXPECT_TRUE(form->helpPages[1]->visible);
    EXPECT_FALSE(form->helpPages[0]->visible);
    EXPECT_EQ(form->helpPages[1]->lines[0].text, " SHIP/PLANE ATTRIBUTES: ");
    form->helpPages[1]->nextLink.onClick();
    form->helpPages[2]->nextLink.onClick();
    EXPECT_TRUE(form->helpPages[3]->visible);
    EXPECT_EQ(form->helpPages[3]->lines.back().text, "- Same principle as player`s turn");
    form->helpPages[3]->previousLink.onClick();
    EXPECT_TRUE(form->helpPages[2]->visible);
    form->helpPages[2]->closeLink.onClick();
    for (const auto& page : form->helpPages)
    {
        EXPECT_FALSE(page->visible);
    }
}

TEST_F(PanelsTest, TheProductionPointsShowFromTheFirstPaint)
{
    state().ProductionPoints = 2950;
    app->Compose();
    EXPECT_EQ(form->LBpare.caption, "PP:2950");
    const auto& texts = form->DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "PP:2950"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "PP:0"), texts.end());
}

TEST_F(PanelsTest, PhaseLabelAndMessageTexts)
{
    form->ShowPhaseLabel("START OF ENEMY PHASE", PhaseColour::Yellow, PhaseColour::Red);
    EXPECT_TRUE(form->lbENDTURNPORUKA.visible);
    EXPECT_EQ(form->lbENDTURNPORUKA.caption, "START OF ENEMY PHASE");
    EXPECT_EQ(form->lbENDTURNPORUKA.colour, platform::colours::Red);
    EXPECT_EQ(form->lbENDTURNPORUKA.font.colour, platform::colours::Yellow);
    form->HidePhaseLabel();
    EXPECT_FALSE(form->lbENDTURNPORUKA.visible);

    GameState& s = state();
    s.TurnNumber = 7;
    s.SideStats(SidePlayer)[0] = 1;
    s.SideStats(SidePlayer)[1] = 10;
    s.SideStats(SidePlayer)[2] = 12;
    s.SideStats(SidePlayer)[3] = 7;
    EXPECT_EQ(MessageText(s, 1), "TURN 7\nMAJOR VICTORY: 4 TURNS\nVICTORY: 6 TURNS\nMINOR VICTORY: LAST TURN");
    EXPECT_EQ(MessageText(s, 54),
              "INFORMATION\nUnit must be placed on\nclear land in radius of 3 squares\naround friendly controlled port");
}

} // namespace

} // namespace olvane
