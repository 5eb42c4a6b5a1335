#include "turn/turn_phases.h"

#include "ai/opponent.h"
#include "rules/detection.h"
#include "rules/movement.h"
#include "rules/ports.h"
#include "rules/unit_kinds.h"
#include "state/game.h"
#include "turn/autosave.h"
#include "turn/turn_hooks.h"

#include <algorithm>

namespace olvane
{

namespace
{

constexpr int RepaintOnlyWait = 15;
constexpr int SweepSteps = 8;
constexpr int SweepStepPause = 90;
constexpr int CentreAfterSearchPause = 150;
constexpr int RingSearchRadius = 10;
constexpr int ViewMargins = 3;
constexpr int MessageTurnStarts = 1;

// The player's unit numbers the ring search accepts: ships 1..89 and the second cells of 1..99.
constexpr int RingFirstShip = PlayerBaseId + 1;
constexpr int RingLastShip = PlayerBaseId + 89;
constexpr int RingFirstStern = PlayerBaseId + 101;
constexpr int RingLastStern = PlayerBaseId + 199;

constexpr int PauseBeforePhaseEnd = 500;
constexpr int PausePhaseEnd = 1000;
constexpr int PauseClearingRadar = 700;
constexpr int PauseEnemyPhaseStart = 1000;
constexpr int PauseAfterEnemyPhase = 400;
constexpr int PauseEnemyPhaseEnd = 900;

bool InView(const GameState& state, int x, int y)
{
    return state.ViewX < x && x <= state.ViewX + state.ViewColumns && state.ViewY < y &&
           y <= state.ViewY + state.ViewRows;
}

bool Waiting(const UnitRec& u)
{
    return u.Active != 0 && u.MovedThisTurn == 0;
}

/// The units a player phase walks: the ship slots and the aircraft the player has bought.
int PlayerUnitsToWalk(const GameState& state)
{
    int aircraft = 0;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        aircraft += u.Active != 0 && IsAircraft(u.Class) ? 1 : 0;
    }
    return std::min(state.PlayerShipCount + aircraft, MaxSideSlots);
}

/// The unit a ring cell names, when it is one of the player's that has still to act.
int RingCandidate(const GameState& state, int x, int y)
{
    if (!OnMap(state, x, y) || !InView(state, x, y))
    {
        return 0;
    }
    int code = state.MapGrid(x, y);
    const bool ship = code >= RingFirstShip && code <= RingLastShip;
    const bool stern = code >= RingFirstStern && code <= RingLastStern;
    if (!ship && !stern)
    {
        return 0;
    }
    code = stern ? code - SecondCellOffset : code;
    return Waiting(state.Unit(code)) ? code : 0;
}

/// Chessboard rings around (x, y): top row, bottom row, left column, right column.
int RingSearch(const GameState& state, int x, int y)
{
    for (int r = 1; r <= RingSearchRadius; ++r)
    {
        for (int cx = x - r; cx <= x + r; ++cx)
        {
            if (const int found = RingCandidate(state, cx, y - r))
            {
                return found;
            }
        }
        for (int cx = x - r; cx <= x + r; ++cx)
        {
            if (const int found = RingCandidate(state, cx, y + r))
            {
                return found;
            }
        }
        for (int column : {x - r, x + r})
        {
            for (int cy = y - r + 1; cy <= y + r - 1; ++cy)
            {
                if (const int found = RingCandidate(state, column, cy))
                {
                    return found;
                }
            }
        }
    }
    return 0;
}

/// The first waiting unit on the map that lies inside the view widened by `margin` fields.
int FirstWaitingNearView(const GameState& state, int margin)
{
    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        const UnitRec& u = state.Unit(id);
        if (Waiting(u) && u.X != 0 && state.ViewX - margin < u.X &&
            u.X <= state.ViewX + state.ViewColumns + margin && state.ViewY - margin < u.Y &&
            u.Y <= state.ViewY + state.ViewRows + margin)
        {
            return id;
        }
    }
    return 0;
}

/// Puts a returning aircraft on its field; a field someone else took meanwhile leaves it on
/// the nearest free field around it.
void LandAircraft(Game& game, int id)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(id);
    for (const CellOffset& offset : game.classes.NeighbourOffsets)
    {
        const int x = u.PlacedX + offset.dx;
        const int y = static_cast<int>(u.PlacedY) + offset.dy;
        if (OnMap(state, x, y) && !IsUnitCode(state.MapGrid(x, y)))
        {
            u.Under = state.MapGrid(x, y);
            u.X = static_cast<std::uint8_t>(x);
            u.Y = static_cast<std::uint8_t>(y);
            state.MapGrid(x, y) = static_cast<std::uint16_t>(id);
            return;
        }
    }
}

