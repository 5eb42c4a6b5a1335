// Orders by mouse on the map view: selecting units and groups, moves, group moves, fire targets,
// hover information, and the deployment of bought aircraft and shore installations.

#include "platform/application.h"
#include "rules/combat.h"
#include "rules/movement.h"
#include "rules/ports.h"
#include "rules/unit_kinds.h"
#include "screen/main_window.h"
#include "state/cell_code.h"
#include "turn/turn_phases.h"

#include <algorithm>

namespace olvane
{

namespace
{

using platform::MouseButton;
namespace colours = platform::colours;

constexpr int GroupCapacity = 50;
constexpr int GroupOrderPause = 800;
constexpr int DeployRowHeight = CellSize / 2 + 2;
constexpr int DeployTextLeft = 47;
constexpr int MessageDeploymentDone = 51;
constexpr int MessageDeploymentHelp = 52;
constexpr int MessagePlacementRefused = 54;

bool IsPlayerCellCode(int code)
{
    return code > PlayerBaseId && code < EnemyBaseId;
}

} // namespace

void TForm1::ClearGroup()
{
    GameState& s = game_.state;
    for (int i = 0; i < groupCount_; ++i)
    {
        const int id = groupUnits_[static_cast<std::size_t>(i)];
        if (s.Unit(id).Highlighted != 0)
        {
            s.Unit(id).Highlighted = 0;
            DrawUnit(id);
        }
    }
    groupCount_ = 0;
    s.GroupMode = GroupModeNone;
}

void TForm1::SelectClickedUnit(int unit)
{
    GameState& s = game_.state;
    if (groupCount_ > 0)
    {
        ClearGroup();
    }
    else
    {
        DeselectUnit(game_);
    }
    s.SelectedUnit = static_cast<std::uint16_t>(unit);
    UpdateRepairButton(unit);
    UnitRec& u = s.Unit(unit);
    u.Highlighted = 1;
    // A unit that has acted shows no reach, so it cannot be moved again this turn.
    if (u.MovedThisTurn == 0)
    {
        olvane::ShowReach(game_, unit);
    }
    DrawUnit(unit);
    ShowUnitInfo(unit, true);
    s.BlinkEnabled = 1;
}

void TForm1::EKRMouseDown(MouseButton button, platform::ShiftState, int px, int py)
{
    GameState& s = game_.state;
    if (viewMode_ == ViewMode::Strategic)
    {
        return;
    }
    const platform::Point cell = CellAtPixel(px, py);
    const bool onMap = OnMap(s, cell.x, cell.y);
    if (button == MouseButton::Left)
    {
        if (s.FireMode != FireModeMove && !deploymentPending)
        {
            return;
        }
        if (deploymentPending)
        {
            if (deployingUnit_ == 0)
            {
                return;
            }
            if (onMap && AirFieldAllowed(game_, cell.x, cell.y, SidePlayer))
            {
                UnitRec& u = s.Unit(deployingUnit_);
                u.X = static_cast<std::uint8_t>(cell.x);
                u.Y = static_cast<std::uint8_t>(cell.y);
                u.PlacedX = static_cast<std::uint8_t>(cell.x);
                u.PlacedY = static_cast<std::uint16_t>(cell.y);
                u.Under = s.MapGrid(cell.x, cell.y);
                if (IsInstallation(u.Class))
                {
                    u.MovedThisTurn = 1;
                }
                s.MapGrid(cell.x, cell.y) = static_cast<std::uint16_t>(deployingUnit_);
                UpdateOverviewCells(0, 0, cell.x, cell.y);
                DrawCell(cell.x, cell.y);
                RemoveDeploymentRow();
            }
            else
            {
                ShowMessage(MessagePlacementRefused);
            }
            return;
        }
        if (onMap && IsPlayerCellCode(s.MapGrid(cell.x, cell.y)))
        {
            SelectClickedUnit(MainUnitOf(s.MapGrid(cell.x, cell.y)));
            return;
        }
        DeselectUnit(game_);
        if (groupCount_ > 0)
        {
            ClearGroup();
        }
        rubberBand_ = true;
        bandStart_ = platform::Point{std::max(px, 1), std::max(py, 1)};
        bandEnd_ = bandStart_;
        platform::MarkDrawn();
        return;
    }
    if (button != MouseButton::Right || deploymentPending || !onMap)
    {
        return;
    }
    if (groupCount_ > 0 && s.GroupMode == GroupModeSelected)
    {
        DeselectUnit(game_);
        MoveGroup(cell.x, cell.y);
        return;
    }
    const int code = s.MapGrid(cell.x, cell.y);
    const int selected = s.SelectedUnit;
    if (!IsUnitCode(selected))
    {
        return;
    }
    // A move goes only to a field shown as reachable: open sea, or a hidden enemy there, which
    // the move itself runs into. Hidden enemies outside the reach answer like empty sea.
    const bool hiddenEnemy = IsUnitCode(code) && IsEnemy(code) && s.Unit(code).Visible == 0;
    const bool reachable = DecodeCell(s, cell.x, cell.y).highlight != 0;
    if (s.FireMode == FireModeMove && reachable && (!IsUnitCode(code) || hiddenEnemy) &&
        s.Unit(selected).MovedThisTurn == 0)
    {
        UnitRec& u = s.Unit(selected);
        u.DestX = static_cast<std::uint8_t>(cell.x);
        u.DestY = static_cast<std::uint8_t>(cell.y);
        MoveUnit(game_, selected);
        CompleteSelection();
        return;
    }
    const bool target = IsUnitCode(code) && IsEnemy(code);
    if (target && s.Unit(code).Visible != 0 && s.FireMode == FireModeTarget && CanTarget(game_, selected, code) &&
        PlayerFireAt(game_, selected, code) && enemyInfoUnit_ != 0)
    {
        // The shot is fired: the box describes the enemy without offering another.
        ShowUnitInfo(enemyInfoUnit_, true);
    }
}

void TForm1::ShowCellInfo(int x, int y)
{
    const CellInfo info = DecodeCell(game_.state, x, y);
    switch (info.portKind)
    {
        case CellPlayerMajorPort:
            lbX.caption.clear();
            lbY.caption = "your major port";
            break;
        case CellEnemyMajorPort:
            lbX.caption.clear();
            lbY.caption = "enemy major port";
            break;
        case CellPlayerPort:
            lbX.caption.clear();
            lbY.caption = "your port";
            break;
        case CellEnemyPort:
            lbX.caption.clear();
            lbY.caption = "enemy port";
            break;
        default:
            lbX.caption = std::to_string(x);
            lbY.caption = std::to_string(y);
            break;
    }
}

void TForm1::EKRMouseMove(platform::ShiftState, int px, int py)
{
    GameState& s = game_.state;
    px = std::max(px, 1);
    py = std::max(py, 1);
    if (rubberBand_)
    {
        bandEnd_ = platform::Point{px, py};
        platform::MarkDrawn();
    }
    const platform::Point cell = CellAtPixel(px, py);
    if (OnMap(s, cell.x, cell.y))
    {
        if (!deploymentPending)
        {
            const int code = s.MapGrid(cell.x, cell.y);
            const bool seenEnemy = IsUnitCode(code) && IsEnemy(code) && s.Unit(code).Visible != 0 &&
                                   s.Unit(MainUnitOf(code)).Visible != 0;
            if (seenEnemy)
            {
                // Shown again whenever the box no longer describes it: a shot or the next unit's
                // panel paints over the enemy while the cursor rests on it.
                hoverCell_ = cell;
                if (MainUnitOf(code) != hoverUnit_ || enemyInfoUnit_ != hoverUnit_)
                {
                    hoverUnit_ = MainUnitOf(code);
                    ShowUnitInfo(hoverUnit_, true);
                }
            }
            else if (hoverUnit_ != 0)
            {
                // A hidden enemy answers like the sea it lies on.
                ShowUnitInfo(hoverUnit_, false);
                hoverUnit_ = 0;
            }
        }
        ShowCellInfo(cell.x, cell.y);
    }
    lbT.caption = std::to_string(s.TurnNumber) + ". turn";
    StopScrolling();
    platform::MarkDrawn();
}

void TForm1::RestoreHoverInfo()
{
    const GameState& s = game_.state;
    if (hoverUnit_ == 0 || enemyInfoUnit_ == hoverUnit_)
    {
        return;
    }
    const int code = OnMap(s, hoverCell_.x, hoverCell_.y) ? s.MapGrid(hoverCell_.x, hoverCell_.y) : 0;
    const UnitRec& u = s.Unit(hoverUnit_);
    if (IsUnitCode(code) && MainUnitOf(code) == hoverUnit_ && u.Active != 0 && u.Visible != 0 &&
        s.Unit(code).Visible != 0)
    {
        ShowUnitInfo(hoverUnit_, true);
    }
    else
    {
        hoverUnit_ = 0;
    }
}

void TForm1::EKRMouseUp(MouseButton, platform::ShiftState, int, int)
{
    GameState& s = game_.state;
    if (!rubberBand_)
    {
        return;
    }
    rubberBand_ = false;
    platform::MarkDrawn();
    const platform::Point a = CellAtPixel(bandStart_.x, bandStart_.y);
    const platform::Point b = CellAtPixel(bandEnd_.x, bandEnd_.y);
    int x1 = std::min(a.x, b.x);
    int x2 = std::max(a.x, b.x);
    int y1 = std::min(a.y, b.y);
    int y2 = std::max(a.y, b.y);
    x1 = std::min(x1, s.ViewX + s.ViewColumns);
    y1 = std::min(y1, s.ViewY + s.ViewRows);
    // A band dragged past the view's edge ends at the view and the map.
    x2 = std::min({x2, s.ViewX + s.ViewColumns, s.MapWidth});
    y2 = std::min({y2, s.ViewY + s.ViewRows, s.MapHeight});

    groupCount_ = 0;
    for (int y = y1; y <= y2; ++y)
    {
        for (int x = x1; x <= x2; ++x)
        {
            if (!OnMap(s, x, y))
            {
                continue;
            }
            const int code = s.MapGrid(x, y);
            if (code < PlayerBaseId + 1 || code > PlayerBaseId + 99)
            {
                continue;
            }
            UnitRec& u = s.Unit(code);
            if (u.MovedThisTurn != 0 || IsAircraft(u.Class) || u.Active == 0 || groupCount_ >= GroupCapacity)
            {
                continue;
            }
            groupUnits_[static_cast<std::size_t>(groupCount_++)] = static_cast<std::uint16_t>(code);
            u.Highlighted = 1;
            s.GroupMode = GroupModeSelected;
            DrawUnit(code);
        }
    }
    if (groupCount_ == 0)
    {
        s.GroupMode = GroupModeNone;
        for (int slot = 1; slot <= MaxSideSlots; ++slot)
        {
            UnitRec& u = s.Unit(PlayerBaseId + slot);
            if (u.Active != 0 && u.Highlighted != 0)
            {
                u.Highlighted = 0;
                DrawUnit(PlayerBaseId + slot);
            }
        }
        SelectNextPlayerUnit(game_);
        CompleteSelection();
        return;
    }
    ShowGroupInfo();
}

void TForm1::MoveGroup(int tx, int ty)
{
    GameState& s = game_.state;
    std::vector<int> members(groupUnits_.begin(), groupUnits_.begin() + groupCount_);
    if (members.empty())
    {
        return;
    }
    int minX = MapSize;
    int maxX = 0;
    int minY = MapSize;
    int maxY = 0;
    for (int id : members)
    {
        const UnitRec& u = s.Unit(id);
        minX = std::min<int>(minX, u.X);
        maxX = std::max<int>(maxX, u.X);
        minY = std::min<int>(minY, u.Y);
        maxY = std::max<int>(maxY, u.Y);
    }
    const int cx = (minX + maxX) / 2;
    const int cy = (minY + maxY) / 2;
    auto distance = [&](int id) {
        const UnitRec& u = s.Unit(id);
        return (u.X - tx) * (u.X - tx) + (u.Y - ty) * (u.Y - ty);
    };
    // Nearest to the target first, by exchange, as the members were listed.
    for (std::size_t i = 0; i + 1 < members.size(); ++i)
    {
        for (std::size_t j = i + 1; j < members.size(); ++j)
        {
            if (distance(members[i]) > distance(members[j]))
            {
                std::swap(members[i], members[j]);
            }
        }
    }
    orderLines_.clear();
    for (int id : members)
    {
        UnitRec& u = s.Unit(id);
        int dx = u.X - cx;
        int dy = u.Y - cy;
        // A member whose place in the formation lies off the map heads for the target's column
        // or row itself.
        if (tx + dx < 1 || tx + dx > s.MapWidth)
        {
            dx = 0;
        }
        if (ty + dy < 1 || ty + dy > s.MapHeight)
        {
            dy = 0;
        }
        u.DestX = static_cast<std::uint8_t>(tx + dx);
        u.DestY = static_cast<std::uint8_t>(ty + dy);
        u.Highlighted = 0;
        DrawUnit(id);
        orderLines_.push_back({platform::Point{u.X, u.Y}, platform::Point{u.DestX, u.DestY}});
    }
    orderTarget_ = platform::Point{tx, ty};
    showOrder_ = true;
    platform::MarkDrawn();
    Delay(GroupOrderPause);
    showOrder_ = false;
    platform::MarkDrawn();

    for (int id : members)
    {
        if (s.GameOver != 0)
        {
            break;
        }
        const UnitRec& u = s.Unit(id);
        if (u.Active == 0 || u.MovedThisTurn != 0)
        {
            continue;
        }
        // The next-unit choice after the last member marked a unit and showed its reach, often
        // this very member's. A member sails without hiding a reach, so it goes now, or it would
        // stay behind on the map where the member started.
        if (IsUnitCode(s.SelectedUnit))
        {
            DeselectUnit(game_);
        }
        s.GroupMode = GroupModeMoving;
        s.SelectedUnit = static_cast<std::uint16_t>(id);
        MoveUnit(game_, id);
        s.GroupMode = GroupModeSelected;
        if (s.NewContactFound != 0)
        {
            break;
        }
    }
    groupCount_ = 0;
    s.GroupMode = GroupModeNone;
    if (s.GameOver == 0)
    {
        CompleteSelection();
    }
}

// ---- Deployment ---------------------------------------------------------------------------------

void TForm1::OpenDeployment()
{
    GameState& s = game_.state;
    if (!deploymentPending)
    {
        return;
    }
    btHQ.enabled = false;
    sbtKupi.enabled = false;
    PBAVION.visible = true;
    ISPIS.visible = false;
    pendingUnits_.clear();
    bool anyRow = false;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = s.Unit(PlayerBaseId + slot);
        if (u.Active != 0 && u.X == 0 && (IsAircraft(u.Class) || IsInstallation(u.Class)))
        {
            pendingUnits_.push_back(PlayerBaseId + slot);
            anyRow = anyRow || u.DestY != 0;
        }
    }
    if (!anyRow)
    {
        int row = 1;
        for (int id : pendingUnits_)
        {
            s.Unit(id).DestY = static_cast<std::uint8_t>(row++);
        }
    }
    deployCount_ = static_cast<int>(pendingUnits_.size());
    if (deployCount_ == 0)
    {
        EndDeployment();
        return;
    }
    PaintDeploymentBox();
    TMavion.SetEnabled(true);
}

