// The computer's attacks: air strikes around an aircraft's base and the hunt for player units its
// scans have sighted.

#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "rules/movement.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/game.h"

#include <array>

namespace olvane
{

namespace
{

/// Attack fields around a target, ring by ring; larger ships attack from farther rings.
constexpr std::array<CellOffset, 36> AttackOffsets = {{
    {0, -1},  {1, 0},  {0, 1},  {-1, 0},                                                        // ring 1
    {-1, -1}, {1, -1}, {1, 1},  {-1, 1},                                                        // ring 2
    {0, -2},  {2, 0},  {0, 2},  {-2, 0},                                                        // ring 3
    {-1, -2}, {1, -2}, {2, -1}, {2, 1},   {1, 2},   {-1, 2}, {-2, 1}, {-2, -1},                 // ring 4
    {-2, -2}, {2, -2}, {2, 2},  {-2, 2},  {-1, -3}, {0, -3}, {1, -3}, {3, -1},  {3, 0}, {3, 1}, // ring 5
    {-1, 3},  {0, 3},  {1, 3},  {-3, -1}, {-3, 0},  {-3, 1},
}};
constexpr std::array<int, 6> RingEnds = {0, 4, 8, 12, 20, 36};

/// How many rings of attack fields a class uses. Classes the computer does not field as
/// warships keep to the first ring.
int RingCount(int c)
{
    if ((c >= 10 && c <= 19) || (c >= 40 && c <= 49) || (c >= 80 && c <= 83))
    {
        return 2;
    }
    if ((c >= 50 && c <= 59) || (c >= 86 && c <= 89))
    {
        return 3;
    }
    if (c >= 60 && c <= 69)
    {
        return 4;
    }
    if (c >= 70 && c <= 79)
    {
        return 5;
    }
    return 1;
}

struct StrikeOffset
{
    int dx;
    int dy;
};

/// The offset of one strike draw: d halves the distance, m picks row, column or diagonal.
StrikeOffset StrikeOffsetOf(int speed, int d, int m, int sx, int sy)
{
    const int reach = sx * speed / d;
    switch (m)
    {
        case 1:
            return {reach, 0};
        case 2:
            return {0, reach};
        default:
            return {reach, sy * speed / d};
    }
}

bool StrikeFieldFits(const GameState& state, int x, int y)
{
    return OnMap(state, x, y) && !IsLandCell(state, x, y);
}

/// The units of one pass of the reaction, in number order.
bool InPass(int pass, int c)
{
    switch (pass)
    {
        case 0:
            return IsAircraft(c);
        case 1:
            return c >= 10 && c <= 79;
        default:
            return !IsAircraft(c) && !(c >= 10 && c <= 79);
    }
}

} // namespace

bool CanReach(const GameState& state, int unit, int x, int y)
{
    const UnitRec& u = state.Unit(unit);
    return RoundedDistance(x - u.X, y - u.Y) < u.Speed + u.Range;
}

bool AttackField(const GameState& state, int unit, int target, int& x, int& y)
{
    const UnitRec& u = state.Unit(unit);
    const UnitRec& t = state.Unit(target);
    const int rings = RingCount(u.Class);
    const int speed = u.Speed;
    bool found = false;
    for (int i = 0; i < RingEnds[static_cast<std::size_t>(rings)]; ++i)
    {
        const CellOffset offset = AttackOffsets[static_cast<std::size_t>(i)];
        const int cx = t.X + offset.dx;
        const int cy = t.Y + offset.dy;
        if (!OnMap(state, cx, cy) || IsUnitCode(state.MapGrid(cx, cy)))
        {
            continue;
        }
        if (!IsAircraft(u.Class) && IsLandCell(state, cx, cy))
        {
            continue;
        }
        const int dx = cx - u.X;
        const int dy = cy - u.Y;
        if (dx * dx + dy * dy <= speed * speed)
        {
            // Later rings overwrite earlier ones: the last qualifying field is the answer.
            x = cx;
            y = cy;
            found = true;
        }
    }
    return found;
}

void AirStrikeTarget(Game& game, int unit)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    const int speed = u.Speed;
    // Some field of the sixteen must be sea, or the draws could never end.
    bool any = false;
    for (int d = 1; d <= 2 && !any; ++d)
    {
        for (int m = 1; m <= 3 && !any; ++m)
        {
            for (int sx : {-1, 1})
            {
                for (int sy : {-1, 1})
                {
                    const StrikeOffset o = StrikeOffsetOf(speed, d, m, sx, sy);
                    any = any || StrikeFieldFits(state, u.X + o.dx, u.Y + o.dy);
                }
            }
        }
    }
    u.PlacedX = u.X;
    u.PlacedY = u.Y;
    if (!any)
    {
        return;
    }
    game.random.Reseed();
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        const int d = 1 + static_cast<int>(game.random.Below(2));
        const int m = 1 + static_cast<int>(game.random.Below(3));
        const int sx = game.random.Below(2) == 0 ? -1 : 1;
        const int sy = game.random.Below(2) == 0 ? -1 : 1;
        const StrikeOffset o = StrikeOffsetOf(speed, d, m, sx, sy);
        if (StrikeFieldFits(state, u.X + o.dx, u.Y + o.dy))
        {
            u.PlacedX = static_cast<std::uint8_t>(u.X + o.dx);
            u.PlacedY = static_cast<std::uint16_t>(u.Y + o.dy);
            return;
        }
    }
}

void ReactToKnownEnemy(Game& game, int target)
{
    GameState& state = game.state;
    for (int pass = 0; pass < 3; ++pass)
    {
        for (int slot = 1; slot <= state.EnemyShipCount; ++slot)
        {
            const UnitRec& t = state.Unit(target);
            if (t.Active == 0 || t.X == 0)
            {
                return;
            }
            const int id = EnemyBaseId + slot;
            UnitRec& u = state.Unit(id);
            if (u.Active == 0 || !InPass(pass, u.Class) || u.X == 0 || u.MovedThisTurn != 0 ||
                u.Order == OrderToPort || !CanReach(state, id, t.X, t.Y))
            {
                continue;
            }
            int x = 0;
            int y = 0;
            if (!AttackField(state, id, target, x, y))
            {
                continue;
            }
            u.DestX = static_cast<std::uint8_t>(x);
            u.DestY = static_cast<std::uint8_t>(y);
            if (IsAircraft(u.Class))
            {
                u.PlacedX = static_cast<std::uint8_t>(x);
                u.PlacedY = static_cast<std::uint16_t>(y);
            }
            MoveUnit(game, id);
        }
    }
}

} // namespace olvane
