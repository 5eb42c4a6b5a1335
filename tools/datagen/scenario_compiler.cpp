#include "scenario_compiler.h"

#include "state/scenario_record.h"

#include <map>
#include <set>

namespace olvane::datagen
{

namespace
{

constexpr int FirstScenarioId = 10;
constexpr int LastScenarioId = 513;

std::uint8_t Byte(const SourceLine& line, const std::string& word)
{
    return static_cast<std::uint8_t>(ToInt(line, word, 0, 255));
}

std::uint16_t Word16(const SourceLine& line, const std::string& word)
{
    return static_cast<std::uint16_t>(ToInt(line, word, 0, 65535));
}

/// "43*2+53" is two destroyers and a cruiser in one group; "80" is one fighter.
ForceGroup ReadGroup(const SourceLine& line, const std::string& word)
{
    ForceGroup group;
    const auto part = [&](const std::string& text, int& cls, int& count) {
        const auto star = text.find('*');
        cls = ToInt(line, text.substr(0, star), 1, 109);
        count = star == std::string::npos ? 1 : ToInt(line, text.substr(star + 1), 1, 100);
    };
    const auto plus = word.find('+');
    part(word.substr(0, plus), group.classA, group.countA);
    if (plus != std::string::npos)
    {
        part(word.substr(plus + 1), group.classB, group.countB);
    }
    return group;
}

/// goal TYPE T1 T2 T3 [class=C] [count=N] [port=P] [limit=L]
SideStatsRec ReadGoal(const SourceLine& line)
{
    SideStatsRec goal{};
    goal[0] = static_cast<std::uint8_t>(ToInt(line, Word(line, 1), 1, 5));
    for (std::size_t i = 1; i <= 3; ++i)
    {
        goal[i] = Byte(line, Word(line, 1 + i));
    }
    static const std::map<std::string, std::size_t> keys = {{"class", 5}, {"count", 6}, {"port", 7}, {"limit", 10}};
    for (std::size_t i = 5; i < line.words.size(); ++i)
    {
        const std::string& word = line.words[i];
        const auto eq = word.find('=');
        const auto key = keys.find(word.substr(0, eq));
        if (eq == std::string::npos || key == keys.end())
        {
            throw SourceError(line, "unknown goal value '" + word + "'");
        }
        goal[key->second] = Byte(line, word.substr(eq + 1));
    }
    return goal;
}

void SetText(const SourceLine& line, auto& field, const std::string& text, std::size_t width)
{
    if (text.size() > width || !IsPlainAscii(text))
    {
        throw SourceError(line, "'" + text + "' does not fit a field of " + std::to_string(width) + " characters");
    }
    field.Set(text);
}

void ReadKey(ScenarioSource& s, const SourceLine& line)
{
    ScenarioRec& r = s.rec;
    const std::string& key = line.words[0];
    if (key == "kind")
    {
        static const std::map<std::string, std::uint8_t> kinds = {
            {"freehunt", ModeDeathMatch}, {"mission", ModeMission}, {"campaign", ModeCampaign}};
        const auto kind = kinds.find(Word(line, 1));
        if (kind == kinds.end())
        {
            throw SourceError(line, "kind is freehunt, mission or campaign");
        }
        r.Kind = kind->second;
    }
    else if (key == "tag")
    {
        SetText(line, r.Tag, Word(line, 1) == "-" ? "" : Word(line, 1), 10);
    }
    else if (key == "nations")
    {
        r.PlayerNation = static_cast<std::uint8_t>(ToInt(line, Word(line, 1), 1, NationCount));
        r.EnemyNation = static_cast<std::uint8_t>(ToInt(line, Word(line, 2), 1, NationCount));
    }
    else if (key == "map")
    {
        r.MapNumber = Word16(line, Word(line, 1));
        r.MapPicture = static_cast<std::uint8_t>(ToInt(line, Word(line, 2), 1, 18));
    }
    else if (key == "points")
    {
        r.StartPoints = Word16(line, Word(line, 1));
    }
    else if (key == "defence")
    {
        r.PortDefence = Word16(line, Word(line, 1));
        r.PortDefenceKinds = static_cast<std::uint8_t>(ToInt(line, Word(line, 2), 1, 4));
    }
    else if (key == "raids")
    {
        r.AttackInterval = Byte(line, Word(line, 1));
    }
    else if (key == "restrict")
    {
        r.PurchaseRestriction = Byte(line, Word(line, 1));
    }
    else if (key == "portgroups")
    {
        r.PortGroupsFlag = Byte(line, Word(line, 1));
    }
    else if (key == "goal" || key == "enemygoal")
    {
        r.SideSettings[key == "goal" ? 0 : 1] = ReadGoal(line);
    }
    else if (key == "ship1" || key == "ship2")
    {
        const bool first = key == "ship1";
        SetText(line, first ? r.ShipName1 : r.ShipName2, Word(line, 1), 15);
        (first ? r.NamedShipClass1 : r.NamedShipClass2) = Byte(line, Word(line, 2));
    }
    else if (key == "disperse")
    {
        r.DisperseClasses1 = Byte(line, Word(line, 1));
        r.DisperseClasses2 = line.words.size() > 2 ? Byte(line, line.words[2]) : 0;
    }
    else if (key == "mark")
    {
        const auto free = std::find_if(r.Marks.begin(), r.Marks.end(), [](const ScenarioMark& m) { return m.X == 0; });
        if (free == r.Marks.end())
        {
            throw SourceError(line, "a scenario has at most six marks");
        }
        *free = {static_cast<std::uint8_t>(ToInt(line, Word(line, 1), 1, 109)),
                 static_cast<std::uint8_t>(ToInt(line, Word(line, 2), 1, 100)),
                 static_cast<std::uint8_t>(ToInt(line, Word(line, 3), 1, 100))};
    }
    else if (key == "facing")
    {
        r.MarkFacing = static_cast<std::uint8_t>(ToInt(line, Word(line, 1), 0, 7));
    }
    else if (key == "steps")
    {
        if (line.words.size() - 1 > r.CampaignSteps.size())
        {
            throw SourceError(line, "a campaign has at most 16 steps");
        }
        for (std::size_t i = 1; i < line.words.size(); ++i)
        {
            r.CampaignSteps[i - 1] =
                static_cast<std::uint16_t>(ToInt(line, line.words[i], FirstScenarioId, LastScenarioId));
        }
    }
    else if (key == "player" || key == "enemy")
    {
        auto& groups = key == "player" ? s.player : s.enemy;
        for (std::size_t i = 1; i < line.words.size(); ++i)
        {
            groups.push_back(ReadGroup(line, line.words[i]));
        }
    }
    else
    {
        throw SourceError(line, "unknown key '" + key + "'");
    }
}

int UnitCount(const std::vector<ForceGroup>& groups)
{
    int n = 0;
    for (const ForceGroup& g : groups)
    {
        n += g.countA + (g.classB != 0 ? g.countB : 0);
    }
    return n;
}

void CheckScenario(const ScenarioSource& s)
{
    const ScenarioRec& r = s.rec;
    if (r.Kind == 0)
    {
        throw SourceError(s.origin, "scenario has no kind");
    }
    if (r.Kind == ModeCampaign)
    {
        if (r.CampaignSteps[0] == 0 || r.MapNumber != 0)
        {
            throw SourceError(s.origin, "a campaign header lists steps and names no map");
        }
        return;
    }
    if (r.MapNumber == 0 || r.PlayerNation == 0 || r.EnemyNation == 0 || r.SideSettings[0][0] == 0)
    {
        throw SourceError(s.origin, "scenario needs nations, a map and a goal");
    }
    for (const auto* side : {&s.player, &s.enemy})
    {
        if (side->empty() || side->size() > ForceGroupCount || UnitCount(*side) > MaxSideSlots)
        {
            throw SourceError(s.origin, "a side has 1..20 groups and at most 100 units");
        }
    }
    for (const ForceGroup& g : s.enemy)
    {
        if (g.countA + (g.classB != 0 ? g.countB : 0) > 4)
        {
            throw SourceError(s.origin, "a computer group has at most four units");
        }
    }
}

} // namespace

std::vector<ScenarioSource> ReadScenarioSources(const std::filesystem::path& dir)
{
    std::vector<ScenarioSource> scenarios;
    for (const auto& file : SourceFiles(dir, ".txt"))
    {
        for (const SourceLine& line : ReadSourceLines(file))
        {
            if (line.words.empty())
            {
                continue;
            }
            if (line.words[0] == "scenario")
            {
                ScenarioSource s;
                s.origin = line;
                s.rec.ScenarioId = static_cast<std::uint16_t>(ToInt(line, Word(line, 1), FirstScenarioId, LastScenarioId));
                SetText(line, s.rec.Title, Word(line, 2), 25);
                s.rec.MarkFacing = 6;
                scenarios.push_back(std::move(s));
                continue;
            }
            if (scenarios.empty())
            {
                throw SourceError(line, "a value before the first scenario line");
            }
            ReadKey(scenarios.back(), line);
        }
    }
    std::set<int> ids;
    for (std::size_t i = 0; i < scenarios.size(); ++i)
    {
        ScenarioSource& s = scenarios[i];
        s.rec.Slot = static_cast<std::uint16_t>(i + 1);
        CheckScenario(s);
        if (!ids.insert(s.rec.ScenarioId).second)
        {
            throw SourceError(s.origin, "scenario id used twice");
        }
    }
    // The computer's forces are filed under id + 1, so that number must not be a scenario too.
    for (const ScenarioSource& s : scenarios)
    {
        if (ids.count(s.rec.ScenarioId + 1) != 0)
        {
            throw SourceError(s.origin, "the next id is a scenario too: its forces key would clash");
        }
        for (std::uint16_t step : s.rec.CampaignSteps)
        {
            if (step != 0 && ids.count(step) == 0)
            {
                throw SourceError(s.origin, "campaign step " + std::to_string(step) + " is no scenario");
            }
        }
    }
    return scenarios;
}

std::string CompileScenarioFile(const std::vector<ScenarioSource>& scenarios)
{
    std::string bytes;
    for (const ScenarioSource& s : scenarios)
    {
        const ScenarioBytes record = EncodeScenario(s.rec);
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

namespace
{

std::string ForcesLine(const std::vector<ForceGroup>& groups)
{
    // The first number of the line is never read as forces; 0 also keeps it from ever matching
    // a scenario key while the file is searched.
    std::string line = "0";
    for (int g = 0; g < ForceGroupCount; ++g)
    {
        const ForceGroup group = g < static_cast<int>(groups.size()) ? groups[static_cast<std::size_t>(g)] : ForceGroup{};
        for (int value : {group.classA, group.countA, group.classB, group.countB})
        {
            line += ' ' + std::to_string(value);
        }
    }
    return line + "\n";
}

} // namespace

std::string CompileForcesFile(const std::vector<ScenarioSource>& scenarios)
{
    std::string text;
    for (const ScenarioSource& s : scenarios)
    {
        if (s.rec.Kind == ModeCampaign)
        {
            continue;
        }
        text += std::to_string(s.rec.ScenarioId) + "\n" + ForcesLine(s.player);
        text += std::to_string(s.rec.ScenarioId + 1) + "\n" + ForcesLine(s.enemy);
    }
    return text;
}

} // namespace olvane::datagen
