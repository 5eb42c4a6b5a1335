#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/game.h"
#include "state/score_table.h"

#include <array>
#include <functional>
#include <string>

namespace olvane
{

/// The question CLEAR TABLE asks before a game mode's table (1..3) is emptied.
std::string ClearTableQuestion(int mode);

/// The hall of fame: the score tables of death matches, missions and campaigns, fifteen places
/// each with the player's name and flag, the mission, the medals, the score and the rank earned.
/// It opens on the table of its origin: the death matches from the menu, the game mode's table
/// after a name was entered.
class TF88_SKOR : public FlowWindow
{
public:
    explicit TF88_SKOR(Game& game);

    void FormShow();
    void FormPaint(platform::Canvas& canvas);

    void btDMClick() { ShowTable(ModeDeathMatch); }

    void ctMISClick() { ShowTable(ModeMission); }

    void btCAMClick() { ShowTable(ModeCampaign); }

    void btCLEANClick();
    void btSUBMITClick();
    void btOKClick();

    /// The game mode whose table is shown.
    int ShownMode() const { return shown_; }

    const ScoreTable& Table() const { return table_; }

    /// The score submission window.
    std::function<void()> onOpenSubmission;

    platform::Label Label1;
    platform::Button btDM;
    platform::Button ctMIS;
    platform::Button btCAM;
    platform::Button btCLEAN;
    platform::Button btSUBMIT;
    platform::Button btOK;

private:
    void ShowTable(int mode);
    void DrawRecord(platform::Canvas& canvas, int place, const ScoreRec& rec, const std::string& rankTitle);

    Game& game_;
    int shown_ = ModeDeathMatch;
    ScoreTable table_{};
    std::array<std::string, ScoreTableLength> rankTitles_;
    int backgroundNation_ = 0;
    platform::Picture background_;
    platform::Picture emblem_;
    platform::PictureList flags_;
    platform::PictureList medals_;
};

} // namespace olvane
