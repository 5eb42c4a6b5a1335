#pragma once

#include "state/map_file.h"
#include "state/scenario_record.h"
#include "support/test_game.h"

#include <string>
#include <vector>

namespace olvane::test
{

/// A hand-made map file: size, objects and zone lines, in the file's own text form.
class MapBuilder
{
public:
    MapBuilder(int width, int height) : width_(width), height_(height) {}

    /// A land field (code 8 draws coast land, 37000).
    MapBuilder& Land(int x, int y) { return Object(8, x, y); }

    /// Land over a whole rectangle.
    MapBuilder& LandBlock(int x1, int y1, int x2, int y2)
    {
        for (int x = x1; x <= x2; ++x)
        {
            for (int y = y1; y <= y2; ++y)
            {
                Land(x, y);
            }
        }
        return *this;
    }

    /// A port: codes 1/2 major ports of the player / the computer, 3/4 ordinary ones.
    MapBuilder& Port(int code, int x, int y) { return Object(code, x, y); }

    MapBuilder& Object(int code, int x, int y)
    {
        objects_ += "1 " + std::to_string(code) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
        return *this;
    }

    /// Zone n: size (a home zone's facing), origin, up to five neighbours, key, port.
    MapBuilder& Zone(int n, int size, int x, int y, std::vector<int> neighbours = {}, int key = 1,
                     int port = 0)
    {
        neighbours.resize(5, 0);
        zones_ += std::to_string(n) + " " + std::to_string(size) + " " + std::to_string(x) + " " +
                  std::to_string(y);
        for (int z : neighbours)
        {
            zones_ += " " + std::to_string(z);
        }
        zones_ += " " + std::to_string(key) + " " + std::to_string(port) + "\n";
        return *this;
    }

    std::string Text() const
    {
        return std::to_string(width_) + " " + std::to_string(height_) + "\n" + objects_ +
               "0 0 0 0\n0\n0\n0\n" + zones_ + "0\n";
    }

    /// Clears the maps and loads this map into the game, as a scenario start would.
    void LoadInto(TestGame& game, int mapNumber = 1) const
    {
        game.dir.Write("game/" + MapFileName(mapNumber), Text());
        game.state().MapNumber = static_cast<std::uint16_t>(mapNumber);
        ClearMaps(game.state());
        LoadMapFile(*game, mapNumber);
    }

private:
    int width_;
    int height_;
    std::string objects_;
    std::string zones_;
};

/// Writes the scenario database of edition 2 with these records, slot 1 first.
inline void WriteScenarioFile(TestGame& game, const std::vector<ScenarioRec>& records)
{
    std::string bytes;
    for (const ScenarioRec& rec : records)
    {
        const ScenarioBytes encoded = EncodeScenario(rec);
        bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
    game.dir.Write("game/BAZE/SCEN/SCENARIO2.FLS", bytes);
}

/// One side's forces line for the forces file: groups of (class A, count A, class B, count B).
inline std::string ForcesLine(int key, const std::vector<std::array<int, 4>>& groups)
{
    std::string text = std::to_string(key) + "\n0";
    for (std::size_t g = 0; g < 20; ++g)
    {
        const std::array<int, 4> group = g < groups.size() ? groups[g] : std::array<int, 4>{};
        for (int value : group)
        {
            text += " " + std::to_string(value);
        }
    }
    return text + "\n";
}

inline void WriteForces(TestGame& game, const std::string& text)
{
    game.dir.Write("game/BAZE/TAKT.TXT", text);
}

/// A scenario record of the given id on map 1, goal type 5 for both sides unless set otherwise.
inline ScenarioRec MakeScenario(int id, int playerNation = 1, int enemyNation = 2)
{
    ScenarioRec rec;
    rec.Slot = 1;
    rec.ScenarioId = static_cast<std::uint16_t>(id);
    rec.Kind = ModeMission;
    rec.Title.Set("TEST WATERS");
    rec.PlayerNation = static_cast<std::uint8_t>(playerNation);
    rec.EnemyNation = static_cast<std::uint8_t>(enemyNation);
    rec.MapNumber = 1;
    rec.MapPicture = 1;
    rec.StartPoints = 500;
    rec.SideSettings[0] = {5, 5, 8, 12, 0, 0, 0, 0, 0, 0, 0};
    rec.SideSettings[1] = {5, 5, 8, 12, 0, 0, 0, 0, 0, 0, 0};
    rec.MarkFacing = 6;
    return rec;
}

/// Counts the units of a side standing on the map.
inline int UnitsOnMap(const GameState& state, int side)
{
    const int base = side == SidePlayer ? PlayerBaseId : EnemyBaseId;
    const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
    int n = 0;
    for (int slot = 1; slot <= count; ++slot)
    {
        const UnitRec& u = state.Unit(base + slot);
        n += u.Active != 0 && u.X != 0 ? 1 : 0;
    }
    return n;
}

} // namespace olvane::test
