#include "rules/detection.h"

#include "rules/combat.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/game.h"

#include <algorithm>
#include <cstdlib>

namespace olvane
{

namespace
{

constexpr int CoverageNone = 0;
constexpr int CoverageRadar = 1;
constexpr int CoverageSonar = 2;
constexpr int CoverageAirLand = 3;
constexpr int CoverageAirSonarLand = 4;

bool MaskCell(int range, int dx, int dy)
{
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    const int ring = std::max(ax, ay);
    switch (range)
    {
        case 0:
            return ax + ay <= 1;
        case 1:
            return ring <= 1;
        case 2:
            return ax + ay <= 2;
        case 3:
            return ring <= 2 && ax + ay <= 3;
        case 4:
            return ring <= 2;
        default:
            return ring <= 3 && ax + ay <= 4;
    }
}

RadarMaskTable BuildMasks()
{
    RadarMaskTable masks{};
    for (int range = 0; range < RadarMaskCount; ++range)
    {
        for (int dx = -RadarMaskReach; dx <= RadarMaskReach; ++dx)
        {
            for (int dy = -RadarMaskReach; dy <= RadarMaskReach; ++dy)
            {
                masks[static_cast<std::size_t>(range)][static_cast<std::size_t>(dx + 3)]
                     [static_cast<std::size_t>(dy + 3)] = MaskCell(range, dx, dy) ? 1 : 0;
            }
        }
    }
    return masks;
}

// The last-seen marker picture of each class of hidden ship.
int MarkerOfClass(int c)
{
    struct Entry
    {
        int cls, marker;
    };

    static constexpr Entry Markers[] = {
        {1, 8},   {3, 9},   {6, 10},  {10, 11}, {13, 12}, {16, 13}, {18, 35}, {20, 14}, {23, 33},
        {26, 34}, {30, 15}, {40, 16}, {43, 17}, {46, 18}, {48, 39}, {50, 19}, {51, 31}, {52, 32},
        {53, 20}, {54, 38}, {56, 21}, {58, 37}, {60, 22}, {63, 23}, {66, 24}, {68, 36}, {70, 25},
        {71, 28}, {72, 29}, {73, 26}, {74, 40}, {76, 27}, {78, 30},
    };
    for (const Entry& e : Markers)
    {
        if (e.cls == c)
        {
            return e.marker;
        }
    }
    // The light transporter shows the transporter marker that no class of ours uses; auxiliaries
    // and anything else unlisted show the plain transporter's.
    return c == 2 ? 8 : 9;
}

constexpr int FirstMarkerBase = 36;

/// The code a scan rewrites: the cell's own, or the one a unit standing there covers.
std::uint16_t& ScannedCode(GameState& state, int x, int y, int cellValue)
{
    if (IsUnitCode(cellValue))
    {
        return state.Unit(cellValue).Under;
    }
    return state.MapGrid(x, y);
}

bool ContactStillExists(const GameState& state, int contact)
{
    const UnitRec& u = state.Unit(contact);
    return u.Class != 0 && u.X != 0;
}

void ProcessPlayerContacts(Game& game, int unit)
{
    GameState& state = game.state;
    for (int i = 0; i < state.ContactCount; ++i)
    {
        RevealContact(game, state.ContactList[static_cast<std::size_t>(i)]);
    }
    while (state.Unit(unit).Fire > 0)
    {
        bool anyLeft = false;
        for (int i = 0; i < state.ContactCount; ++i)
        {
            anyLeft = anyLeft || ContactStillExists(state, state.ContactList[static_cast<std::size_t>(i)]);
        }
        if (!anyLeft)
        {
            break;
        }
        state.FireMode = FireModeTarget;
        game.presenter.SetHQEnabled(false);
        const int chosen = game.presenter.WaitForFireTarget(unit);
        if (state.FireMode == FireModeTarget && (chosen == 0 || !PlayerFireAt(game, unit, chosen)))
        {
            // The wait ended without a shot: the player holds his fire.
            state.FireMode = FireModeMove;
            game.presenter.SetHQEnabled(true);
            break;
        }
    }
}

void ProcessComputerContacts(Game& game, int unit)
{
    GameState& state = game.state;
    if (state.ContactCount >= 2)
    {
        OrderTargets(game);
    }
    for (int i = 0; i < state.ContactCount && state.Unit(unit).Fire > 0; ++i)
    {
        const int contact = state.ContactList[static_cast<std::size_t>(i)];
        bool reported = false;
        while (state.Unit(contact).Active != 0 && state.Unit(unit).Fire > 0)
        {
            FireShot(game, unit, contact);
            if (!reported)
            {
                ReportAttack(game, unit, contact);
                reported = true;
            }
        }
    }
    RememberContacts(game);
}

} // namespace

const RadarMaskTable& RadarMasks()
{
    static const RadarMaskTable masks = BuildMasks();
    return masks;
}

bool RadarCovers(int range, int dx, int dy)
{
    if (std::abs(dx) > RadarMaskReach || std::abs(dy) > RadarMaskReach)
    {
        return false;
    }
    const int r = std::clamp(range, 0, RadarMaskCount - 1);
    return RadarMasks()[static_cast<std::size_t>(r)][static_cast<std::size_t>(dx + 3)]
                       [static_cast<std::size_t>(dy + 3)] != 0;
}

void RadarScan(Game& game, int unit, bool on)
{
    GameState& state = game.state;
    state.FireMode = FireModeMove;
    state.NewContactFound = 0;
    const UnitRec& u = state.Unit(unit);
    if (u.Active == 0)
    {
        return;
    }
    state.ContactCount = 0;
    state.ContactList.fill(0);
    const bool computer = IsEnemy(unit);
    int cx = u.X;
    int cy = u.Y;
    if (computer && IsAircraft(u.Class))
    {
        cx = u.PlacedX;
        cy = u.PlacedY;
    }
    for (int dy = -RadarMaskReach; dy <= RadarMaskReach; ++dy)
    {
        for (int dx = -RadarMaskReach; dx <= RadarMaskReach; ++dx)
        {
            const int x = cx + dx;
            const int y = cy + dy;
            if (!RadarCovers(u.Range, dx, dy) || !OnMap(state, x, y))
            {
                continue;
            }
            const int c = state.MapGrid(x, y);
            if (computer)
            {
                if (IsUnitCode(c) && !IsEnemy(c))
                {
                    AddContact(game, c, SidePlayer, unit);
                }
            }
            else if (!on)
            {
                ClearCoverage(game, x, y, c);
            }
            else
            {
                if (IsUnitCode(c) && IsEnemy(c))
                {
                    AddContact(game, c, SideEnemy, unit);
                }
                MarkCoverage(game, x, y, c, unit);
            }
        }
    }
    if (on)
    {
        game.presenter.DrawUnit(unit);
        if (!computer)
        {
            game.presenter.ShowDetectionCircle(unit);
        }
    }
    if (state.ContactCount > 0)
    {
        ProcessContacts(game, unit);
    }
}

void AddContact(Game& game, int cellUnit, int side, int scanner)
{
    GameState& state = game.state;
    const int targetClass = state.Unit(cellUnit).Class;
    const int scannerClass = state.Unit(scanner).Class;
    if (IsSubmarine(targetClass) && !game.classes.IsSonar(scannerClass))
    {
        return;
    }
    if (IsAircraft(targetClass) && !SpotsAircraft(game.classes, scannerClass))
    {
        return;
    }
    if (IsInstallation(targetClass) && IsSubmarine(scannerClass))
    {
        return;
    }
    int t = cellUnit;
    if (t > SideBase(side) + SecondCellOffset)
    {
        t -= SecondCellOffset;
    }
    const auto listed = state.ContactList.begin() + state.ContactCount;
    if (std::find(state.ContactList.begin(), listed, t) != listed || state.ContactCount >= ContactCapacity)
    {
        return;
    }
    state.ContactList[state.ContactCount] = static_cast<std::uint16_t>(t);
    ++state.ContactCount;
}

void MarkCoverage(Game& game, int x, int y, int cellValue, int scanner)
{
    GameState& state = game.state;
    std::uint16_t& code = ScannedCode(state, x, y, cellValue);
    const CellInfo cell = DecodeCode(code);
    const int scannerClass = state.Unit(scanner).Class;
    const bool sonar = game.classes.IsSonar(scannerClass);
    const int old = cell.coverage;
    int next = old;
    switch (old)
    {
        case CoverageNone:
        case CoverageRadar:
            next = sonar ? CoverageSonar : CoverageRadar;
            break;
        case CoverageAirLand:
            next = sonar ? CoverageAirSonarLand : CoverageAirLand;
            break;
        default:
            break;
    }
    if (cell.land && game.classes.IsAirSpotter(scannerClass))
    {
        next = (old == CoverageSonar || old == CoverageAirSonarLand) ? CoverageAirSonarLand : CoverageAirLand;
    }
    code = static_cast<std::uint16_t>(code / 100 * 100 + next * 10 + code % 10);
    game.presenter.DrawCell(x, y);
}

void ClearCoverage(Game& game, int x, int y, int cellValue)
{
    std::uint16_t& code = ScannedCode(game.state, x, y, cellValue);
    code = static_cast<std::uint16_t>(code / 100 * 100 + code % 10);
    game.presenter.DrawCell(x, y);
}

void ProcessContacts(Game& game, int unit)
{
    if (IsEnemy(unit))
    {
        ProcessComputerContacts(game, unit);
    }
    else
    {
        ProcessPlayerContacts(game, unit);
    }
}

void RevealContact(Game& game, int unit)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    if (u.Visible != 0 || u.Active == 0)
    {
        return;
    }
    state.NewContactFound = 1;
    u.Visible = 1;
    game.presenter.DrawUnit(unit);
    if (HasSecondUnit(u.Class))
    {
        state.Unit(SecondCell(unit)).Visible = 1;
        game.presenter.DrawUnit(SecondCell(unit));
        if (IsDiagonal(u.Facing))
        {
            game.presenter.DrawDiagonalShip(unit);
        }
    }
    if (state.SelectedUnit != 0)
    {
        game.presenter.DrawUnit(state.SelectedUnit);
    }
    state.LBinfo.insert(state.LBinfo.begin(),
                        "New contact: " + game.classes.Class(u.Class).Abbrev.Str() + " " + TrimmedName(u));
    game.presenter.RefreshMessageList();
}

