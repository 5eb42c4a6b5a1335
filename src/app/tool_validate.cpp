#include "app/tool_validate.h"

#include "ai/scenario_start.h"
#include "state/cell_code.h"
#include "state/class_table.h"
#include "state/data_files.h"
#include "state/forces.h"
#include "state/unit_creation.h"
#include "turn/autoplayer.h"
#include "turn/invariants.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"
#include "state/game_state.h"
#include "state/level_file.h"
#include "state/map_file.h"
#include "state/name_file.h"
#include "state/rank_file.h"
#include "state/scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

namespace olvane
{

void ValidationReport::Add(std::string file, std::string where, std::string what)
{
    problems_.push_back({std::move(file), std::move(where), std::move(what)});
}

namespace
{

constexpr int Edition = 2;
constexpr int FirstScenarioId = 10;
constexpr int LastScenarioId = 513;
constexpr int HomeBlock = 6;
constexpr int MaxGroupMembers = 4;

bool IsAircraft(int c)
{
    return c >= 80 && c <= 89;
}

bool IsAxis(int nation)
{
    return nation == NationThirdReich || nation == NationJapan || nation == NationItaly;
}

/// The home-zone keys a nation looks for, first and second.
std::pair<int, int> HomeKeys(int nation)
{
    switch (nation)
    {
        case NationUnitedStates:
        case NationCanada:
            return {1, 3};
        case NationThirdReich:
        case NationItaly:
            return {2, 4};
        case NationJapan:
            return {4, 2};
        default:
            return {3, 1};
    }
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string RecordName(const ScenarioRec& rec, int slot)
{
    return "slot " + std::to_string(slot) + " (id " + std::to_string(rec.ScenarioId) + " " + Quoted(rec.Title.Str()) + ")";
}

/// A side's starting forces as unit counts per class, with the size of each group.
struct SideForces
{
    bool found = false;
    std::map<int, int> classes;
    std::vector<int> groupSizes;
    int units = 0;

    int Count(int c) const
    {
        const auto at = classes.find(c);
        return at == classes.end() ? 0 : at->second;
    }
};

SideForces Tally(const ForceTable& table)
{
    SideForces forces;
    forces.found = table.Found;
    for (const ForceGroup& g : table.Groups)
    {
        if (g.ClassA == 0)
        {
            continue;
        }
        const int size = g.CountA + (g.ClassB != 0 ? g.CountB : 0);
        forces.groupSizes.push_back(size);
        forces.units += size;
        forces.classes[g.ClassA] += g.CountA;
        if (g.ClassB != 0)
        {
            forces.classes[g.ClassB] += g.CountB;
        }
    }
    return forces;
}

/// What a map looked like after loading, for the checks of the scenarios that use it.
struct LoadedMap
{
    bool ok = false;
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
};

class FolderCheck
{
public:
    FolderCheck(const std::filesystem::path& base, const ValidateOptions& options)
        : files_(base, base), random_(seeds_), game_(presenter_, random_, files_, clock_, PlayHooks()),
          options_(options)
    {
        InitShipClasses(game_.classes);
    }

    std::vector<ValidationProblem> Run()
    {
        Guarded(ScenarioFileOf(Edition), [&] { ReadDatabase(); });
        Guarded(std::string(ForcesFile), [&] { ReadForcesFile(); });
        for (std::size_t i = 0; i < scenarios_.size(); ++i)
        {
            CheckScenario(scenarios_[i], static_cast<int>(i + 1));
        }
        Guarded("BAZE/IME", [&] { CheckNameFiles(); });
        Guarded("BAZE/RANK", [&] { CheckRankFiles(); });
        Guarded(std::string(LevelFile), [&] { CheckLevelFile(); });
        Guarded("BAZE/TXT", [&] { CheckTexts(); });
        return report_.Problems();
    }

private:
    void Problem(const std::string& file, const std::string& where, const std::string& what)
    {
        report_.Add(file, where, what);
    }

    /// Runs one part of the check; a fault nobody foresaw becomes a problem of that part, and the
    /// other parts are still checked.
    template <typename Check> void Guarded(const std::string& file, Check check)
    {
        try
        {
            check();
        }
        catch (const std::exception& error)
        {
            Problem(file, "", std::string("checking failed: ") + error.what());
        }
    }

    /// A class of the table that is in use; any other number a file may hold is none.
    bool ClassExists(int c) const { return c >= 1 && c <= ClassCount && game_.classes.Class(c).Name.Length != 0; }

    void ReadDatabase()
    {
        const std::string file = ScenarioFileOf(Edition);
        const std::optional<std::string> bytes = files_.Read(file);
        if (!bytes)
        {
            Problem(file, "", "the scenario file is missing or cannot be read");
            return;
        }
        if (bytes->size() % ScenarioRecordSize != 0)
        {
            Problem(file, "end of file", "a damaged record of " + std::to_string(bytes->size() % ScenarioRecordSize) +
                                             " bytes follows the last whole record");
        }
        scenarios_ = ReadScenarioDatabase(files_, Edition);
        if (scenarios_.empty())
        {
            Problem(file, "", "the scenario file holds no record");
        }
        std::map<int, int> slotOfId;
        for (std::size_t i = 0; i < scenarios_.size(); ++i)
        {
            const ScenarioRec& rec = scenarios_[i];
            const int slot = static_cast<int>(i + 1);
            if (!slotOfId.emplace(rec.ScenarioId, slot).second)
            {
                Problem(file, RecordName(rec, slot), "the id is also used by slot " + std::to_string(slotOfId[rec.ScenarioId]));
            }
            ids_.insert(rec.ScenarioId);
        }
    }

    void ReadForcesFile()
    {
        const std::optional<std::string> text = files_.Read(ForcesFile);
        if (!text)
        {
            if (std::any_of(scenarios_.begin(), scenarios_.end(), [](const ScenarioRec& r) { return r.Kind != ModeCampaign; }))
            {
                Problem(std::string(ForcesFile), "", "the forces file is missing or cannot be read");
            }
            return;
        }
        forcesText_ = *text;
    }

    void CheckRecordFields(const ScenarioRec& rec, const std::string& where)
    {
        const std::string file = ScenarioFileOf(Edition);
        const int slot = static_cast<int>(&rec - scenarios_.data()) + 1;
        if (rec.Slot != slot)
        {
            Problem(file, where, "the record says it is slot " + std::to_string(rec.Slot));
        }
        if (rec.Kind < ModeDeathMatch || rec.Kind > ModeCampaign)
        {
            Problem(file, where, "kind " + std::to_string(rec.Kind) + " is none of 1 free hunt, 2 mission, 3 campaign");
        }
        if (rec.ScenarioId < FirstScenarioId || rec.ScenarioId > LastScenarioId)
        {
            Problem(file, where, "the id lies outside 10..513");
        }
        if (rec.Title.Length == 0 || rec.Title.Length > 25)
        {
            Problem(file, where, "the title is empty or longer than 25 characters");
        }
        const std::string tag = rec.Tag.Str();
        if (!tag.empty() && !(tag.size() == 1 && tag[0] >= '1' && tag[0] <= '6'))
        {
            Problem(file, where, "the land picture set " + Quoted(tag) + " is none of 1..6 or empty");
        }
        if (rec.Kind == ModeCampaign)
        {
            return;
        }
        if (ids_.count(rec.ScenarioId + 1) != 0)
        {
            Problem(file, where, "id " + std::to_string(rec.ScenarioId + 1) +
                                     " is a scenario too, so the computer's forces of this one cannot be told apart");
        }
        if (rec.PlayerNation < 1 || rec.PlayerNation > NationCount || rec.EnemyNation < 1 || rec.EnemyNation > NationCount)
        {
            Problem(file, where, "a nation code lies outside 1..8");
        }
        if (rec.MapPicture < 1 || rec.MapPicture > 18)
        {
            Problem(file, where, "map picture " + std::to_string(rec.MapPicture) + " lies outside 1..18");
        }
        const int r = rec.PurchaseRestriction;
        if (!(r <= 4 || (r >= 11 && r <= 14)))
        {
            Problem(file, where, "restriction " + std::to_string(r) + " is none of 0..4 or 11..14");
        }
        if (rec.PortDefence > 0 && (rec.PortDefenceKinds < 1 || rec.PortDefenceKinds > 4))
        {
            Problem(file, where, "shore defences need 1..4 installation kinds");
        }
        if (rec.MarkFacing % 2 != 0 || rec.MarkFacing > 6)
        {
            Problem(file, where, "the facing of marked ships is none of 0, 2, 4, 6");
        }
        const SideStatsRec& goal = rec.SideSettings[0];
        const int type = goal[GoalTypeByte];
        if (type < 1 || type > 5)
        {
            Problem(file, where, "the player's goal type " + std::to_string(type) + " lies outside 1..5");
        }
        else if (type == GoalDefendPorts || type == GoalConvoy)
        {
            if (!(goal[GoalBestByte] >= goal[GoalMiddleByte] && goal[GoalMiddleByte] >= goal[GoalLeastByte]) || goal[GoalLeastByte] == 0 || goal[GoalLastTurnByte] == 0)
            {
                Problem(file, where, "goal counts must fall from major victory to minor victory and need a last turn");
            }
        }
        else if (!(goal[GoalBestByte] <= goal[GoalMiddleByte] && goal[GoalMiddleByte] <= goal[GoalLeastByte]) || goal[GoalBestByte] == 0)
        {
            Problem(file, where, "goal turns must rise from major victory to minor victory");
        }
    }

    void CheckCampaign(const ScenarioRec& rec, const std::string& where)
    {
        const std::string file = ScenarioFileOf(Edition);
        if (rec.MapNumber != 0)
        {
            Problem(file, where, "a campaign header names no map");
        }
        if (rec.CampaignSteps[0] == 0)
        {
            Problem(file, where, "the campaign lists no step");
        }
        for (std::size_t i = 0; i < rec.CampaignSteps.size() && rec.CampaignSteps[i] != 0; ++i)
        {
            const int step = rec.CampaignSteps[i];
            const auto at = std::find_if(scenarios_.begin(), scenarios_.end(),
                                         [&](const ScenarioRec& s) { return s.ScenarioId == step; });
            if (at == scenarios_.end() || at->Kind == ModeCampaign)
            {
                Problem(file, where, "step " + std::to_string(i + 1) + " names scenario " + std::to_string(step) +
                                         ", which does not exist");
            }
            else if (at->PlayerNation != rec.PlayerNation)
            {
                Problem(file, where, "step " + std::to_string(i + 1) + " (" + Quoted(at->Title.Str()) +
                                         ") is played by another nation than the campaign");
            }
        }
    }

    const LoadedMap& Map(const ScenarioRec& rec)
    {
        // Codes 1 and 2 are major ports only when a side's goal is to take or hold them, so a map
        // reads differently for different goals.
        const auto decides = [](int type) { return type == 1 || type == 2; };
        const bool major = decides(rec.SideSettings[0][0]) || decides(rec.SideSettings[1][0]);
        const auto key = std::make_pair(static_cast<int>(rec.MapNumber), major);
        auto at = maps_.find(key);
        if (at != maps_.end())
        {
            return at->second;
        }
        LoadedMap& map = maps_[key];
        GameState& state = *map.state;
        state.SideStats(SidePlayer) = rec.SideSettings[0];
        state.SideStats(SideEnemy) = rec.SideSettings[1];
        state.CurrentScenario = rec;
        ClearMaps(state);
        const std::string file = MapFileName(rec.MapNumber);
        const std::optional<std::string> text = files_.Read(file);
        if (!text)
        {
            Problem(file, "", std::string(MapLoadError) + ": the map file is missing");
            return map;
        }
        const MapReadResult result = ReadMapText(state, *text);
        if (!result.ok)
        {
            Problem(file, "line " + std::to_string(result.line), std::string(MapLoadError) + ": " + result.problem);
            return map;
        }
        map.ok = true;
        if (layoutChecked_.insert(rec.MapNumber).second)
        {
            CheckMapLayout(state, file);
        }
        return map;
    }

    bool Water(const GameState& s, int x, int y) const
    {
        return x >= 1 && y >= 1 && x <= s.MapWidth && y <= s.MapHeight && !IsLandCell(s, x, y) &&
               DecodeCell(s, x, y).portKind == CellPortNone;
    }

    bool Land(const GameState& s, int x, int y) const
    {
        return x >= 1 && y >= 1 && x <= s.MapWidth && y <= s.MapHeight && IsLandCell(s, x, y);
    }

    void CheckMapLayout(const GameState& s, const std::string& file)
    {
        for (int p = 1; p <= s.PortCount; ++p)
        {
            const PortRec& port = s.Port(p);
            const std::string where = "port " + std::to_string(p) + " at " + std::to_string(port.X) + "-" + std::to_string(port.Y);
            if (port.X < 1 || port.Y < 1 || port.X > s.MapWidth || port.Y > s.MapHeight)
            {
                Problem(file, where, "the port lies outside the map");
                continue;
            }
            bool sea = false;
            bool coast = false;
            for (int dx = -1; dx <= 1; ++dx)
            {
                for (int dy = -1; dy <= 1; ++dy)
                {
                    sea = sea || ((dx == 0 || dy == 0) && Water(s, port.X + dx, port.Y + dy));
                    coast = coast || Land(s, port.X + dx, port.Y + dy);
                }
            }
            if (!sea || !coast)
            {
                Problem(file, where, "a port must lie on the coast, next to land and to the sea");
            }
            if (port.Zone == 0)
            {
                Problem(file, where, "no port zone names this port");
            }
        }
        std::set<int> keys;
        for (int z = 1; z <= HomeZoneCount; ++z)
        {
            const AIZoneRec& zone = s.AIZone(z);
            const std::string where = "home zone " + std::to_string(z);
            if (zone.Size != 0 && zone.Size != 4)
            {
                Problem(file, where, "the facing of a home zone is 0 or 4");
            }
            int free = 0;
            for (int x = zone.OriginX; x < zone.OriginX + HomeBlock; ++x)
            {
                for (int y = zone.OriginY; y < zone.OriginY + HomeBlock; ++y)
                {
                    free += Water(s, x, y) ? 1 : 0;
                }
            }
            if (free < HomeBlock * HomeBlock / 2)
            {
                Problem(file, where, "too little open sea at the origin for a fleet to form up");
            }
            keys.insert(zone.Key);
        }
        // The allies form up in the zones of keys 1 and 3, the axis in those of 2 and 4: a fleet
        // that starts inside the other alliance's block would open the game in its midst.
        for (int a = 1; a <= HomeZoneCount; ++a)
        {
            for (int b = a + 1; b <= HomeZoneCount; ++b)
            {
                const AIZoneRec& za = s.AIZone(a);
                const AIZoneRec& zb = s.AIZone(b);
                if ((za.Key + zb.Key) % 2 == 1 && std::abs(za.OriginX - zb.OriginX) < HomeBlock &&
                    std::abs(za.OriginY - zb.OriginY) < HomeBlock)
                {
                    Problem(file, "home zones " + std::to_string(a) + " and " + std::to_string(b),
                            "the home zones of the two alliances overlap");
                }
            }
        }
        for (int k = 1; k <= HomeZoneCount; ++k)
        {
            if (keys.count(k) == 0)
            {
                Problem(file, "home zones", "no home zone has key " + std::to_string(k));
            }
        }
        CheckOpenZones(s, file);
    }

    /// Sea fields within four of a zone's centre in both directions, with sea above them too,
    /// as a two-cell ship needs.
    int SeaAroundCentre(const GameState& s, const AIZoneRec& zone) const
    {
        const int cx = zone.OriginX + zone.Size / 2;
        const int cy = zone.OriginY + zone.Size / 2;
        int sea = 0;
        for (int x = cx - 4; x <= cx + 4; ++x)
        {
            for (int y = cy - 4; y <= cy + 4; ++y)
            {
                sea += Water(s, x, y) && Water(s, x, y - 1) ? 1 : 0;
            }
        }
        return sea;
    }

    void CheckOpenZones(const GameState& s, const std::string& file)
    {
        const int last = s.ZoneExtraCount + HomeZoneCount;
        std::vector<int> open;
        for (int z = HomeZoneCount + 1; z <= last; ++z)
        {
            const AIZoneRec& zone = s.AIZone(z);
            const std::string where = "zone " + std::to_string(z);
            if (zone.Size != ZoneSizePort)
            {
                if (zone.Size % 6 != 0 || zone.Size == 0)
                {
                    Problem(file, where, "an open-sea zone has a size that is a multiple of 6");
                }
                open.push_back(z);
            }
            if (zone.Size != ZoneSizePort && SeaAroundCentre(s, zone) < 2 * MaxGroupMembers)
            {
                Problem(file, where, "too little sea around the centre, where spread groups take station");
            }
            if (zone.OriginX < 1 || zone.OriginY < 1 || zone.OriginX + zone.Size - 1 > s.MapWidth ||
                zone.OriginY + zone.Size - 1 > s.MapHeight)
            {
                Problem(file, where, "the zone reaches beyond the map");
            }
            for (int n : zone.Neighbours)
            {
                if (n > last)
                {
                    Problem(file, where, "neighbour " + std::to_string(n) + " is no zone of the map");
                }
            }
        }
        if (open.empty())
        {
            Problem(file, "zones", "the map has no open-sea zone for the computer's groups");
            return;
        }
        // Every open zone must be reachable from every other through neighbour lists, or groups
        // would be stranded.
        std::set<int> reached{open.front()};
        std::vector<int> todo{open.front()};
        while (!todo.empty())
        {
            const int z = todo.back();
            todo.pop_back();
            for (int n : s.AIZone(z).Neighbours)
            {
                if (n > HomeZoneCount && n <= last && s.AIZone(n).Size != ZoneSizePort && reached.insert(n).second)
                {
                    todo.push_back(n);
                }
            }
        }
        for (int z : open)
        {
            if (reached.count(z) == 0)
            {
                Problem(file, "zone " + std::to_string(z), "no chain of neighbours links it with zone " + std::to_string(open.front()));
            }
        }
    }

    void CheckScenario(const ScenarioRec& rec, int slot)
    {
        const std::string where = RecordName(rec, slot);
        try
        {
            CheckRecordFields(rec, where);
            if (rec.Kind == ModeCampaign)
            {
                CheckCampaign(rec, where);
                return;
            }
            if (rec.Kind != ModeDeathMatch && rec.Kind != ModeMission)
            {
                return;
            }
            const std::size_t before = report_.Problems().size();
            CheckForcesAndGoal(rec, where);
            if (report_.Problems().size() == before)
            {
                PlaceForces(rec, slot, where);
            }
            if (options_.startCheck && report_.Problems().size() == before)
            {
                StartScenario(rec, slot, where);
            }
        }
        catch (const std::exception& error)
        {
            Problem(ScenarioFileOf(Edition), where, std::string("checking the scenario failed: ") + error.what());
        }
    }

    void CheckForcesAndGoal(const ScenarioRec& rec, const std::string& where)
    {
        const std::string forcesFile(ForcesFile);
        const SideForces player = Tally(ReadForces(forcesText_, rec.ScenarioId));
        const SideForces enemy = Tally(ReadForces(forcesText_, rec.ScenarioId + 1));
        for (const auto& [side, forces] : {std::pair{"player", &player}, std::pair{"computer", &enemy}})
        {
            const std::string name = std::string(side);
            if (!forces->found || forces->units == 0)
            {
                Problem(forcesFile, where, "the " + name + " has no forces");
            }
            if (forces->units > MaxSideSlots)
            {
                Problem(forcesFile, where, "the " + name + " has " + std::to_string(forces->units) + " units, more than 100");
            }
            for (const auto& [c, n] : forces->classes)
            {
                if (!ClassExists(c))
                {
                    Problem(forcesFile, where, "the " + name + " lists class " + std::to_string(c) + ", which does not exist");
                }
            }
        }
        for (std::size_t g = 0; g < enemy.groupSizes.size(); ++g)
        {
            if (enemy.groupSizes[g] > MaxGroupMembers)
            {
                Problem(forcesFile, where, "computer group " + std::to_string(g + 1) + " has " +
                                               std::to_string(enemy.groupSizes[g]) + " units; a group holds at most four");
            }
        }
        const int nations[2] = {rec.PlayerNation, rec.EnemyNation};
        for (int side = 0; side < 2; ++side)
        {
            for (const auto& [c, n] : (side == 0 ? player : enemy).classes)
            {
                if (ClassExists(c))
                {
                    fielded_[nations[side]].insert(c);
                }
            }
        }
        fielded_[rec.PlayerNation].insert(0); // a player nation may buy any class

        const LoadedMap& map = Map(rec);
        if (!map.ok)
        {
            Problem(ScenarioFileOf(Edition), where, "its map " + std::to_string(rec.MapNumber) + " does not load");
            return;
        }
        const GameState& s = *map.state;
        const auto ports = [&](int owner, int kind) {
            int n = 0;
            for (int p = 1; p <= s.PortCount; ++p)
            {
                n += s.Port(p).Owner == owner && (kind == 0 || s.Port(p).Kind == kind) ? 1 : 0;
            }
            return n;
        };
        for (const auto& [side, forces] : {std::pair{SidePlayer, &player}, std::pair{SideEnemy, &enemy}})
        {
            const bool aircraft = std::any_of(forces->classes.begin(), forces->classes.end(),
                                              [](const auto& entry) { return IsAircraft(entry.first); });
            if (aircraft && ports(side, 0) == 0)
            {
                Problem(forcesFile, where, std::string(side == SidePlayer ? "the player" : "the computer") +
                                               " has aircraft but no port on map " + std::to_string(rec.MapNumber));
            }
        }
        for (const int nation : nations)
        {
            const auto [first, second] = HomeKeys(nation);
            bool found = false;
            for (int z = 1; z <= HomeZoneCount; ++z)
            {
                found = found || s.AIZone(z).Key == first || s.AIZone(z).Key == second;
            }
            if (!found)
            {
                Problem(MapFileName(rec.MapNumber), where, "nation " + std::to_string(nation) + " finds no home zone");
            }
        }
        if (IsAxis(rec.PlayerNation) == IsAxis(rec.EnemyNation))
        {
            Problem(ScenarioFileOf(Edition), where, "both sides belong to the same alliance, so they share home zones");
        }
        CheckGoal(rec, where, s, player, enemy, ports(SideEnemy, PortKindMajor), ports(SidePlayer, PortKindMajor));
        for (const ScenarioMark& mark : rec.Marks)
        {
            if (mark.X != 0 && !Water(s, mark.X, mark.Y))
            {
                Problem(ScenarioFileOf(Edition), where, "a marked ship would start on land or a port at " +
                                                            std::to_string(mark.X) + "-" + std::to_string(mark.Y));
            }
            if (mark.X != 0 && player.Count(mark.Class) == 0)
            {
                Problem(ScenarioFileOf(Edition), where, "a mark names class " + std::to_string(mark.Class) +
                                                            ", which the player does not have");
            }
        }
        for (const int selector : {rec.NamedShipClass1, rec.NamedShipClass2})
        {
            if (selector != 0 && (selector <= 100 ? player.Count(selector) : enemy.Count(selector - 100)) == 0)
            {
                Problem(ScenarioFileOf(Edition), where, "a named ship is of a class its side does not have");
            }
        }
    }

    void CheckGoal(const ScenarioRec& rec, const std::string& where, const GameState& s, const SideForces& player,
                   const SideForces& enemy, int enemyMajors, int playerMajors)
    {
        const std::string file = ScenarioFileOf(Edition);
        const SideStatsRec& goal = rec.SideSettings[0];
        switch (goal[GoalTypeByte])
        {
            case GoalConquerPorts:
                if (enemyMajors == 0)
                {
                    Problem(file, where, "goal 1 asks to conquer the enemy's major ports, but map " +
                                             std::to_string(rec.MapNumber) + " gives the enemy none");
                }
                break;
            case GoalDefendPorts:
                if (playerMajors == 0 || goal[GoalBestByte] > playerMajors)
                {
                    Problem(file, where, "goal 2 asks to hold " + std::to_string(goal[GoalBestByte]) + " major ports, the player has " +
                                             std::to_string(playerMajors));
                }
                break;
            case GoalSinkClass:
                if (goal[GoalKillCountByte] == 0 || enemy.Count(goal[GoalClassByte]) < goal[GoalKillCountByte])
                {
                    Problem(file, where, "goal 3 asks to sink " + std::to_string(goal[GoalKillCountByte]) + " of class " +
                                             std::to_string(goal[GoalClassByte]) + ", the computer has " +
                                             std::to_string(enemy.Count(goal[GoalClassByte])));
                }
                break;
            case GoalConvoy:
                if (goal[GoalPortByte] < 1 || goal[GoalPortByte] > s.PortCount)
                {
                    Problem(file, where, "goal 4 names port " + std::to_string(goal[GoalPortByte]) + ", which the map does not have");
                }
                if (player.Count(goal[GoalClassByte]) < goal[GoalBestByte])
                {
                    Problem(file, where, "goal 4 asks to bring " + std::to_string(goal[GoalBestByte]) + " of class " +
                                             std::to_string(goal[GoalClassByte]) + " to port, the player has " +
                                             std::to_string(player.Count(goal[GoalClassByte])));
                }
                break;
            default:
                break;
        }
    }

    /// Loads the scenario and its map and creates both sides' forces as the game does: every
    /// ship must find room in its nation's home zone, and every unit a name from its list.
    void PlaceForces(const ScenarioRec& rec, int slot, const std::string& where)
    {
        GameState& s = game_.state;
        ResetGame(s);
        s.GameMode = rec.Kind;
        s.Rank = RankCaptain;
        if (!LoadScenario(game_, slot))
        {
            Problem(ScenarioFileOf(Edition), where, "the scenario does not load");
            return;
        }
        s.MapNumber = rec.MapNumber;
        s.PlayerNation = rec.PlayerNation;
        s.EnemyNation = rec.EnemyNation;
        ClearMaps(s);
        if (!LoadMapFile(game_, rec.MapNumber))
        {
            return; // reported with the map
        }
        PlaceSideForces(game_, rec.ScenarioId, SidePlayer);
        PlaceSideForces(game_, rec.ScenarioId, SideEnemy);
        for (const int side : {SidePlayer, SideEnemy})
        {
            const int count = side == SidePlayer ? s.PlayerShipCount : s.EnemyShipCount;
            int homeless = 0;
            int unnamed = 0;
            for (int k = 1; k <= count; ++k)
            {
                const UnitRec& u = s.Unit(SideBase(side) + k);
                if (u.Active == 0)
                {
                    continue;
                }
                homeless += u.X == 0 && !IsAircraft(u.Class) && u.Class < 100 ? 1 : 0;
                CheckPlacement(u, where);
                unnamed += u.Name.Str().rfind("M-", 0) == 0 ? 1 : 0;
            }
            const std::string name = side == SidePlayer ? "the player" : "the computer";
            if (homeless > 0)
            {
                Problem(MapFileName(rec.MapNumber), where, std::to_string(homeless) + " ships of " + name +
                                                               " find no room in their home zone");
            }
            if (unnamed > 0)
            {
                Problem(NameFileOf(side == SidePlayer ? rec.PlayerNation : rec.EnemyNation), where,
                        std::to_string(unnamed) + " units of " + name + " found no free name in their list");
            }
        }
    }

    /// A unit on the map stands in a field that holds its number, never on land, and a
    /// two-cell ship's second cell lies right next to it.
    void CheckPlacement(const UnitRec& u, const std::string& where)
    {
        if (u.X == 0)
        {
            return;
        }
        const GameState& s = game_.state;
        const std::string file = MapFileName(s.MapNumber);
        const std::string unit = "unit " + std::to_string(u.Id);
        if (s.MapGrid(u.X, u.Y) != u.Id || DecodeCode(u.Under).land)
        {
            Problem(file, where, unit + " does not stand on a sea field of its own");
        }
        if (!HasSecondUnit(u.Class))
        {
            return;
        }
        const UnitRec& second = s.Unit(SecondCell(u.Id));
        if (second.X == 0 || std::abs(second.X - u.X) > 1 || std::abs(second.Y - u.Y) > 1 ||
            s.MapGrid(second.X, second.Y) != SecondCell(u.Id) || DecodeCode(second.Under).land)
        {
            Problem(file, where, unit + " is a two-cell ship whose second cell is not beside it at sea");
        }
    }

    void StartScenario(const ScenarioRec& rec, int slot, const std::string& where)
    {
        ResetGame(game_.state);
        game_.state.GameMode = rec.Kind;
        game_.state.Rank = RankCaptain;
        if (!LoadScenario(game_, slot))
        {
            Problem(ScenarioFileOf(Edition), where, "the scenario does not load");
            return;
        }
        options_.startCheck(game_, rec, where, report_);
    }

    void CheckNameFiles()
    {
        for (const auto& [nation, classes] : fielded_)
        {
            const std::string file = NameFileOf(nation);
            const std::optional<std::string> text = files_.Read(file);
            if (!text)
            {
                Problem(file.empty() ? "BAZE/IME" : file, "", "the name file of nation " + std::to_string(nation) + " is missing");
                continue;
            }
            std::set<int> wanted;
            for (int c : classes)
            {
                if (c != 0)
                {
                    wanted.insert(NameListClassOf(c));
                }
            }
            if (classes.count(0) != 0)
            {
                for (int c = 1; c <= 99; ++c)
                {
                    if (game_.classes.Class(c).Name.Length != 0)
                    {
                        wanted.insert(NameListClassOf(c));
                    }
                }
            }
            for (int k : wanted)
            {
                const std::vector<std::string> list = ReadNameList(*text, k);
                const std::size_t n = list.size();
                const auto blank = std::count_if(list.begin(), list.end(), [](const std::string& name) {
                    return name.find_first_not_of(' ') == std::string::npos;
                });
                if (n != 10 && n != 15 && n != 20)
                {
                    Problem(file, "list " + std::to_string(k), "holds " + std::to_string(n) + " names, not 10, 15 or 20");
                }
                else if (blank != 0)
                {
                    Problem(file, "list " + std::to_string(k), "has " + std::to_string(blank) +
                                                                   " empty names: a name line is missing or short");
                }
            }
        }
    }

    void CheckRankFiles()
    {
        for (int nation = 1; nation <= NationCount; ++nation)
        {
            const std::string file = RankFileOf(nation);
            const std::optional<std::string> text = files_.Read(file);
            if (!text)
            {
                Problem(file, "", "the rank file is missing");
                continue;
            }
            const RankFile ranks = ReadRankFile(*text);
            for (int line : ranks.BadLines)
            {
                Problem(file, "line " + std::to_string(line), "a rank line starts with its index 1..28 and holds a title");
            }
            std::set<int> seen;
            for (const RankTitle& rank : ranks.Titles)
            {
                seen.insert(rank.Index);
            }
            if (static_cast<int>(seen.size()) != RankTitleCount)
            {
                Problem(file, "", "holds " + std::to_string(seen.size()) + " of the 28 rank titles");
            }
        }
    }

    void CheckLevelFile()
    {
        const std::string file(LevelFile);
        const std::optional<std::string> text = files_.Read(file);
        if (!text)
        {
            Problem(file, "", "the difficulty pictures are missing");
            return;
        }
        const LevelLayout layout = ReadLevelLayout(*text);
        for (int line : layout.BadLines)
        {
            Problem(file, "line " + std::to_string(line), "a line holds four numbers: panel, column, row, picture");
        }
        for (const LevelEntry& entry : layout.Entries)
        {
            if (entry.Panel < FirstPicturePanel && !ClassExists(entry.Picture))
            {
                Problem(file, "line " + std::to_string(entry.Line), "class " + std::to_string(entry.Picture) + " does not exist");
            }
        }
    }

    void CheckTexts()
    {
        static const std::array<const char*, 4> sideTexts = {"BAZE/TXT/USA.TXT", "BAZE/TXT/ger.TXT", "BAZE/TXT/GB.TXT",
                                                             "BAZE/TXT/JAP.TXT"};
        for (const ScenarioRec& rec : scenarios_)
        {
            if (rec.Kind == ModeCampaign && rec.PlayerNation >= 1 && rec.PlayerNation <= 4 &&
                !files_.Find(sideTexts[static_cast<std::size_t>(rec.PlayerNation - 1)]))
            {
                Problem(sideTexts[static_cast<std::size_t>(rec.PlayerNation - 1)], "",
                        "the side text of campaign " + Quoted(rec.Title.Str()) + " is missing");
            }
        }
        CheckMissionPictures();
        if (!files_.Find("help2/help.htm"))
        {
            Problem("help2/help.htm", "", "the help page is missing");
        }
    }

    /// Every step a player can start shows a mission picture: the table names its code, and
    /// where the folder holds pictures, the picture must be there.
    void CheckMissionPictures()
    {
        const std::string file = "BAZE/TXT/MISSIONPIC.TXT";
        const std::optional<std::string> text = files_.Read(file);
        if (!text)
        {
            Problem(file, "", "the mission-picture table is missing");
            return;
        }
        std::map<int, std::string> codes;
        std::istringstream lines(*text);
        std::string line;
        int number = 0;
        while (std::getline(lines, line))
        {
            ++number;
            std::istringstream fields(line);
            int step = 0;
            std::string code;
            if (!(fields >> step >> code) || code.size() > 4)
            {
                Problem(file, "line " + std::to_string(number), "a line holds a step and a picture code of up to 4 characters");
                continue;
            }
            codes[step] = code;
        }
        const bool pictures = files_.Find("BMP/1").has_value();
        for (const ScenarioRec& rec : scenarios_)
        {
            if (rec.Kind == ModeCampaign)
            {
                continue;
            }
            const auto at = codes.find(rec.ScenarioId);
            if (at == codes.end())
            {
                Problem(file, RecordName(rec, rec.Slot), "the step has no mission picture");
            }
            else if (pictures && !files_.Find("BMP/1/" + at->second + ".JPG"))
            {
                Problem(file, RecordName(rec, rec.Slot), "its picture BMP/1/" + at->second + ".JPG is missing");
            }
        }
    }

    DataFiles files_;
    FixedSeedSource seeds_{20260101};
    Random random_;
    HeadlessPresenter presenter_;
    SteadyClock clock_;
    Game game_;
    const ValidateOptions& options_;
    ValidationReport report_;
    std::vector<ScenarioRec> scenarios_;
    std::set<int> ids_;
    std::string forcesText_;
    std::map<std::pair<int, bool>, LoadedMap> maps_;
    std::set<int> layoutChecked_;
    std::map<int, std::set<int>> fielded_;
};

} // namespace

std::vector<ValidationProblem> ValidateGameFolder(const std::filesystem::path& base, const ValidateOptions& options)
{
    std::error_code error;
    if (!std::filesystem::is_directory(base, error))
    {
        return {{base.string(), "", "is not a folder"}};
    }
    std::vector<ValidationProblem> problems = FolderCheck(base, options).Run();
    if (options.checkPicturesAndSounds)
    {
        ValidationReport art;
        CheckPicturesAndSounds(DataFiles(base, base), art);
        problems.insert(problems.end(), art.Problems().begin(), art.Problems().end());
    }
    return problems;
}

ScenarioStartCheck StartAndPlayCheck(int turns)
{
    return [turns](Game& game, const ScenarioRec& scenario, const std::string& where, ValidationReport& report) {
        const std::string file = ScenarioFileOf(Edition);
        const auto broken = [&](const std::string& when) {
            for (const std::string& fault : CheckInvariants(game.state))
            {
                report.Add(file, where, when + ": " + fault);
            }
            return !report.Problems().empty();
        };
        if (!ChooseScenario(game, scenario.Slot) || !StartScenario(game))
        {
            report.Add(file, where, "the scenario does not start");
            return;
        }
        if (broken("after the start"))
        {
            return;
        }
        auto* headless = dynamic_cast<HeadlessPresenter*>(&game.presenter);
        if (headless == nullptr)
        {
            return;
        }
        game.state.ViewColumns = std::max(game.state.ViewColumns, 20);
        game.state.ViewRows = std::max(game.state.ViewRows, 14);
        Autoplayer player(game, *headless);
        BeginGame(game);
        for (int turn = 1; turn <= turns && game.state.GameOver == 0; ++turn)
        {
            player.PlayTurn();
            if (broken("in turn " + std::to_string(turn)))
            {
                return;
            }
        }
    };
}

int RunValidate(const std::filesystem::path& base, std::ostream& out)
{
    ValidateOptions options;
    options.startCheck = StartAndPlayCheck(3);
    options.checkPicturesAndSounds = true;
    const std::vector<ValidationProblem> problems = ValidateGameFolder(base, options);
    for (const ValidationProblem& p : problems)
    {
        out << p.file << ": " << (p.where.empty() ? "" : p.where + ": ") << p.what << "\n";
    }
    if (problems.empty())
    {
        out << "validate: " << base.string() << " is sound\n";
        return 0;
    }
    out << "validate: " << problems.size() << " problem" << (problems.size() == 1 ? "" : "s") << " in "
        << base.string() << "\n";
    return 1;
}

} // namespace olvane