void TForm1::PaintDeploymentBox()
{
    const GameState& s = game_.state;
    platform::Canvas canvas(PBAVION.picture);
    canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Solid};
    canvas.FillRect(PBAVION.picture.Bounds());
    for (int id : pendingUnits_)
    {
        const UnitRec& u = s.Unit(id);
        const ClassRec& c = game_.classes.Class(u.Class);
        const int top = DeployRowHeight * (u.DestY - 1);
        if (u.DestY == 0)
        {
            continue;
        }
        const int frame = u.Picture * art::FacingCount + 6;
        if (frame < art_.sprites[0].Count())
        {
            canvas.StretchDraw(platform::Rect{2, top, DeployRowHeight, DeployRowHeight}, art_.sprites[0][frame]);
        }
        canvas.font = platform::Font{"CURIER NEW", static_cast<int>(8 * platform::FontFactor() + 0.5),
                                     platform::FontStyle::Regular, false, u.X == 0 ? colours::Yellow : colours::Gray};
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.TextOut(DeployTextLeft, top + 4, c.Abbrev.Str() + "    " + TrimmedName(u));
    }
    if (deployingUnit_ != 0)
    {
        const UnitRec& u = s.Unit(deployingUnit_);
        canvas.font.colour = colours::White;
        canvas.TextOut(4, PBAVION.picture.Height() - 36,
                       "Selected: " + game_.classes.Class(u.Class).Abbrev.Str() + "    " + TrimmedName(u));
        canvas.TextOut(4, PBAVION.picture.Height() - 20, "Click to area around port to deploy");
    }
    platform::MarkDrawn();
}

