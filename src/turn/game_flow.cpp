#include "turn/game_flow.h"

#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "ai/scenario_start.h"
#include "state/map_file.h"
#include "state/save_file.h"
#include "state/scenario.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>

namespace olvane
{

namespace
{

constexpr std::size_t SelectionNameLength = 19;
constexpr std::size_t MaxPictureCodeLength = 4;
constexpr std::uint32_t MissionPictureCount = 10;

bool IsPictureCode(std::string_view code)
{
    return !code.empty() && code.size() <= MaxPictureCodeLength &&
           std::all_of(code.begin(), code.end(), [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)); });
}

/// A save keeps no group table; LoadGame gathers the members again. Each group then takes the
/// zone and sector its first ship afloat was patrolling, or the home zone when that ship names no
/// zone of this map, so the computer picks up its patrols where the save left them.
void RestoreGroupPatrols(GameState& state)
{
    const int lastZone = LastZone(state);
    const int home = EnemyHomeZone(state);
    for (int g = 1; g <= GroupCount; ++g)
    {
        const std::vector<int> members = ActiveMembers(state, g);
        if (members.empty())
        {
            continue;
        }
        const UnitRec& first = state.Unit(members.front());
        AIGroupRec& group = state.AIGroup(g);
        const bool ownZone = first.AIWork1 >= 1 && first.AIWork1 <= lastZone;
        group.Zone = static_cast<std::uint8_t>(ownZone ? first.AIWork1 : home);
        group.PreviousZone = group.Zone;
        group.Sector = ownZone ? first.AIWork2 : 0;
    }
}

} // namespace

void StartNewGame(GameState& state, std::uint8_t mode)
{
    const std::uint16_t scenario = state.ScenarioNumber;
    state.GameMode = mode;
    ResetGame(state);
    state.MissionScore = 0;
    if (mode == ModeCampaign)
    {
        ResetCampaign(state);
        state.ScenarioNumber = scenario;
    }
    else
    {
        state.ScenarioNumber = 1;
    }
    state.Flow.Quit = 0;
    state.Flow.JustLoaded = 0;
    state.Flow.Curtain = 1;
}

void OpenDifficulty(GameState& state)
{
    state.Rank = RankCaptain;
}

void ChooseRank(GameState& state, int rank)
{
    if (rank >= 1 && rank <= 3)
    {
        state.Rank = static_cast<std::uint8_t>(rank);
    }
}

std::vector<SelectionRow> BuildSelectionList(const Game& game)
{
    std::vector<SelectionRow> rows;
    for (const ScenarioRec& rec : ReadScenarioDatabase(game.files, game.state.EditionNumber))
    {
        if (rec.Kind != game.state.GameMode)
        {
            continue;
        }
        SelectionRow row;
        row.Slot = rec.Slot;
        row.ScenarioId = rec.ScenarioId;
        row.Name = rec.Title.Str().substr(0, SelectionNameLength);
        row.PlayerNation = rec.PlayerNation;
        row.EnemyNation = rec.EnemyNation;
        row.MapNumber = rec.MapNumber;
        row.StartPoints = rec.StartPoints;
        row.FirstStep = rec.CampaignSteps[0];
        rows.push_back(std::move(row));
    }
    return rows;
}

void OpenSelection(GameState& state)
{
    state.PlayerNation = NationUnitedStates;
    state.EnemyNation = NationThirdReich;
}

bool SelectRow(Game& game, const SelectionRow& row)
{
    GameState& state = game.state;
    if (!ChooseScenario(game, row.Slot))
    {
        return false;
    }
    if (state.GameMode == ModeCampaign)
    {
        return true;
    }
    // The map loader asks the goals whether its major-port codes count, so the record comes first.
    if (!LoadScenario(game, state.ScenarioNumber))
    {
        return false;
    }
    state.MapWidth = MapSize;
    state.MapHeight = MapSize;
    ClearMaps(state);
    LoadMapFile(game, state.MapNumber);
    return true;
}

void BackToMenu(GameState& state)
{
    ResetGame(state);
    state.Flow.Curtain = 0;
}

BriefingStart ActivateBriefing(Game& game)
{
    GameState& state = game.state;
    state.Flow.Quit = 0;
    if (state.Flow.JustLoaded != 0 || state.TurnNumber != 0 || state.Flow.Started != 0)
    {
        return BriefingStart::LabelsOnly;
    }
    state.Flow.Started = 1;
    state.MissionScore = 0;
    if (!StartScenario(game))
    {
        ResetGame(state);
        state.Flow.Curtain = 0;
        return BriefingStart::Failed;
    }
    return BriefingStart::Started;
}

BriefingExit LeaveBriefing(Game& game)
{
    GameState& state = game.state;
    BriefingExit exit;
    if (state.TurnNumber == 0)
    {
        game.random.Reseed();
        state.Flow.MissionPicture = static_cast<std::uint8_t>(1 + game.random.Below(MissionPictureCount));
        exit.showPicture = true;
        exit.showMainWindow = true;
    }
    if (state.Flow.JustLoaded != 0)
    {
        state.Flow.JustLoaded = 0;
        exit.showMainWindow = true;
    }
    return exit;
}

bool LoadSavedGame(Game& game, const std::filesystem::path& path)
{
    auto fresh = std::make_unique<Game>(game.presenter, game.random, game.files, game.clock,
                                        GameHooks{game.opponent, game.turns});
    fresh->classes = game.classes;
    fresh->state.EditionNumber = game.state.EditionNumber;
    ResetGame(fresh->state);
    if (!LoadGame(*fresh, path))
    {
        return false;
    }
    RestoreGroupPatrols(fresh->state);
    fresh->state.Flow = game.state.Flow;
    fresh->state.Flow.Quit = 0;
    fresh->state.Flow.JustLoaded = 1;
    fresh->state.Flow.Started = 1;
    game.state = std::move(fresh->state);
    return true;
}

std::string MissionPictureCode(const DataFiles& files, int step)
{
    const std::optional<std::string> text = files.Read(MissionPictureTable);
    if (!text)
    {
        return {};
    }
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream fields(line);
        int lineStep = 0;
        std::string code;
        if (fields >> lineStep >> code && lineStep == step)
        {
            return IsPictureCode(code) ? code : std::string();
        }
    }
    return {};
}

std::string MissionPictureTitle(const GameState& state)
{
    std::string word;
    switch (state.GameMode)
    {
        case ModeDeathMatch:
            word = "DEATH-MATCH: ";
            break;
        case ModeCampaign:
            word = "CAMPAIGN MISSION: ";
            break;
        default:
            word = "MISSION: ";
            break;
    }
    return word + state.CurrentScenario.Title.Str();
}

std::string SelectionHeading(int mode)
{
    switch (mode)
    {
        case ModeDeathMatch:
            return "SELECT DEATH MATCH:";
        case ModeCampaign:
            return "SELECT CAMPAIGN:";
        default:
            return "SELECT MISSION:";
    }
}

std::string SideTextFile(int nation)
{
    switch (nation)
    {
        case NationUnitedStates:
            return "BAZE/TXT/USA.TXT";
        case NationThirdReich:
            return "BAZE/TXT/ger.TXT";
        case NationGreatBritain:
            return "BAZE/TXT/GB.TXT";
        case NationJapan:
            return "BAZE/TXT/JAP.TXT";
        default:
            return {};
    }
}

std::string RankName(int rank)
{
    switch (rank)
    {
        case 1:
            return "CADET";
        case 2:
            return "CAPTAIN";
        case 3:
            return "ADMIRAL";
        default:
            return {};
    }
}

} // namespace olvane
