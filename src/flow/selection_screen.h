#pragma once

#include "flow/flow_window.h"
#include "platform/button.h"
#include "platform/draw_grid.h"
#include "platform/image.h"
#include "platform/label.h"
#include "state/game.h"
#include "turn/game_flow.h"

#include <string>
#include <vector>

namespace olvane
{

/// The nation's name as the selection summary shows it; empty for an unknown code.
std::string NationName(int nation);

/// The technology word of a grant's attribute 1..5 ("Extended Armor " ...); empty for others.
std::string GrantText(int attribute);

/// Paints the map's overview into a square picture: sea, land and the ports of both sides, the
/// larger side of the map filling the picture.
void PaintMapOverview(const GameState& state, platform::Picture& picture);

/// The selection screen: the list of the game mode's death matches, missions or campaigns, and
/// for a death match or mission the map's overview and the summary of the chosen row.
class TF04_SIDE : public FlowWindow
{
public:
    /// Modal results beyond OK and Cancel.
    static constexpr int ResultStart = 10;
    static constexpr int ResultBack = 11;
    static constexpr int OverviewSize = 300;

    explicit TF04_SIDE(Game& game);

    /// Clears the list and fills it again from the scenario file for the game mode.
    void RebuildList();

    const std::vector<SelectionRow>& Rows() const { return rows_; }

    /// Loads the pictures once, ahead of the first opening.
    void Preload();

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    void dg1SelectCell(int col, int row, bool& canSelect);
    void dg1DrawCell(int col, int row, const platform::Rect& rect, platform::GridCellState cell,
                     platform::Canvas& canvas);
    void SBtNEXTClick();
    void SBtBACKClick();

    platform::Label LBselectgame;
    platform::DrawGrid dg1;
    platform::Image PBmap;
    platform::PaintBox PBsummary;
    platform::Button SBtNEXT;
    platform::Button SBtBACK;

private:
    void PaintSummary(platform::Canvas& canvas);
    void BlankOverview();

    Game& game_;
    std::vector<SelectionRow> rows_;
    bool summaryShown_ = false;
    bool artLoaded_ = false;
    platform::Picture background_;
    platform::Picture campaignBackground_;
    platform::PictureList flags_;
    platform::PictureList icons_;
};

} // namespace olvane