void ReturnAircraft(Game& game)
{
    GameState& state = game.state;
    std::vector<int> returning;
    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        const UnitRec& u = state.Unit(id);
        const bool flew = u.X != u.PlacedX || u.Y != u.PlacedY;
        if (u.Active != 0 && IsAircraft(u.Class) && flew && OnMap(state, u.X, u.Y) &&
            OnMap(state, u.PlacedX, static_cast<int>(u.PlacedY)))
        {
            returning.push_back(id);
        }
    }
    for (int id : returning)
    {
        const UnitRec& u = state.Unit(id);
        if (state.MapGrid(u.X, u.Y) == id)
        {
            state.MapGrid(u.X, u.Y) = u.Under;
        }
        game.presenter.DrawCell(u.X, u.Y);
    }
    for (int id : returning)
    {
        LandAircraft(game, id);
    }
    for (int id : returning)
    {
        game.presenter.DrawUnit(id);
    }
}

} // namespace

void WaitOnClock(Clock& clock, int milliseconds, const std::function<void()>& whileWaiting)
{
    if (milliseconds <= RepaintOnlyWait)
    {
        return;
    }
    const std::uint64_t start = clock.Milliseconds();
    const auto wait = static_cast<std::uint64_t>(milliseconds - RepaintOnlyWait);
    while (clock.Milliseconds() - start < wait)
    {
        if (whileWaiting)
        {
            whileWaiting();
        }
    }
}

void BeginGame(Game& game)
{
    GameState& state = game.state;
    BuildZoneSectors(state);
    state.EnemyPhaseRunning = 0;
    state.SelectedUnit = 0;
    state.FireMode = FireModeMove;
    game.presenter.SetHQEnabled(true);
    state.GroupMode = GroupModeNone;
    state.BlinkEnabled = 1;
    StartPlayerPhase(game);
    state.LBinfo.clear();
    game.presenter.RefreshMessageList();
}

void SelectUnit(Game& game, int unit)
{
    GameState& state = game.state;
    state.BlinkEnabled = 1;
    state.SelectedUnit = static_cast<std::uint16_t>(unit);
    state.Unit(unit).Highlighted = 1;
    game.presenter.DrawUnit(unit);
    game.presenter.RefreshUnitPanel(unit);
    ShowReach(game, unit);
}

void DeselectUnit(Game& game)
{
    GameState& state = game.state;
    state.BlinkEnabled = 0;
    const int unit = state.SelectedUnit;
    if (!IsUnitCode(unit))
    {
        return;
    }
    HideReach(game, unit);
    state.Unit(unit).Highlighted = 0;
    game.presenter.DrawUnit(unit);
}

void StartPlayerPhase(Game& game)
{
    GameState& state = game.state;
    if (!game.presenter.MainWindowActive() || state.GameOver != 0)
    {
        return;
    }
    // The first phase of a new game has nothing to keep yet.
    if (game.autosave && state.TurnNumber > 0)
    {
        Autosave(game);
    }
    ++state.TurnNumber;
    int firstInstallation = 0;
    for (int slot = 1; slot <= PlayerUnitsToWalk(state); ++slot)
    {
        const int id = PlayerBaseId + slot;
        UnitRec& u = state.Unit(id);
        if (u.Active == 0)
        {
            continue;
        }
        u.MovedThisTurn = 0;
        if (IsInstallation(u.Class) && firstInstallation == 0)
        {
            firstInstallation = id;
        }
        game.presenter.DrawUnit(id);
    }
    if (firstInstallation != 0)
    {
        state.SelectedUnit = static_cast<std::uint16_t>(firstInstallation);
        game.presenter.ShowMessage(MessageTurnStarts);
    }

    // Shore installations scan and fire before the player gets his first unit.
    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        UnitRec& u = state.Unit(id);
        if (!Waiting(u) || !IsInstallation(u.Class) || u.X == 0 || u.Y == 0)
        {
            continue;
        }
        state.SelectedUnit = static_cast<std::uint16_t>(id);
        CentreView(game, id);
        u.Highlighted = 1;
        game.presenter.DrawUnit(id);
        for (int step = 0; step < SweepSteps; ++step)
        {
            u.Facing = static_cast<std::uint8_t>((u.Facing + 1) % 8);
            game.presenter.DrawUnit(id);
            game.presenter.Delay(SweepStepPause);
        }
        ShowReach(game, id);
        game.presenter.RefreshUnitPanel(id);
        MoveUnit(game, id);
        state.BlinkEnabled = 0;
        if (u.Active != 0)
        {
            u.Highlighted = 0;
            game.presenter.DrawUnit(id);
        }
        if (state.GameOver != 0)
        {
            return;
        }
    }
    game.presenter.DrawUnitStrip();

    state.SelectedUnit = 0;
    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        UnitRec& u = state.Unit(id);
        if (u.Active == 0)
        {
            continue;
        }
        state.SelectedUnit = static_cast<std::uint16_t>(id);
        CentreView(game, id);
        u.Highlighted = 1;
        game.presenter.DrawUnit(id);
        ShowReach(game, id);
        game.presenter.RefreshUnitPanel(id);
        break;
    }
    if (firstInstallation == 0)
    {
        game.presenter.ShowMessage(MessageTurnStarts);
    }
}

