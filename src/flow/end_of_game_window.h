#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/edit_box.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "state/game.h"
#include "turn/end_of_game.h"

#include <functional>
#include <string>
#include <vector>

namespace olvane
{

/// How many units of one class a side lost.
struct ClassLosses
{
    int Class = 0;
    int Count = 0;
};

/// One side's entries of the destroyed list, grouped by class in class order.
std::vector<ClassLosses> LossesOfSide(const GameState& state, int side);

/// The picture the end of a mission is shown on: the nation's victory picture (the shared one for
/// nations 5..8), the defeat picture, or for an aborted mission the nation's own picture.
std::string EndOfGamePictureName(int result, int nation);

/// The medal of a won mission: 0 major victory, 1 victory, 2 minor victory, the second set (+3)
/// for nations 2, 4 and 8; -1 for other results.
int MedalIndex(int result, int nation);

/// The end-of-game window: the result over its picture, the medal, the rank and the score, the
/// losses of both sides, and a place in the hall of fame for a good enough score. It closes once
/// the player is done; what follows (the menu or the next campaign mission) is the caller's.
class TF85_KRAJ : public FlowWindow
{
public:
    explicit TF85_KRAJ(Game& game);

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void FormClick();
    void SBtOKClick();
    /// Enter in the name box.
    void edIMEReturn();
    void SBttOK2Click();

    /// While the result, the medal and the losses are shown; cleared once the name is entered.
    bool ResultsOnShow() const { return resultsOnShow_; }

    /// The hall of fame after a name entry, on the game mode's table.
    std::function<void()> onOpenScores;

    platform::Label lbRESULT;
    platform::Label lbRANK;
    platform::Label lbSKOR;
    platform::Label lbSKOR2;
    platform::Label lbLOST;
    platform::Label lbDESTROYED;
    platform::Label lbIME;
    platform::EditBox edIME;
    platform::Button SBtOK;
    platform::Button SBttOK2;

private:
    void Finish();
    void DrawLosses(platform::Canvas& canvas, const platform::Rect& panel, int side);

    Game& game_;
    EndOfGameView view_;
    bool resultsOnShow_ = false;
    std::string pictureName_;
    platform::Picture picture_;
    platform::Picture shaded_;
    platform::PictureList flags_;
    platform::PictureList medals_;
    platform::PictureList classPictures_;
};

} // namespace olvane
