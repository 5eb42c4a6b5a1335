#pragma once

#include "state/class_table.h"
#include "state/game.h"

#include <string>

namespace olvane::test
{

/// Puts a unit of a class on the map with its class values and picture, as unit creation leaves
/// it: the player's visible, the computer's hidden, the covered code kept in Under, the side's
/// ship count covering the slot. A two-cell ship gets its second cell at (x2, y2), inactive like
/// every second cell the game creates: whether the ship is afloat is its main unit's state.
inline UnitRec& PlaceUnit(Game& game, int id, int cls, int x, int y, int x2 = 0, int y2 = 0)
{
    GameState& s = game.state;
    const ClassRec& c = game.classes.Class(cls);
    UnitRec& u = s.Unit(id);
    u = UnitRec{};
    u.Id = static_cast<std::uint16_t>(id);
    u.Class = static_cast<std::uint8_t>(cls);
    u.Speed = c.Speed;
    u.Range = c.Range;
    u.Armor = c.Armor;
    u.Fire = c.Fire;
    u.Picture = c.Sprite;
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
        UnitRec& second = s.Unit(SecondCell(id));
        second = UnitRec{};
        second.Id = static_cast<std::uint16_t>(SecondCell(id));
        second.Class = u.Class;
        second.Picture = static_cast<std::uint16_t>(u.Picture + 1);
        second.Visible = u.Visible;
        second.X = static_cast<std::uint8_t>(x2);
        second.Y = static_cast<std::uint8_t>(y2);
        second.Under = s.MapGrid(x2, y2);
        s.MapGrid(x2, y2) = second.Id;
    }
    return u;
}

} // namespace olvane::test
