#include "platform/timer.h"
#include "screen/screen_fixture.h"

#include <algorithm>

namespace olvane
{

namespace
{

using test::ScreenTest;
using FireWaitTest = ScreenTest;

TEST_F(FireWaitTest, TheFireWaitTakesEitherHalfOfAShipAndSaysWhatItWaitsFor)
{
    GameState& s = state();
    // A destroyer that reaches one field, and a found cruiser whose stern lies next to it while
    // its bow lies two fields off.
    const int destroyer = PlayerBaseId + 1;
    UnitRec& shooter = Place(destroyer, 43, 10, 10);
    shooter.Range = 1;
    shooter.Fire = 2;
    const int cruiser = EnemyBaseId + 1;
    Place(cruiser, 56, 12, 10, 11, 10).Visible = 1;
    s.Unit(SecondCell(cruiser)).Visible = 1;
    Redraw();
    s.SelectedUnit = static_cast<std::uint16_t>(destroyer);
    s.ContactCount = 1;
    s.ContactList[0] = static_cast<std::uint16_t>(cruiser);

    // The player reads the label, then clicks the stern.
    std::vector<std::string> labels;
    SDL_Keycode answer = 0;
    platform::Timer hand(10, true);
    hand.onTimer = [&] {
        hand.SetEnabled(false);
        labels.push_back(form->lbENDTURNPORUKA.visible ? form->lbENDTURNPORUKA.caption : "");
        if (answer == 0)
        {
            QueueClick(11, 10, SDL_BUTTON_RIGHT);
        }
        else
        {
            QueueKey(answer);
        }
    };
    s.FireMode = FireModeTarget;
    form->WaitForFireTarget(destroyer);
    EXPECT_EQ(shooter.Fire, 1) << "the stern is in reach, so the wait took the click and fired";
    EXPECT_EQ(s.FireMode, FireModeMove);
    EXPECT_EQ(labels, (std::vector<std::string>{"SELECT TARGET - ESC HOLDS FIRE"}));
    EXPECT_FALSE(form->lbENDTURNPORUKA.visible) << "the label goes with the wait";

    // Escape holds the fire: the wait ends without a shot.
    labels.clear();
    answer = SDLK_ESCAPE;
    hand.SetEnabled(true);
    s.FireMode = FireModeTarget;
    form->WaitForFireTarget(destroyer);
    EXPECT_EQ(shooter.Fire, 1);
    EXPECT_EQ(labels, (std::vector<std::string>{"SELECT TARGET - ESC HOLDS FIRE"}));
    EXPECT_FALSE(form->lbENDTURNPORUKA.visible);

    // Two fields off the stern, neither half is in reach: there is nothing to wait for.
    s.FireMode = FireModeTarget;
    s.MapGrid(10, 10) = shooter.Under;
    shooter.X = 8;
    s.MapGrid(8, 10) = static_cast<std::uint16_t>(destroyer);
    hand.SetEnabled(false);
    form->WaitForFireTarget(destroyer);
    EXPECT_FALSE(form->lbENDTURNPORUKA.visible);

    // The quick help names the key.
    const auto& help = form->helpPages[0]->lines;
    EXPECT_TRUE(std::any_of(help.begin(), help.end(), [](const HelpPage::Line& l) { return l.badge == " ESC "; }));
}

} // namespace

} // namespace olvane