void HideEnemyContacts(Game& game)
{
    GameState& state = game.state;
    ClearLastSeenMarks(game);
    for (int slot = 1; slot <= state.EnemyShipCount; ++slot)
    {
        const int id = EnemyBaseId + slot;
        UnitRec& u = state.Unit(id);
        if (u.Active == 0 || u.Visible == 0 || IsAircraft(u.Class) || IsInstallation(u.Class))
        {
            continue;
        }
        u.Visible = 0;
        u.Under = LastSeenCode(game, id);
        game.presenter.DrawUnit(id);
        if (HasSecondUnit(u.Class))
        {
            state.Unit(SecondCell(id)).Visible = 0;
            game.presenter.DrawUnit(SecondCell(id));
            if (IsDiagonal(u.Facing))
            {
                game.presenter.DrawDiagonalShip(id);
            }
        }
    }
}

std::uint16_t LastSeenCode(Game& game, int unit)
{
    GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    const int base = u.Under / 100;
    if (base >= CodePlayerMajorPort / 100 && base <= CodeEnemyPort / 100)
    {
        return u.Under;
    }
    const int count = state.MarkerCount();
    if (count >= MaxMarkers)
    {
        return u.Under;
    }
    MapObjectRec& marker = state.MapObject(count + 1);
    marker.X = u.X;
    marker.Y = u.Y;
    marker.Code = static_cast<std::uint16_t>(base);
    state.MapObject(0).X = static_cast<std::uint8_t>(count + 1);
    return static_cast<std::uint16_t>((MarkerOfClass(u.Class) + FirstMarkerBase) * 100 + u.Under % 100);
}

void ClearLastSeenMarks(Game& game)
{
    GameState& state = game.state;
    const int count = std::min(state.MarkerCount(), MaxMarkers);
    for (int i = 1; i <= count; ++i)
    {
        const MapObjectRec& marker = state.MapObject(i);
        if (!OnMap(state, marker.X, marker.Y))
        {
            continue;
        }
        const int c = state.MapGrid(marker.X, marker.Y);
        if (IsUnitCode(c))
        {
            UnitRec& standing = state.Unit(c);
            standing.Under = static_cast<std::uint16_t>(marker.Code * 100 + standing.Under % 100);
            game.presenter.DrawUnit(c);
        }
        else
        {
            state.MapGrid(marker.X, marker.Y) = static_cast<std::uint16_t>(marker.Code * 100 + c % 100);
            game.presenter.DrawCell(marker.X, marker.Y);
        }
    }
    for (int i = 0; i < MapObjectCount; ++i)
    {
        state.MapObject(i) = MapObjectRec{};
    }
}

} // namespace olvane