void SelectNextPlayerUnit(Game& game)
{
    GameState& state = game.state;
    if (!game.presenter.MainWindowActive())
    {
        return;
    }
    state.BlinkEnabled = 0;
    const int current = state.SelectedUnit;
    int x = 0;
    int y = 0;
    if (IsUnitCode(current))
    {
        UnitRec& u = state.Unit(current);
        if (u.Active != 0)
        {
            u.Highlighted = 0;
            game.presenter.DrawUnit(current);
        }
        x = u.X;
        y = u.Y;
    }

    int next = x != 0 && y != 0 ? RingSearch(state, x, y) : 0;
    for (int slot = 1; slot <= state.PlayerShipCount && next == 0; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        if (Waiting(u) && u.X != 0 && InView(state, u.X, u.Y))
        {
            next = PlayerBaseId + slot;
        }
    }
    for (int margin = 1; margin <= ViewMargins && next == 0; ++margin)
    {
        next = FirstWaitingNearView(state, margin);
        if (next != 0)
        {
            // The least scroll that brings the unit into the view.
            const UnitRec& u = state.Unit(next);
            if (u.X <= state.ViewX)
            {
                state.ViewX = u.X - 1;
            }
            if (u.X > state.ViewX + state.ViewColumns)
            {
                state.ViewX = u.X - state.ViewColumns;
            }
            if (u.Y <= state.ViewY)
            {
                state.ViewY = u.Y - 1;
            }
            if (u.Y > state.ViewY + state.ViewRows)
            {
                state.ViewY = u.Y - state.ViewRows;
            }
            game.presenter.RedrawView();
        }
    }
    for (int slot = 1; slot <= state.PlayerShipCount && next == 0; ++slot)
    {
        if (Waiting(state.Unit(PlayerBaseId + slot)))
        {
            next = PlayerBaseId + slot;
            game.presenter.Delay(CentreAfterSearchPause);
            CentreView(game, next);
        }
    }
    if (next != 0)
    {
        SelectUnit(game, next);
    }
    else
    {
        EndPlayerPhase(game);
    }
}

void EndPlayerPhase(Game& game)
{
    GameState& state = game.state;
    Presenter& presenter = game.presenter;
    presenter.Delay(PauseBeforePhaseEnd);
    presenter.ShowPhaseLabel("END OF PLAYER PHASE", PhaseColour::Yellow, PhaseColour::Navy);
    presenter.Delay(PausePhaseEnd);
    presenter.ShowPhaseLabel("CLEARING RADAR RANGES", PhaseColour::Aqua, PhaseColour::Navy);
    presenter.Delay(PauseClearingRadar);
    presenter.HidePhaseLabel();

    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        UnitRec& u = state.Unit(id);
        if (u.Active == 0)
        {
            continue;
        }
        RadarScan(game, id, false);
        const int category = ClassCategoryOf(u.Class);
        const int bonus = category == NoCategory ? 0 : state.TechBonus(SidePlayer, category).Fire;
        u.Fire = static_cast<std::uint8_t>(game.classes.Class(u.Class).Fire + bonus);
        u.AttackedBy = 0;
        u.PortArtilleryHit = 0;
    }
    ReturnAircraft(game);
    HideEnemyContacts(game);

    // The enemy phase's labels count as its own: the screen paces them with its moves.
    state.EnemyPhaseRunning = 1;
    presenter.ShowPhaseLabel("START OF ENEMY PHASE", PhaseColour::Yellow, PhaseColour::Red);
    presenter.Delay(PauseEnemyPhaseStart);
    presenter.ShowPhaseLabel("ENEMY PHASE", PhaseColour::Black, PhaseColour::Red);
    EnemyPhase(game);
    state.EnemyPhaseRunning = 1;
    presenter.Delay(PauseAfterEnemyPhase);
    presenter.ShowPhaseLabel("END OF ENEMY PHASE", PhaseColour::Yellow, PhaseColour::Red);
    presenter.Delay(PauseEnemyPhaseEnd);
    presenter.HidePhaseLabel();
    state.EnemyPhaseRunning = 0;

    VictoryCheckEndOfTurn(game);
    if (state.GameOver == 0)
    {
        StartPlayerPhase(game);
        presenter.RedrawView();
        state.BlinkEnabled = 1;
    }
    else
    {
        RunEndOfGame(game);
    }
}

} // namespace olvane
