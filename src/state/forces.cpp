#include "state/forces.h"

#include "state/cell_code.h"
#include "state/unit_creation.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace olvane
{

namespace
{

constexpr std::string_view MessageForcesNotFound = "FORCES FILE NOT FOUND";

// The line after a key: one unused value, then four values per group.
constexpr std::size_t ForceLineValues = 1 + 4 * ForceGroupCount;

// Shore defences: one installation per full hundred of strength, a chance for one more.
constexpr int DefencePerInstallation = 100;
constexpr std::uint32_t ExtraInstallationDraw = 101;
constexpr int InstallationKinds = 4;

/// Splits a line into its blank-separated words.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true)
    {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos)
        {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

std::optional<int> Integer(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
    {
        word.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size())
    {
        return std::nullopt;
    }
    return value;
}

/// The whole numbers at the head of a line, up to the first word that is not one.
std::vector<int> Numbers(std::string_view line, std::size_t most)
{
    std::vector<int> numbers;
    for (std::string_view word : Words(line))
    {
        const auto value = Integer(word);
        if (!value || numbers.size() == most)
        {
            break;
        }
        numbers.push_back(*value);
    }
    return numbers;
}

std::string_view NextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

/// A class the forces file may field: one of the table's classes in use.
bool IsFieldedClass(const Game& game, int c)
{
    return c >= 1 && c <= ClassCount && game.classes.Class(c).Name.Length != 0;
}

/// The nearest free shore cell around a port, ring by ring: guns and radars stand on land, as the
/// player's own installations must. Nothing when none of the 37 cells is free land.
std::optional<std::pair<int, int>> FreeCellNear(const Game& game, int x, int y)
{
    for (const CellOffset& offset : game.classes.NeighbourOffsets)
    {
        const int cx = x + offset.dx;
        const int cy = y + offset.dy;
        if (OnMap(game.state, cx, cy) && !IsUnitCode(game.state.MapGrid(cx, cy)) &&
            IsLandCell(game.state, cx, cy))
        {
            return std::pair{cx, cy};
        }
    }
    return std::nullopt;
}

} // namespace

ForceTable ReadForces(std::string_view text, int key)
{
    ForceTable table;
    while (!text.empty())
    {
        const std::vector<int> head = Numbers(NextLine(text), 1);
        if (head.empty() || head.front() != key)
        {
            continue;
        }
        table.Found = true;
        std::vector<int> values = Numbers(NextLine(text), ForceLineValues);
        values.resize(ForceLineValues, 0);
        for (std::size_t g = 0; g < ForceGroupCount; ++g)
        {
            const std::size_t at = 1 + 4 * g;
            table.Groups[g] = {values[at], values[at + 1], values[at + 2], values[at + 3]};
        }
        break;
    }
    return table;
}

void PlaceSideForces(Game& game, int scenarioId, int side)
{
    if (side != SidePlayer && side != SideEnemy)
    {
        throw RangeError("side", side);
    }
    GameState& state = game.state;
    const int key = side == SidePlayer ? scenarioId : scenarioId + 1;
    ForceTable forces;
    if (const auto text = game.files.Read(ForcesFile))
    {
        forces = ReadForces(*text, key);
    }
    else
    {
        game.presenter.ShowError(MessageForcesNotFound);
    }
    if (side == SideEnemy)
    {
        state.AIGroupCount = 0;
    }

    const int base = SideBase(side);
    int nextSlot = 1;
    for (int g = 1; g <= ForceGroupCount && nextSlot <= MaxSideSlots; ++g)
    {
        const ForceGroup& group = forces.Groups[static_cast<std::size_t>(g - 1)];
        const bool fieldsA = IsFieldedClass(game, group.ClassA);
        const bool fieldsB = IsFieldedClass(game, group.ClassB);
        if (group.ClassA == 0 || (!fieldsA && !fieldsB))
        {
            continue;
        }
        if (side == SideEnemy)
        {
            ++state.AIGroupCount;
        }
        const std::pair<int, int> lines[] = {{fieldsA ? group.ClassA : 0, group.CountA},
                                             {fieldsB ? group.ClassB : 0, group.CountB}};
        for (const auto& [c, count] : lines)
        {
            for (int i = 0; c != 0 && i < count && nextSlot <= MaxSideSlots; ++i)
            {
                CreateUnit(game, base + nextSlot, c, g);
                ++nextSlot;
            }
        }
    }
    const auto shipCount = static_cast<std::uint8_t>(nextSlot - 1);
    if (side == SidePlayer)
    {
        state.PlayerShipCount = shipCount;
    }
    else
    {
        state.EnemyShipCount = shipCount;
    }
}

void PlaceEnemyPortDefences(Game& game, int v, int n)
{
    GameState& state = game.state;
    const int strength = std::max(v, 0);
    // Only four kinds of installation exist: light, medium and heavy port guns and the long-range radar.
    const int kinds = std::clamp(n, 1, InstallationKinds);
    game.random.Reseed();
    int placed = 0;
    const int portCount = std::min<int>(state.PortCount, MaxPorts);
    for (int p = 1; p <= portCount; ++p)
    {
        const PortRec port = state.Port(p);
        if (port.Owner != SideEnemy)
        {
            continue;
        }
        int count = strength / DefencePerInstallation;
        if (static_cast<int>(game.random.Below(ExtraInstallationDraw)) <= strength % DefencePerInstallation)
        {
            ++count;
        }
        for (int k = 0; k < count; ++k)
        {
            const int slot = state.EnemyShipCount + placed + 1;
            if (slot > MaxSideSlots)
            {
                break;
            }
            const int r = static_cast<int>(game.random.Below(static_cast<std::uint32_t>(kinds)));
            const int c = 3 * (r + 1) + 97;
            // No room around the port: the slot stays free for the next installation.
            if (const auto cell = FreeCellNear(game, port.X, port.Y))
            {
                PlaceInstallation(game, EnemyBaseId + slot, c, cell->first, cell->second);
                ++placed;
            }
        }
    }
    state.EnemyShipCount = static_cast<std::uint8_t>(state.EnemyShipCount + placed);
}

void PlaceInstallation(Game& game, int u, int c, int x, int y)
{
    GameState& state = game.state;
    const ClassRec& cls = game.classes.Class(c);
    const std::uint16_t under = state.MapGrid(x, y);
    UnitRec& unit = state.Unit(u);
    unit.Id = static_cast<std::uint16_t>(u);
    unit.Active = 1;
    unit.Class = static_cast<std::uint8_t>(c);
    unit.Speed = 0;
    unit.Facing = 0;
    unit.Range = cls.Range;
    unit.Armor = cls.Armor;
    unit.Fire = cls.Fire;
    unit.MovedThisTurn = 0;
    unit.X = static_cast<std::uint8_t>(x);
    unit.Y = static_cast<std::uint8_t>(y);
    unit.Picture = cls.Sprite;
    unit.Visible = IsEnemy(u) ? 0 : 1;
    unit.Under = under;
    state.MapGrid(x, y) = static_cast<std::uint16_t>(u);
}

} // namespace olvane
