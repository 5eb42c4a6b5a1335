#pragma once

#include "state/flow_state.h"
#include "state/range_error.h"
#include "state/records.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace olvane
{

/// A 100 × 100 grid of cell codes, indexed [x 1..100][y 1..100], x-major like the game's own.
class CellGrid
{
public:
    std::uint16_t& operator()(int x, int y) { return cells_[Index(x, y)]; }

    std::uint16_t operator()(int x, int y) const { return cells_[Index(x, y)]; }

    void Fill(std::uint16_t code) { cells_.fill(code); }

    bool operator==(const CellGrid&) const = default;

private:
    static std::size_t Index(int x, int y)
    {
        if (x < 1 || x > MapSize)
        {
            throw RangeError("map column", x);
        }
        if (y < 1 || y > MapSize)
        {
            throw RangeError("map row", y);
        }
        return static_cast<std::size_t>(x - 1) * MapSize + static_cast<std::size_t>(y - 1);
    }

    std::array<std::uint16_t, MapSize * MapSize> cells_{};
};

/// Everything a game holds: plain records and scalars, no behaviour beyond checked indexing.
/// The rules read and write it directly; the save file is an image of most of it.
class GameState
{
public:
    // Game scalars.
    std::uint8_t GameMode = 0;
    std::uint8_t Rank = 0;
    std::uint16_t TurnNumber = 0;
    std::int32_t ProductionPoints = 0;
    std::uint16_t ScenarioNumber = 0;
    std::uint16_t CampaignStep = 0;
    std::uint16_t MapNumber = 0;
    std::uint8_t PlayerNation = 0;
    std::uint8_t EnemyNation = 0;
    std::uint8_t PlayerShipCount = 0;
    /// The player's active aircraft, counted again whenever production finishes.
    std::uint8_t AircraftCount = 0;
    std::uint8_t EnemyShipCount = 0;
    std::uint8_t AIGroupCount = 0;
    std::uint16_t EnemyForceValue = 0;
    std::uint16_t MissionScore = 0;
    std::uint16_t CampaignAux = 0;
    std::int32_t MapWidth = 96;
    std::int32_t MapHeight = 96;
    std::uint8_t MapWidthByte = 0;
    std::uint8_t MapHeightByte = 0;
    /// Selects the scenario file, picture folder and help folder; fixed at 2 from program start.
    std::uint8_t EditionNumber = 2;

    // Map, ports and zones.
    CellGrid MapGrid;
    CellGrid LandGrid;
    CellGrid MarkGrid;
    std::uint8_t PortCount = 0;
    std::uint8_t ZoneExtraCount = 0;
    std::uint8_t ZoneMarkerCount = 0;

    // Mission records.
    ScenarioRec CurrentScenario;
    CampaignRec Campaign;
    DestroyedListRec DestroyedList;

    // Contacts of the detection rules: one scan's findings, and the player units the computer
    // has sighted this enemy phase.
    std::uint8_t ContactCount = 0;
    std::array<std::uint16_t, ContactCapacity> ContactList{};
    std::uint8_t KnownEnemyCount = 0;
    std::array<std::uint16_t, KnownEnemyCapacity> KnownEnemies{};

    /// The message list of the main window, newest line first.
    std::vector<std::string> LBinfo;

    /// What the game's windows hand one another: quit, curtain, just loaded, started, ...
    FlowState Flow;

    // Main-screen state that the rules read and write: the view onto the map in cells, the
    // current unit, whether a move or a fire target is awaited, the group selection mode, and
    // the outcome of the end-of-game checks.
    std::int32_t ViewX = 0;
    std::int32_t ViewY = 0;
    std::int32_t ViewColumns = 0;
    std::int32_t ViewRows = 0;
    std::uint16_t SelectedUnit = 0;
    std::uint8_t FireMode = 1;
    std::uint8_t GroupMode = 0;
    std::uint8_t NewContactFound = 0;
    std::uint16_t LastMovedUnit = 0;
    std::uint8_t GameOver = 0;
    std::uint8_t GameResult = 0;
    /// The current unit blinks while this is set; the phase sequence clears it.
    std::uint8_t BlinkEnabled = 0;
    /// Set while the computer plays its phase.
    std::uint8_t EnemyPhaseRunning = 0;

    // Checked access to the tables, each with its own bounds.
    UnitRec& Unit(int id) { return units_[UnitIndex(id)]; }

    const UnitRec& Unit(int id) const { return units_[UnitIndex(id)]; }

    PortRec& Port(int k) { return ports_[PortIndex(k)]; }

    const PortRec& Port(int k) const { return ports_[PortIndex(k)]; }

    MapObjectRec& MapObject(int i) { return mapObjects_[MapObjectIndex(i)]; }

    const MapObjectRec& MapObject(int i) const { return mapObjects_[MapObjectIndex(i)]; }

    TechRow& TechBonus(int side, int category) { return tech_[SideIndex(side)][CategoryIndex(category)]; }

    const TechRow& TechBonus(int side, int category) const
    {
        return tech_[SideIndex(side)][CategoryIndex(category)];
    }

    SideStatsRec& SideStats(int side) { return sideStats_[SideIndex(side)]; }

    const SideStatsRec& SideStats(int side) const { return sideStats_[SideIndex(side)]; }

    AIGroupRec& AIGroup(int g) { return groups_[GroupIndex(g)]; }

    const AIGroupRec& AIGroup(int g) const { return groups_[GroupIndex(g)]; }

    AIZoneRec& AIZone(int z) { return zones_[ZoneIndex(z)]; }

    const AIZoneRec& AIZone(int z) const { return zones_[ZoneIndex(z)]; }

    /// The number of last-seen markers, kept in the first map-object record.
    int MarkerCount() const { return mapObjects_[0].X; }

private:
    static std::size_t UnitIndex(int id)
    {
        if (id < FirstUnitId || id > LastUnitId)
        {
            throw RangeError("unit number", id);
        }
        return static_cast<std::size_t>(id - FirstUnitId);
    }

    static std::size_t PortIndex(int k)
    {
        if (k < 0 || k > MaxPorts)
        {
            throw RangeError("port", k);
        }
        return static_cast<std::size_t>(k);
    }

    static std::size_t MapObjectIndex(int i)
    {
        if (i < 0 || i >= MapObjectCount)
        {
            throw RangeError("map object", i);
        }
        return static_cast<std::size_t>(i);
    }

    static std::size_t SideIndex(int side)
    {
        if (side != SidePlayer && side != SideEnemy)
        {
            throw RangeError("side", side);
        }
        return static_cast<std::size_t>(side - 1);
    }

    static std::size_t CategoryIndex(int category)
    {
        if (category < 0 || category >= ClassCategoryCount)
        {
            throw RangeError("class category", category);
        }
        return static_cast<std::size_t>(category);
    }

    static std::size_t GroupIndex(int g)
    {
        if (g < 1 || g > GroupCount)
        {
            throw RangeError("computer group", g);
        }
        return static_cast<std::size_t>(g - 1);
    }

    static std::size_t ZoneIndex(int z)
    {
        if (z < 1 || z > ZoneCount)
        {
            throw RangeError("zone", z);
        }
        return static_cast<std::size_t>(z - 1);
    }

    std::array<UnitRec, LastUnitId - FirstUnitId + 1> units_{};
    std::array<PortRec, MaxPorts + 1> ports_{};
    std::array<MapObjectRec, MapObjectCount> mapObjects_{};
    std::array<std::array<TechRow, ClassCategoryCount>, 2> tech_{};
    std::array<SideStatsRec, 2> sideStats_{};
    std::array<AIGroupRec, GroupCount> groups_{};
    std::array<AIZoneRec, ZoneCount> zones_{};

    friend bool operator==(const GameState&, const GameState&) = default;
};

constexpr std::uint8_t FireModeMove = 1;
constexpr std::uint8_t FireModeTarget = 2;

constexpr std::uint8_t GroupModeNone = 0;
constexpr std::uint8_t GroupModeSelected = 1;
constexpr std::uint8_t GroupModeMoving = 2;

// Game results of the end-of-game checks; 1..3 are the grades of success.
constexpr std::uint8_t ResultDefeat = 0;
constexpr std::uint8_t ResultMinorVictory = 1;
constexpr std::uint8_t ResultVictory = 2;
constexpr std::uint8_t ResultMajorVictory = 3;
constexpr std::uint8_t ResultQuit = 100;

/// A unit belongs to the computer exactly when its number lies above the enemy base.
constexpr bool IsEnemy(int id)
{
    return id > EnemyBaseId;
}

/// The second cell of a cruiser, battleship or carrier has its own unit number.
constexpr int SecondCell(int id)
{
    return id + SecondCellOffset;
}

constexpr int SideBase(int side)
{
    return side == SidePlayer ? PlayerBaseId : EnemyBaseId;
}

constexpr int SideOf(int id)
{
    return IsEnemy(id) ? SideEnemy : SidePlayer;
}

/// True for a cell of the playing area (never beyond the 100 × 100 grid).
inline bool OnMap(const GameState& state, int x, int y)
{
    return x >= 1 && y >= 1 && x <= state.MapWidth && y <= state.MapHeight && x <= MapSize && y <= MapSize;
}

/// A cell code in the unit-number range names the unit standing there.
constexpr bool IsUnitCode(int code)
{
    return code >= FirstUnitId && code <= LastUnitId;
}

/// Clears the whole game state for a new game; the budget, game mode and rank survive.
void ResetGame(GameState& state);

/// Starts a new campaign record at the default rank with nothing carried over.
void ResetCampaign(GameState& state);

/// Clears the grids over the playing area and draws the sector lines every 8th column and row.
void ClearMaps(GameState& state);

} // namespace olvane
