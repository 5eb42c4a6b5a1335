#include "rules/movement.h"

#include "rules/awards.h"
#include "rules/detection.h"
#include "rules/ports.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/game.h"

#include <algorithm>
#include <cstdlib>

namespace olvane
{

namespace
{

constexpr std::uint8_t OrderReturnToPort = 12;
constexpr std::uint8_t OrderStandStill = 20;
constexpr int SpeedMask = 0x7F;
constexpr int HighlightStep = 50; // the move-range mark: 5 on the tens digit
constexpr int PlayerStepPause = 18;
constexpr int AfterMovePause = 200;
constexpr int StrikeHidePause = 200;
constexpr int StrikePause = 900;
constexpr int CornerPassable = 10;

// Corner codes of MarkGrid name the corner of a coast field that cuts a diagonal step:
// 1 towards (-1, -1), 2 towards (+1, -1), 3 towards (+1, +1), 4 towards (-1, +1).
int CornerTowards(int dx, int dy)
{
    if (dy < 0)
    {
        return dx < 0 ? 1 : 2;
    }
    return dx > 0 ? 3 : 4;
}

/// The corner code of a field (1..4), whether or not the map flags it passable; 0 for none.
int CornerOf(const GameState& state, int x, int y)
{
    const int mark = state.MarkGrid(x, y);
    return (mark >= 1 && mark <= 4) || (mark >= CornerPassable + 1 && mark <= CornerPassable + 4)
               ? mark % CornerPassable
               : 0;
}

/// A diagonal step is cut by a coast corner between the two fields, whichever of them carries it:
/// the field left by its corner towards the step, the field entered by its corner facing back.
/// The reach shown, the reach computed and the path all ask this one rule, so every field shown
/// as reachable is one the move really gets to.
bool CornerCutsStep(const GameState& state, int fromX, int fromY, int dx, int dy)
{
    if (dx == 0 || dy == 0)
    {
        return false;
    }
    return CornerOf(state, fromX, fromY) == CornerTowards(dx, dy) ||
           CornerOf(state, fromX + dx, fromY + dy) == CornerTowards(-dx, -dy);
}

int MoveLevels(const UnitRec& u)
{
    return std::min(u.Speed & SpeedMask, ReachRadius);
}

/// The cell code that carries the marks of a field: the map's, or a hidden unit's Under.
std::uint16_t& MarkedCode(GameState& state, int x, int y)
{
    const int c = state.MapGrid(x, y);
    return IsUnitCode(c) ? state.Unit(c).Under : state.MapGrid(x, y);
}

bool HasHighlight(const GameState& state, int x, int y)
{
    return DecodeCell(state, x, y).highlight != 0;
}

/// The reach shown may not give away an enemy the player has not found; every other unit,
/// his own ships in any slot among them, blocks it.
bool DisplayLetsThrough(const GameState& state, int c)
{
    return IsEnemy(c) && state.Unit(c).Visible == 0;
}

bool CanEnter(const GameState& state, const ReachTable& reach, int fromX, int fromY, int dx, int dy,
              bool aircraft, ReachMode mode)
{
    const int x = fromX + dx;
    const int y = fromY + dy;
    if (!OnMap(state, x, y) || reach.Has(x, y))
    {
        return false;
    }
    const int c = state.MapGrid(x, y);
    if (IsUnitCode(c) && (mode == ReachMode::Compute || !DisplayLetsThrough(state, c)))
    {
        return false;
    }
    if (!aircraft && IsLandCell(state, x, y))
    {
        return false;
    }
    return !CornerCutsStep(state, fromX, fromY, dx, dy);
}

struct Node
{
    int x;
    int y;
    int parent;
    int direction;
};

} // namespace

int DirectionOf(int dx, int dy)
{
    for (int d = 0; d < 8; ++d)
    {
        if (DirectionDx[d] == dx && DirectionDy[d] == dy)
        {
            return d;
        }
    }
    return 0;
}

bool ReachTable::Has(int x, int y) const
{
    const int i = x - centreX_ + ReachRadius;
    const int j = y - centreY_ + ReachRadius;
    if (i < 0 || j < 0 || i > 2 * ReachRadius || j > 2 * ReachRadius)
    {
        return false;
    }
    return cells_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] != 0;
}

void ReachTable::Set(int x, int y)
{
    const int i = x - centreX_ + ReachRadius;
    const int j = y - centreY_ + ReachRadius;
    if (i >= 0 && j >= 0 && i <= 2 * ReachRadius && j <= 2 * ReachRadius)
    {
        cells_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = 1;
    }
}

