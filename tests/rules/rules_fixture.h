#pragma once

#include "support/test_game.h"

#include <algorithm>
#include <string>

namespace olvane::test
{

/// Puts a unit of a class on the map with its class values, as the unit-creation rules would:
/// player units visible, enemy units hidden, the covered code kept in Under. A two-cell ship
/// gets its second cell at (x2, y2).
inline UnitRec& PlaceUnit(TestGame& game, int id, int cls, int x, int y, int x2 = 0, int y2 = 0)
{
    GameState& s = game.state();
    const ClassRec& c = game->classes.Class(cls);
    UnitRec& u = s.Unit(id);
    u = UnitRec{};
    u.Id = static_cast<std::uint16_t>(id);
    u.Class = static_cast<std::uint8_t>(cls);
    u.Speed = c.Speed;
    u.Range = c.Range;
    u.Armor = c.Armor;
    u.Fire = c.Fire;
    u.Active = 1;
    u.Visible = IsEnemy(id) ? 0 : 1;
    u.Name.Set("Unit " + std::to_string(id));
    u.X = static_cast<std::uint8_t>(x);
    u.Y = static_cast<std::uint8_t>(y);
    u.Under = s.MapGrid(x, y);
    s.MapGrid(x, y) = static_cast<std::uint16_t>(id);
    const int slot = IsEnemy(id) ? id - EnemyBaseId : id - PlayerBaseId;
    std::uint8_t& count = IsEnemy(id) ? s.EnemyShipCount : s.PlayerShipCount;
    if (slot <= MaxSideSlots && slot > count)
    {
        count = static_cast<std::uint8_t>(slot);
    }
    if (HasSecondUnit(cls))
    {
        UnitRec& second = s.Unit(id + SecondCellOffset);
        second = UnitRec{};
        second.Id = static_cast<std::uint16_t>(id + SecondCellOffset);
        second.Class = static_cast<std::uint8_t>(cls);
        second.Active = 1;
        second.Visible = u.Visible;
        second.X = static_cast<std::uint8_t>(x2);
        second.Y = static_cast<std::uint8_t>(y2);
        second.Under = s.MapGrid(x2, y2);
        s.MapGrid(x2, y2) = second.Id;
    }
    return u;
}

/// A second player ship that has not acted yet, far off in the corner of the map: with it the
/// player phase stays open after the unit under test has moved, as in a game with a fleet.
inline void KeepPlayerPhaseOpen(TestGame& game)
{
    const GameState& s = game.state();
    const int x = std::clamp(s.MapWidth, 1, MapSize);
    const int y = std::clamp(s.MapHeight, 1, MapSize);
    PlaceUnit(game, PlayerBaseId + 90, 43, x, y);
}

} // namespace olvane::test