void TForm1::PBAVIONMouseDown(MouseButton, platform::ShiftState, int, int py)
{
    const GameState& s = game_.state;
    const int k = py / DeployRowHeight + 1;
    for (int id : pendingUnits_)
    {
        if (s.Unit(id).DestY == k && s.Unit(id).X == 0)
        {
            deployingUnit_ = id;
            PaintDeploymentBox();
            return;
        }
    }
}

void TForm1::RemoveDeploymentRow()
{
    GameState& s = game_.state;
    s.Unit(deployingUnit_).DestY = 0;
    deployingUnit_ = 0;
    --deployCount_;
    PaintDeploymentBox();
    if (deployCount_ <= 0)
    {
        EndDeployment();
    }
}

void TForm1::EndDeployment()
{
    GameState& s = game_.state;
    deploymentPending = false;
    TMavion.SetEnabled(false);
    SetHQEnabled(s.FireMode != FireModeTarget);
    PBAVION.visible = false;
    ISPIS.visible = true;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        UnitRec& u = s.Unit(PlayerBaseId + slot);
        if (IsAircraft(u.Class) || IsInstallation(u.Class))
        {
            u.DestY = 0;
        }
    }
    pendingUnits_.clear();
    ShowMessage(MessageDeploymentDone);
}

void TForm1::TMavionTimer()
{
    if (MainWindowActive() && deploymentPending)
    {
        TMavion.SetEnabled(false);
        ShowMessage(MessageDeploymentHelp);
    }
}

} // namespace olvane