ReachTable ComputeReachable(Game& game, int unit, ReachMode mode)
{
    GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    ReachTable reach(u.X, u.Y);
    if (!OnMap(state, u.X, u.Y))
    {
        return reach;
    }
    const bool aircraft = IsAircraft(u.Class);
    std::vector<std::pair<int, int>> frontier{{u.X, u.Y}};
    std::vector<std::pair<int, int>> next;
    for (int level = 0; level < MoveLevels(u) && !frontier.empty(); ++level)
    {
        next.clear();
        for (const auto& [fx, fy] : frontier)
        {
            for (int dx = -1; dx <= 1; ++dx)
            {
                for (int dy = -1; dy <= 1; ++dy)
                {
                    if ((dx == 0 && dy == 0) || !CanEnter(state, reach, fx, fy, dx, dy, aircraft, mode))
                    {
                        continue;
                    }
                    const int x = fx + dx;
                    const int y = fy + dy;
                    reach.Set(x, y);
                    // A field another reach left marked keeps its one mark: a second would spoil
                    // the code beneath.
                    if (mode == ReachMode::Display && !HasHighlight(state, x, y))
                    {
                        std::uint16_t& code = MarkedCode(state, x, y);
                        code = static_cast<std::uint16_t>(code + HighlightStep);
                        game.presenter.DrawCell(x, y);
                    }
                    next.emplace_back(x, y);
                }
            }
        }
        frontier.swap(next);
    }
    return reach;
}

void ShowReach(Game& game, int unit)
{
    ComputeReachable(game, unit, ReachMode::Display);
}

void HideReach(Game& game, int unit)
{
    GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    if (u.X == 0 || u.Y == 0)
    {
        return;
    }
    for (int x = u.X - ReachRadius; x <= u.X + ReachRadius; ++x)
    {
        for (int y = u.Y - ReachRadius; y <= u.Y + ReachRadius; ++y)
        {
            if (!OnMap(state, x, y))
            {
                continue;
            }
            std::uint16_t& code = MarkedCode(state, x, y);
            // The mark is the upper half of the tens digit; only marked fields are read further.
            if ((code % 100) / 10 >= 5 && DecodeCode(code).highlight != 0)
            {
                code = static_cast<std::uint16_t>(code - HighlightStep);
                game.presenter.DrawCell(x, y);
            }
        }
    }
}

bool SpacingAllows(const GameState& state, int unit, int x, int y)
{
    const UnitRec& u = state.Unit(unit);
    if (!IsEnemy(unit) || u.Order == OrderReturnToPort || u.Class == 20 || u.Class == 30)
    {
        return true;
    }
    for (int dx = -1; dx <= 1; ++dx)
    {
        for (int dy = -1; dy <= 1; ++dy)
        {
            if ((dx == 0 && dy == 0) || !OnMap(state, x + dx, y + dy))
            {
                continue;
            }
            const int c = state.MapGrid(x + dx, y + dy);
            if (c > EnemyBaseId && c <= LastUnitId && c != unit && c != SecondCell(unit))
            {
                return false;
            }
        }
    }
    return true;
}

void ClampDestination(Game& game, int unit)
{
    ClampDestination(game, unit, ComputeReachable(game, unit, ReachMode::Compute));
}

