#pragma once

#include "hq/hq_window.h"
#include "platform/button.h"
#include "platform/draw_grid.h"
#include "platform/image.h"
#include "platform/label.h"
#include "state/game.h"
#include "turn/technology.h"

#include <vector>

namespace olvane
{

/// The technology center: the marks of one attribute at a time in a list coloured by their
/// state, a legend, the selected mark's detail panel with the classes it applies to, and BUY
/// TECHNOLOGY, which forwards to the core.
class TF_TECH : public HqWindow
{
public:
    explicit TF_TECH(Game& game);

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void DG1DrawCell(int col, int row, const platform::Rect& rect, platform::GridCellState cell,
                     platform::Canvas& canvas);
    /// Attribute 1 armour, 2 fire, 3 speed, 4 radar: the list is rebuilt for it.
    void SelectAttribute(int attribute);
    void btKUPIClick();

    int Attribute() const { return attribute_; }

    /// The technology-table index of each list row, in order.
    const std::vector<int>& Rows() const { return rows_; }

    /// The table index of the selected row; -1 when the list is empty.
    int SelectedMark() const;

    /// Called after a mark was bought, so the main window can redraw what changed.
    std::function<void()> onBought;

    platform::Button btOKL;
    platform::Button btFIR;
    platform::Button btV;
    platform::Button btRANGE;
    platform::DrawGrid DG1;
    platform::PaintBox PBdetail;
    platform::Label lbPare;
    platform::Button btKUPI;
    platform::Button btKraj;

private:
    void LoadArt();
    void ShowPoints();
    void PaintLegend(platform::Canvas& canvas);
    void PaintDetail(platform::Canvas& canvas);

    Game& game_;
    int attribute_ = TechArmor;
    std::vector<int> rows_;
    bool artLoaded_ = false;
    platform::Picture background_;
    platform::PictureList sprites_;
    platform::PictureList marks_;
};

} // namespace olvane
