#pragma once

#include "hq/hq_window.h"
#include "platform/button.h"
#include "platform/draw_grid.h"
#include "platform/image.h"
#include "platform/label.h"
#include "state/game.h"
#include "turn/production.h"

namespace olvane
{

/// The production window: the purchase list of every class the player may buy, with its values,
/// technology bonuses, price and the units listed on this visit; BUY UNIT, REMOVE UNIT and
/// FINISH forward to the core. Its tag is the origin mark (ProductionFromHQ or
/// ProductionFromMainWindow), which FINISH reads.
class TF6_KUPI : public HqWindow
{
public:
    /// Created before the main game window, which owns the game: Attach gives it the game.
    TF6_KUPI();

    void Attach(Game& game) { game_ = &game; }

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void DG1DrawCell(int col, int row, const platform::Rect& rect, platform::GridCellState cell,
                     platform::Canvas& canvas);
    void btKUPIClick();
    void btVRATIClick();
    void BTfinishClick();

    const PurchaseList& List() const { return list_; }

    /// Where the last FINISH that closed the window leads, and whether deployment is due.
    const FinishResult& Result() const { return result_; }

    /// The purchase row the grid has selected, 1..47.
    int SelectedRow() const { return DG1.row; }

    platform::Label lbTitle;
    platform::Label lbPointsHeading;
    platform::Label LbLOVA;
    platform::Label lbRestHeading;
    platform::Label lbREST1;
    platform::Label lbREST2;
    platform::Image IMzastava;
    platform::DrawGrid DG1;
    platform::Button btKUPI;
    platform::Button btVRATI;
    platform::Button BTfinish;

private:
    void LoadArt();
    void ShowPoints();
    void DrawAttribute(platform::Canvas& canvas, const platform::Rect& rect, int value, int bonus,
                       platform::Colour fill, int width, int gap);

    Game& GameData() { return *game_; }

    Game* game_ = nullptr;
    PurchaseList list_;
    FinishResult result_;
    bool artLoaded_ = false;
    platform::Picture background_;
    platform::PictureList flags_;
    platform::PictureList classPictures_;
    platform::PictureList icons_;
    platform::PictureList sprites_;
};

} // namespace olvane