void ClampDestination(Game& game, int unit, const ReachTable& reach)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    int minX = MapSize + 1;
    int maxX = 0;
    int minY = MapSize + 1;
    int maxY = 0;
    for (int x = u.X - ReachRadius; x <= u.X + ReachRadius; ++x)
    {
        for (int y = u.Y - ReachRadius; y <= u.Y + ReachRadius; ++y)
        {
            if (reach.Has(x, y))
            {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    const int ux = u.X;
    const int uy = u.Y;
    int px = u.DestX;
    int py = u.DestY;
    if (maxX > 0 && (px < minX || px > maxX || py < minY || py > maxY))
    {
        const auto nearerEdge = [](int v, int low, int high) {
            return std::abs(v - low) <= std::abs(v - high) ? low : high;
        };
        if (std::abs(py - uy) > std::abs(px - ux))
        {
            py = nearerEdge(py, minY, maxY);
            px = std::clamp(ux + (px - ux) / 2, minX, maxX);
        }
        else
        {
            px = nearerEdge(px, minX, maxX);
            py = std::clamp(uy + (py - uy) / 2, minY, maxY);
        }
    }
    const int speed = MoveLevels(u);
    for (int r = 0; r <= 2 * speed + 1; ++r)
    {
        // A side of the square that lies beyond the unit's Speed is pulled back to the point.
        const int left = std::abs(px - r - ux) > speed ? px : px - r;
        const int right = std::abs(px + r - ux) > speed ? px : px + r;
        const int top = std::abs(py - r - uy) > speed ? py : py - r;
        const int bottom = std::abs(py + r - uy) > speed ? py : py + r;
        for (int x = left; x <= right; ++x)
        {
            for (int y = top; y <= bottom; ++y)
            {
                if (reach.Has(x, y) && SpacingAllows(state, unit, x, y))
                {
                    u.DestX = static_cast<std::uint8_t>(x);
                    u.DestY = static_cast<std::uint8_t>(y);
                    return;
                }
            }
        }
    }
    u.DestX = 0;
    u.DestY = 0;
}

Path FindPath(const Game& game, const ReachTable& reach, int startX, int startY, int destX, int destY,
              int levels, ReachMode mode)
{
    const GameState& state = game.state;
    static constexpr int Orthogonal[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    static constexpr int Diagonal[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    // A path of at most MaxPathSteps steps never leaves the square of that radius around its
    // start, so only that square needs to remember where the search has been.
    constexpr int Side = 2 * MaxPathSteps + 1;
    std::array<std::array<bool, Side>, Side> visited{};
    const auto seen = [&](int x, int y) -> bool& {
        return visited[static_cast<std::size_t>(x - startX + MaxPathSteps)]
                      [static_cast<std::size_t>(y - startY + MaxPathSteps)];
    };
    std::vector<Node> nodes{{startX, startY, -1, 0}};
    seen(startX, startY) = true;
    std::vector<int> frontier{0};
    std::vector<int> next;
    int found = -1;
    const auto tryStep = [&](int from, int dx, int dy) {
        const Node n = nodes[static_cast<std::size_t>(from)];
        const int x = n.x + dx;
        const int y = n.y + dy;
        if (!OnMap(state, x, y) || seen(x, y))
        {
            return;
        }
        if (mode == ReachMode::Compute ? !reach.Has(x, y) : !HasHighlight(state, x, y))
        {
            return;
        }
        if (CornerCutsStep(state, n.x, n.y, dx, dy))
        {
            return;
        }
        seen(x, y) = true;
        nodes.push_back({x, y, from, DirectionOf(dx, dy)});
        next.push_back(static_cast<int>(nodes.size()) - 1);
        if (x == destX && y == destY && found < 0)
        {
            found = static_cast<int>(nodes.size()) - 1;
        }
    };
    for (int level = 0; level < std::min(levels, MaxPathSteps) && found < 0 && !frontier.empty(); ++level)
    {
        next.clear();
        for (const auto* offsets : {Orthogonal, Diagonal})
        {
            for (int i = 0; i < static_cast<int>(frontier.size()) && found < 0; ++i)
            {
                for (int k = 0; k < 4 && found < 0; ++k)
                {
                    tryStep(frontier[static_cast<std::size_t>(i)], offsets[k][0], offsets[k][1]);
                }
            }
        }
        frontier.swap(next);
    }
    Path path;
    for (int i = found; i >= 0; i = nodes[static_cast<std::size_t>(i)].parent)
    {
        const Node& n = nodes[static_cast<std::size_t>(i)];
        path.push_back({n.x, n.y, n.direction});
    }
    std::reverse(path.begin(), path.end());
    return path;
}

void StepUnit(Game& game, int unit, int oldX, int oldY, bool second, int direction, int newY, int newX)
{
    GameState& state = game.state;
    if (newX == 0 || newY == 0 || !OnMap(state, newX, newY))
    {
        return;
    }
    UnitRec& u = state.Unit(unit);
    u.Facing = static_cast<std::uint8_t>(direction);
    const std::uint16_t covered = state.MapGrid(newX, newY);
    if (OnMap(state, oldX, oldY) && state.MapGrid(oldX, oldY) == unit)
    {
        state.MapGrid(oldX, oldY) = u.Under;
    }
    state.MapGrid(newX, newY) = static_cast<std::uint16_t>(unit);
    u.Under = covered;
    u.X = static_cast<std::uint8_t>(newX);
    u.Y = static_cast<std::uint8_t>(newY);
    if (OnMap(state, oldX, oldY))
    {
        game.presenter.DrawCell(oldX, oldY);
    }
    game.presenter.DrawCell(newX, newY);
    if (second)
    {
        // Both halves are in place now: the diagonal hull can be drawn over them.
        const int ship = unit - SecondCellOffset;
        if (IsDiagonal(state.Unit(ship).Facing))
        {
            game.presenter.DrawDiagonalShip(ship);
        }
    }
    else if (!IsEnemy(unit))
    {
        CentreView(game, unit);
    }
}

void CentreView(Game& game, int unit)
{
    GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    if (!game.presenter.MainWindowActive() || state.GameOver != 0 || u.X == 0 || u.Y == 0)
    {
        return;
    }
    if (state.ViewX < u.X && u.X < state.ViewX + state.ViewColumns && state.ViewY < u.Y &&
        u.Y < state.ViewY + state.ViewRows)
    {
        return;
    }
    const int x = std::max(u.X - state.ViewColumns / 2, 0);
    const int y = std::max(u.Y - state.ViewRows / 2, 0);
    state.ViewX = std::max(0, std::min(x, state.MapWidth - state.ViewColumns));
    state.ViewY = std::max(0, std::min(y, state.MapHeight - state.ViewRows));
    game.presenter.RedrawView();
}

void MoveUnit(Game& game, int unit)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    const bool player = !IsEnemy(unit);
    u.MovedThisTurn = 1;
    game.presenter.SetRepairEnabled(false);
    if (player)
    {
        game.presenter.DrawUnitStrip();
    }
    if (player && IsAircraft(u.Class))
    {
        u.PlacedX = u.X;
        u.PlacedY = u.Y;
    }
    if (!player && IsAircraft(u.Class))
    {
        // A computer aircraft strikes where it was placed without flying there.
        const bool wasVisible = u.Visible != 0;
        if (wasVisible)
        {
            game.presenter.Delay(StrikeHidePause);
            u.Visible = 0;
            game.presenter.DrawUnit(unit);
            game.presenter.Delay(StrikePause);
        }
        RadarScan(game, unit, true);
        if (wasVisible && u.Active != 0)
        {
            u.Visible = 1;
            game.presenter.DrawUnit(unit);
        }
        return;
    }

    const bool alreadyThere = u.X == u.DestX && u.Y == u.DestY;
    if (alreadyThere && player)
    {
        HideReach(game, unit);
    }
    // A unit without an order (no destination) stands like one ordered onto its own field.
    const bool ordered = u.DestX != 0 && u.DestY != 0;
    if (ordered && !alreadyThere && !IsInstallation(u.Class) && u.Order != OrderStandStill)
    {
        if (player && state.GroupMode != GroupModeMoving)
        {
            HideReach(game, unit);
        }
        // One reach serves both: clamping the destination changes nothing the reach depends on.
        const ReachTable reach = ComputeReachable(game, unit, ReachMode::Compute);
        ClampDestination(game, unit, reach);
        if (u.DestX != 0 && u.DestY != 0)
        {
            const Path path =
                FindPath(game, reach, u.X, u.Y, u.DestX, u.DestY, u.Speed & SpeedMask, ReachMode::Compute);
            if (!path.empty())
            {
                if (player)
                {
                    game.presenter.PlaySoundEffect(u.Class);
                    if (state.SelectedUnit == unit)
                    {
                        game.presenter.RefreshUnitPanel(unit);
                    }
                }
                for (std::size_t i = 1; i < path.size(); ++i)
                {
                    const PathStep& step = path[i];
                    StepUnit(game, unit, u.X, u.Y, false, step.direction, step.y, step.x);
                    if (HasSecondUnit(u.Class))
                    {
                        // The stern follows into the field the bow just left, facing the same way.
                        UnitRec& stern = state.Unit(SecondCell(unit));
                        StepUnit(game, SecondCell(unit), stern.X, stern.Y, true, step.direction,
                                 path[i - 1].y, path[i - 1].x);
                    }
                    if (player && !IsAircraft(u.Class))
                    {
                        game.presenter.Delay(PlayerStepPause);
                    }
                }
            }
        }
    }

    state.LastMovedUnit = 0;
    bool scanned = false;
    if (!IsTransporter(u.Class) && !IsAuxiliary(u.Class))
    {
        state.LastMovedUnit = static_cast<std::uint16_t>(unit);
        const bool convoyHome = GoalType(game) == GoalConvoy && ConvoyAtGoal(game, unit);
        if (!convoyHome)
        {
            RadarScan(game, unit, true);
            scanned = true;
        }
    }
    if (player)
    {
        game.presenter.Delay(AfterMovePause);
    }
    if (scanned)
    {
        game.presenter.DrawUnit(unit);
    }

    const int attackedSide = player ? SideEnemy : SidePlayer;
    CheckPortCapture(game, unit, attackedSide);
    if (HasSecondUnit(u.Class))
    {
        CheckPortCapture(game, SecondCell(unit), attackedSide);
    }
    if (!player && u.Order != OrderStandStill && GoalType(game) == GoalConquerPorts && state.TurnNumber < 4)
    {
        game.opponent.GuardPortEarly(game, unit);
    }
    if (player && GoalType(game) == GoalConvoy && ConvoyAtGoal(game, unit))
    {
        ConvoyArrives(game, unit);
    }
    u.DestX = 0;
    u.DestY = 0;
    if (!player)
    {
        return;
    }
    VictoryCheckAfterMove(game);
    if (state.GameOver != 0)
    {
        game.turns.RunEndOfGame(game);
        return;
    }
    if (!IsInstallation(u.Class))
    {
        game.turns.SelectNextUnit(game);
    }
}

} // namespace olvane
