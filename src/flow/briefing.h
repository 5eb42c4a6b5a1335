#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/game.h"
#include "turn/game_flow.h"

#include <array>
#include <functional>

namespace olvane
{

/// The nation picture of the briefing for a nation 1..8 (the set the end of a game shows too);
/// empty for a nation without one.
std::string NationPictureName(int nation);

/// The briefing: starts a new mission once, shows its objectives, victory conditions,
/// restrictions, budget and rank, and leads into the game. Opened from the menu's chain, after
/// LOAD GAME and during play (the headquarters' OBJECTIVE), where it only shows.
class TF08_UVOD : public FlowWindow
{
public:
    explicit TF08_UVOD(Game& game);

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    void FormClick();
    void SBTokClick();
    void sbtTUTORClick();

    /// True when the last opening could not start its mission (the menu is due).
    bool Failed() const { return failed_; }

    /// Where the last OK leads.
    const BriefingExit& Exit() const { return exit_; }

    /// The message window, closed when the briefing is left.
    std::function<void()> onCloseMessage;
    /// The tutorial; without it the button stays hidden.
    std::function<void()> onOpenTutorial;

    platform::Label lbLoading;
    platform::Label LbIMEkamp;
    platform::Label LbIMEsc;
    platform::Label LBtextOBJ1;
    platform::Label LBtextOBJ2;
    platform::Label lbCILJ1;
    platform::Label lbCILJ2;
    std::array<platform::Label, 3> lbHeadings;
    platform::Label lbT1;
    platform::Label lbT2;
    platform::Label lbT3;
    platform::Label lbTurnHeading;
    platform::Label LBvreme;
    platform::Label lbRestHeading;
    platform::Label lbREST1;
    platform::Label lbREST2;
    platform::Label lbPPHeading;
    platform::Label lbPP;
    platform::Label lbLevHeading;
    platform::Label lbLEV;
    platform::Label lbKSC;
    platform::Button SBTok;
    platform::Button sbtTUTOR;

private:
    void FillLabels();

    Game& game_;
    bool failed_ = false;
    BriefingExit exit_;
    int pictureNation_ = -1;
    platform::Picture nationPicture_;
    platform::Picture emblem_;
    platform::PictureList flags_;
};

} // namespace olvane
