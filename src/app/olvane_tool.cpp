// olvane-tool: the headless companion for scenario authors and testers. Each command runs the
// game's own loaders and prints the resulting game state as JSON.

#include "app/json_writer.h"
#include "app/program_info.h"
#include "app/state_json.h"
#include "app/tool_balance.h"
#include "app/tool_simulate.h"
#include "app/tool_start.h"
#include "app/tool_validate.h"
#include "state/class_table.h"
#include "state/game.h"
#include "state/map_file.h"
#include "state/save_file.h"
#include "state/score_table.h"
#include "turn/autoplayer.h"
#include "turn/end_of_game.h"
#include "turn/game_flow.h"
#include "turn/production.h"
#include "turn/technology.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace olvane
{

namespace
{

constexpr int ExitOk = 0;
constexpr int ExitGameError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitInternal = 3;

constexpr std::string_view Usage = R"(usage: olvane-tool COMMAND [ARGS] [OPTIONS]

commands:
  dump-map N --base DIR [--goal-types A,B]
        load map file N of the game folder DIR (after clearing the maps; A and B are the
        mission types of the player's and the computer's side, 0,0 by default) and print the
        game state as JSON
  load FILE --base DIR [--save OUT]
        load the saved game FILE over the game folder DIR and print the game state as JSON;
        --save writes the loaded game again as OUT
  start --slot N --mode M --rank R --base DIR [--seed S] [--save FILE]
        start scenario slot N in game mode M (1 death match, 2 mission, 3 campaign) at rank R
        (1 cadet, 2 captain, 3 admiral) as the briefing does and print the game state as
        JSON; --save also writes it as a saved game
  simulate --slot N --turns T --base DIR [--seed S] [--mode M] [--rank R] [--json] [--save OUT]
        start the mission and play up to T whole turns headless, the player's side played by
        the autoplayer; print the turns played, the result, both sides' losses and the median
        time per turn (--json: as JSON with the final game state); --save writes the game as it
        stands after the turns as a saved game

  balance --seeds N --base DIR [--turns T] [--json]
        play every death match and mission of the scenario database at captain rank, the
        player's side played by the autoplayer, once for each seed 1..N and for at most T whole
        turns (500 by default); print one row per scenario: the slot, the title, the mode, the
        games, wins, defeats and others (not over or quit), the average turns played, the
        average losses of the player's side (lost) and of the computer's (sunk) and the
        average time per turn in milliseconds (--json: as a JSON array)

  act --base DIR --user-dir DIR (--load FILE | --slot N [--mode M] [--rank R]) [--seed S] ACTION...
        load a saved game, or start slot N as start does, then carry out the player's commands
        in order and print the game state as JSON with the end-of-game view (EndOfGame) and the
        three score tables of the user folder DIR (ScoreTables); actions:
          turn:N       play N whole turns with the autoplayer on the player's side
          end:RESULT   end the mission with result 0 defeat, 1 minor victory, 2 victory,
                       3 major victory or 100 mission aborted
          name:TEXT    enter TEXT into the score table of the game mode, where the score earns
                       a place
          buy:CLASS    BUY UNIT on the production list's row of class CLASS
          remove:CLASS REMOVE UNIT on that row
          finish       FINISH of the production window: the listed units are created; once the
                       mission has ended, leave the end-of-game window instead: back to the
                       menu, or on to the next mission of a campaign, whose briefing starts it
          tech:CATEGORY:ATTRIBUTE:MARK
                       BUY TECHNOLOGY on that mark (attribute 1 armour, 2 fire, 3 speed, 4 radar)
          restriction:N  set the scenario's purchase restriction (0..4, 11..14), for tests
          save:FILE    SAVE GAME of the mission status: the turn before the one shown, the
                       name lower-cased, ".sav" added when missing
          clear:MODE   CLEAR TABLE of the hall of fame, answered Yes: the score table of game
                       mode 1, 2 or 3 becomes fifteen empty places
        a refused action is listed under Errors (a box's text) or Messages (a message
        code) and the next one runs; the JSON adds Purchase (the list's Rows with a count:
        Row, Class, Count; and DeploymentPending) and Technology (all 73 marks: Category,
        Attribute, Mark, Price, State 0 available, 1 achieved, 2 previous mark needed)

  validate --base DIR
        check a game folder: every scenario, map, forces list, name list, rank file and text;
        prints one line per problem and exits with status 1 if there is any

options:
  --base DIR    the game folder (holding BAZE, BMP, EFF); default: the installed or generated one
  --user-dir DIR  the user's folder of saves and score tables (act)
  --seed N      a fixed seed for every random choice, so that a run can be repeated
  --help        this text
  --version     the game's version

exit status: 0 done, 1 the game reported an error (the JSON still shows the state and the
error), 2 bad arguments.
)";

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The tool's screen: it shows nothing, but remembers what the player would have been told.
class ToolPresenter final : public HeadlessPresenter
{
public:
    void ShowError(std::string_view text) override { shown.errors.emplace_back(text); }

    void ShowMessage(int code) override { shown.messages.push_back(code); }

    ShownToPlayer shown;
};

struct Arguments
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// Every option the commands know; each command then allows its own few.
constexpr std::array<std::string_view, 11> ValueOptions = {"base", "seed",       "slot",     "mode", "rank",
                                                           "turns", "goal-types", "user-dir", "load", "save",
                                                           "seeds"};
constexpr std::array<std::string_view, 3> FlagOptions = {"help", "version", "json"};

Arguments ParseArguments(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg.rfind("-", 0) != 0 || arg == "-")
        {
            args.positional.push_back(arg);
            continue;
        }
        const std::string name = arg == "-h" ? "help" : arg.rfind("--", 0) == 0 ? arg.substr(2) : "";
        const bool flag = std::find(FlagOptions.begin(), FlagOptions.end(), name) != FlagOptions.end();
        const bool valued = std::find(ValueOptions.begin(), ValueOptions.end(), name) != ValueOptions.end();
        if (!flag && !valued)
        {
            throw UsageError("unknown option " + arg);
        }
        // The same option twice would leave the reader guessing which one counts.
        if (args.options.contains(name))
        {
            throw UsageError("option --" + name + " is given twice");
        }
        if (flag)
        {
            args.options[name] = "";
            continue;
        }
        if (i + 1 >= argc)
        {
            throw UsageError("option " + arg + " needs a value");
        }
        args.options[name] = argv[++i];
    }
    return args;
}

int ParseNumber(std::string_view text, std::string_view what, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
    {
        throw UsageError(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + std::string(text) + "'");
    }
    return value;
}

void AllowOnly(const Arguments& args, std::initializer_list<std::string_view> allowed, std::size_t positional)
{
    for (const auto& [name, value] : args.options)
    {
        bool known = false;
        for (std::string_view a : allowed)
        {
            known = known || name == a;
        }
        if (!known)
        {
            throw UsageError("unknown option --" + name);
        }
    }
    if (args.positional.size() != positional + 1)
    {
        throw UsageError("command " + args.positional[0] + " takes " + std::to_string(positional) + " argument" +
                         (positional == 1 ? "" : "s"));
    }
}

std::filesystem::path BaseDirOf(const Arguments& args)
{
    const auto it = args.options.find("base");
    if (it == args.options.end())
    {
        if (std::optional<std::filesystem::path> found = FindGameFolder())
        {
            return *found;
        }
        throw UsageError("--base DIR is required: no game folder is installed with this program");
    }
    std::error_code error;
    if (!std::filesystem::is_directory(it->second, error))
    {
        throw UsageError("game folder '" + it->second + "' does not exist");
    }
    return it->second;
}

/// A game over the given folder with the tool's recording screen and a seed source: fixed when
/// --seed is given, the clock otherwise.
struct ToolSession
{
    explicit ToolSession(const Arguments& args, std::filesystem::path userDir = DataFiles::DefaultUserDir())
        : files(BaseDirOf(args), std::move(userDir))
    {
        const auto seed = args.options.find("seed");
        if (seed != args.options.end())
        {
            seeds = std::make_unique<FixedSeedSource>(
                static_cast<std::uint32_t>(ParseNumber(seed->second, "--seed", 0, 2147483647)));
        }
        else
        {
            seeds = std::make_unique<ClockSeedSource>();
        }
        random = std::make_unique<Random>(*seeds);
        game = std::make_unique<Game>(presenter, *random, files, clock, PlayHooks());
        InitShipClasses(game->classes);
    }

    int Print(const std::function<void(JsonWriter&)>& extra = {}) const
    {
        std::cout << StateToJson(game->state, game->classes, files.BaseDir().string(), presenter.shown,
                                 extra);
        return presenter.shown.errors.empty() ? ExitOk : ExitGameError;
    }

    ToolPresenter presenter;
    DataFiles files;
    SteadyClock clock;
    std::unique_ptr<SeedSource> seeds;
    std::unique_ptr<Random> random;
    std::unique_ptr<Game> game;
};

int DumpMap(const Arguments& args)
{
    AllowOnly(args, {"base", "goal-types", "seed"}, 1);
    const int mapNumber = ParseNumber(args.positional[1], "map number", 0, 65535);
    int goalA = 0;
    int goalB = 0;
    if (const auto it = args.options.find("goal-types"); it != args.options.end())
    {
        const std::string& text = it->second;
        const auto comma = text.find(',');
        if (comma == std::string::npos)
        {
            throw UsageError("--goal-types takes two numbers, A,B");
        }
        goalA = ParseNumber(std::string_view(text).substr(0, comma), "goal type A", 0, 255);
        goalB = ParseNumber(std::string_view(text).substr(comma + 1), "goal type B", 0, 255);
    }
    ToolSession session(args);
    GameState& state = session.game->state;
    ResetGame(state);
    state.SideStats(SidePlayer)[GoalTypeByte] = static_cast<std::uint8_t>(goalA);
    state.SideStats(SideEnemy)[GoalTypeByte] = static_cast<std::uint8_t>(goalB);
    state.MapNumber = static_cast<std::uint16_t>(mapNumber);
    ClearMaps(state);
    LoadMapFile(*session.game, mapNumber);
    return session.Print();
}

/// --save OUT: the game as it now stands written as a saved game.
void SaveIfAsked(const Arguments& args, Game& game)
{
    if (const auto save = args.options.find("save"); save != args.options.end())
    {
        SaveGame(game, save->second);
    }
}

int Load(const Arguments& args)
{
    AllowOnly(args, {"base", "seed", "save"}, 1);
    ToolSession session(args);
    if (LoadGame(*session.game, args.positional[1]))
    {
        SaveIfAsked(args, *session.game);
    }
    return session.Print();
}

/// The numbers start and simulate share: the scenario slot, the game mode and the rank.
struct StartChoice
{
    int slot = 0;
    int mode = 0;
    int rank = 0;
};

StartChoice ParseStartChoice(const Arguments& args, int defaultMode, int defaultRank)
{
    auto number = [&](const std::string& name, int low, int high, int fallback) {
        const auto it = args.options.find(name);
        if (it == args.options.end() && fallback < 0)
        {
            throw UsageError("--" + name + " is required");
        }
        return it == args.options.end() ? fallback : ParseNumber(it->second, "--" + name, low, high);
    };
    return {number("slot", 1, 65535, -1), number("mode", 1, 3, defaultMode), number("rank", 1, 3, defaultRank)};
}

int Start(const Arguments& args)
{
    AllowOnly(args, {"base", "seed", "slot", "mode", "rank", "save"}, 0);
    const StartChoice choice = ParseStartChoice(args, -1, -1);
    ToolSession session(args);
    if (StartToolGame(*session.game, choice.slot, choice.mode, choice.rank))
    {
        SaveIfAsked(args, *session.game);
    }
    return session.Print();
}

int Simulate(const Arguments& args)
{
    std::map<std::string, std::string> options = args.options;
    const bool json = options.erase("json") != 0;
    Arguments rest{args.positional, options};
    AllowOnly(rest, {"base", "seed", "slot", "mode", "rank", "turns", "save"}, 0);
    const StartChoice choice = ParseStartChoice(rest, ModeMission, RankCaptain);
    const auto turns = rest.options.find("turns");
    if (turns == rest.options.end())
    {
        throw UsageError("--turns is required");
    }
    const int turnCount = ParseNumber(turns->second, "--turns", 0, 65535);
    ToolSession session(rest);
    if (!StartToolGame(*session.game, choice.slot, choice.mode, choice.rank))
    {
        return session.Print();
    }
    const SimulationReport report = SimulateToolGame(*session.game, session.presenter, turnCount);
    SaveIfAsked(rest, *session.game);
    if (json)
    {
        std::cout << SimulationReportJson(report, StateToJson(session.game->state, session.game->classes, session.files.BaseDir().string(),
                                                               session.presenter.shown));
    }
    else
    {
        std::cout << SimulationReportText(report);
    }
    return session.presenter.shown.errors.empty() ? ExitOk : ExitGameError;
}

int Balance(const Arguments& args)
{
    std::map<std::string, std::string> options = args.options;
    const bool json = options.erase("json") != 0;
    const Arguments rest{args.positional, options};
    AllowOnly(rest, {"base", "seeds", "turns"}, 0);
    const auto seeds = rest.options.find("seeds");
    if (seeds == rest.options.end())
    {
        throw UsageError("--seeds N is required");
    }
    const int seedCount = ParseNumber(seeds->second, "--seeds", 1, 10000);
    const auto turns = rest.options.find("turns");
    const int turnCount =
        turns == rest.options.end() ? BalanceTurnCap : ParseNumber(turns->second, "--turns", 1, 65535);
    const std::vector<BalanceRow> rows = RunBalance(BaseDirOf(rest), seedCount, turnCount);
    std::cout << (json ? BalanceJson(rows) : BalanceTable(rows));
    return ExitOk;
}

/// One of the player's commands that act carries out.
struct Action
{
    enum class Kind
    {
        Turns,
        End,
        Name,
        Finish,
        Buy,
        Remove,
        Tech,
        Restriction,
        Save,
        Clear,
    };
    Kind kind = Kind::Finish;
    int number = 0;
    std::string text;
};

/// CATEGORY:ATTRIBUTE:MARK of tech: the mark's index in the technology table.
int ParseTechMark(const std::string& value)
{
    const auto first = value.find(':');
    const auto second = first == std::string::npos ? first : value.find(':', first + 1);
    if (second == std::string::npos)
    {
        throw UsageError("tech takes CATEGORY:ATTRIBUTE:MARK, not '" + value + "'");
    }
    const int category = ParseNumber(value.substr(0, first), "tech CATEGORY", 0, 12);
    const int attribute = ParseNumber(value.substr(first + 1, second - first - 1), "tech ATTRIBUTE", 1, 4);
    const int mark = ParseNumber(value.substr(second + 1), "tech MARK", 1, 3);
    const int index = TechIndexOf(category, attribute, mark);
    if (index < 0)
    {
        throw UsageError("no technology mark " + value);
    }
    return index;
}

/// The actions are all checked before the game starts, so a misspelt one runs nothing.
std::vector<Action> ParseActions(const std::vector<std::string>& words)
{
    std::vector<Action> actions;
    for (const std::string& word : words)
    {
        const auto colon = word.find(':');
        const std::string verb = word.substr(0, colon);
        const std::string value = colon == std::string::npos ? std::string() : word.substr(colon + 1);
        const bool hasValue = colon != std::string::npos;
        if (verb == "finish" && !hasValue)
        {
            actions.push_back({Action::Kind::Finish, 0, {}});
        }
        else if (verb == "turn" && hasValue)
        {
            actions.push_back({Action::Kind::Turns, ParseNumber(value, "turn:N", 0, 65535), {}});
        }
        else if (verb == "end" && hasValue)
        {
            const int result = ParseNumber(value, "end:RESULT", 0, ResultQuit);
            if (result > ResultMajorVictory && result != ResultQuit)
            {
                throw UsageError("end:RESULT takes 0, 1, 2, 3 or 100, not '" + value + "'");
            }
            actions.push_back({Action::Kind::End, result, {}});
        }
        else if (verb == "name" && hasValue)
        {
            actions.push_back({Action::Kind::Name, 0, value});
        }
        else if ((verb == "buy" || verb == "remove") && hasValue)
        {
            const int row = PurchaseRowOf(ParseNumber(value, verb + ":CLASS", 0, 255));
            if (row == 0)
            {
                throw UsageError("class " + value + " is not on the production list");
            }
            actions.push_back({verb == "buy" ? Action::Kind::Buy : Action::Kind::Remove, row, {}});
        }
        else if (verb == "tech" && hasValue)
        {
            actions.push_back({Action::Kind::Tech, ParseTechMark(value), {}});
        }
        else if (verb == "restriction" && hasValue)
        {
            actions.push_back({Action::Kind::Restriction, ParseNumber(value, "restriction:N", 0, 255), {}});
        }
        else if (verb == "clear" && hasValue)
        {
            actions.push_back(
                {Action::Kind::Clear, ParseNumber(value, "clear:MODE", ModeDeathMatch, ModeCampaign), {}});
        }
        else if (verb == "save" && hasValue && !value.empty())
        {
            actions.push_back({Action::Kind::Save, 0, value});
        }
        else
        {
            throw UsageError("unknown action '" + word + "'");
        }
    }
    return actions;
}

constexpr std::string_view MissionNotOverText = "THE MISSION HAS NOT ENDED";
constexpr std::string_view MissionOverText = "THE MISSION HAS ALREADY ENDED";
constexpr std::string_view NoPlaceText = "THE SCORE EARNS NO PLACE IN THE SCORE TABLE";

/// The game as act plays it: the main window's start of a mission once, then the player's
/// commands as the windows would forward them.
class ActSession
{
public:
    explicit ActSession(ToolSession& session) : session_(session), game_(*session.game) {}

    void Run(const Action& action)
    {
        switch (action.kind)
        {
            case Action::Kind::Turns:
                PlayTurns(action.number);
                return;
            case Action::Kind::End:
                End(action.number);
                return;
            case Action::Kind::Name:
                Name(action.text);
                return;
            case Action::Kind::Finish:
                Finish();
                return;
            case Action::Kind::Buy:
                BuyUnit(game_, list_, action.number);
                return;
            case Action::Kind::Remove:
                RemoveUnit(game_, list_, action.number);
                return;
            case Action::Kind::Tech:
                BuyTechnology(game_, action.number);
                return;
            case Action::Kind::Restriction:
                game_.state.CurrentScenario.PurchaseRestriction = static_cast<std::uint8_t>(action.number);
                return;
            case Action::Kind::Clear:
                ClearHallOfFame(game_, action.number);
                return;
            case Action::Kind::Save: {
                // The player's SAVE GAME of the mission status, so a tester saves what a player would.
                const std::filesystem::path path(action.text);
                SaveFromMissionStatus(game_, path.parent_path(), path.filename().string());
                return;
            }
        }
    }

private:
    void Refuse(std::string_view text) { session_.presenter.shown.errors.emplace_back(text); }

    void PlayTurns(int turns)
    {
        GameState& state = game_.state;
        if (state.GameOver != 0)
        {
            Refuse(MissionOverText);
            return;
        }
        if (!begun_)
        {
            // The map view of the default screen layout: the next-unit search looks inside it.
            state.ViewColumns = state.ViewColumns == 0 ? 24 : state.ViewColumns;
            state.ViewRows = state.ViewRows == 0 ? 18 : state.ViewRows;
            BeginGame(game_);
            begun_ = true;
        }
        Autoplayer player(game_, session_.presenter);
        for (int turn = 0; turn < turns && state.GameOver == 0; ++turn)
        {
            player.PlayTurn();
        }
    }

    void End(int result)
    {
        GameState& state = game_.state;
        if (state.GameOver != 0)
        {
            Refuse(MissionOverText);
            return;
        }
        if (result == ResultQuit)
        {
            QuitMission(game_);
            return;
        }
        state.GameOver = 1;
        state.GameResult = static_cast<std::uint8_t>(result);
        EndMission(game_);
    }

    void Name(const std::string& name)
    {
        if (game_.state.GameOver == 0)
        {
            Refuse(MissionNotOverText);
            return;
        }
        if (EnterScoreName(game_, name) == NameEntry::NotQualified)
        {
            Refuse(NoPlaceText);
        }
    }

    void Finish()
    {
        if (game_.state.GameOver == 0)
        {
            // The production window's FINISH, opened from the main window.
            deploymentPending_ = FinishProduction(game_, list_, ProductionFromMainWindow).deploymentPending;
            return;
        }
        begun_ = false;
        if (FinishGame(game_) == FinishNext::NextMission)
        {
            // The message window names the next mission, and its briefing starts it.
            session_.presenter.ShowMessage(game_.state.Flow.MessageCode);
            if (ActivateBriefing(game_) == BriefingStart::Started)
            {
                LeaveBriefing(game_);
            }
        }
    }

public:
    const PurchaseList& List() const { return list_; }

    bool DeploymentPending() const { return deploymentPending_ || UnitsAwaitingDeployment(game_.state) > 0; }

private:
    ToolSession& session_;
    Game& game_;
    bool begun_ = false;
    PurchaseList list_;
    bool deploymentPending_ = false;
};

void WritePurchase(JsonWriter& json, const PurchaseList& list, bool deploymentPending)
{
    json.Key("Purchase");
    json.BeginObject();
    json.Key("Rows");
    json.BeginArray();
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        if (list.Count[static_cast<std::size_t>(row)] != 0)
        {
            json.BeginObject();
            json.Field("Row", row);
            json.Field("Class", PurchaseClasses[static_cast<std::size_t>(row)]);
            json.Field("Count", list.Count[static_cast<std::size_t>(row)]);
            json.EndObject();
        }
    }
    json.EndArray();
    json.Key("DeploymentPending");
    json.Bool(deploymentPending);
    json.EndObject();
}

void WriteTechnology(JsonWriter& json, const GameState& state)
{
    json.Key("Technology");
    json.BeginArray();
    for (const TechEntry& entry : TechTable)
    {
        json.BeginObject();
        json.Field("Category", entry.Category);
        json.Field("Attribute", entry.Attribute);
        json.Field("Mark", entry.Mark);
        json.Field("Price", entry.Price);
        json.Field("State", static_cast<int>(StateOfMark(state, entry)));
        json.EndObject();
    }
    json.EndArray();
}

void WriteEndOfGame(JsonWriter& json, const EndOfGameView& view)
{
    json.Key("EndOfGame");
    json.BeginObject();
    json.Field("Max", view.Max);
    json.Field("RankIndex", view.RankIndex);
    json.TextField("RankTitle", view.RankTitle);
    json.TextField("Title", view.Title);
    json.Field("QualifiesAt", view.QualifiesAt);
    json.Key("CampaignOver");
    json.Bool(view.CampaignOver);
    json.Field("FinalRankIndex", view.FinalRankIndex);
    json.TextField("FinalRankTitle", view.FinalRankTitle);
    json.EndObject();
}

void WriteScoreTables(JsonWriter& json, const DataFiles& files)
{
    json.Key("ScoreTables");
    json.BeginObject();
    for (int mode = ModeDeathMatch; mode <= ModeCampaign; ++mode)
    {
        json.Key(std::to_string(mode));
        json.BeginArray();
        for (const ScoreRec& rec : ReadScoreTable(files, mode))
        {
            json.BeginObject();
            json.TextField("Name", rec.Name.Str());
            json.Field("Nation", rec.Nation);
            json.Field("Number", rec.Number);
            json.TextField("Title", rec.Title.Str());
            json.Field("Mode", rec.Mode);
            json.Field("Score", rec.Score);
            json.Field("Major", rec.Major);
            json.Field("Victories", rec.Victories);
            json.Field("Minor", rec.Minor);
            json.Field("Rank", rec.Rank);
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
}

int Act(const Arguments& args)
{
    const bool load = args.options.contains("load");
    if (load == args.options.contains("slot"))
    {
        throw UsageError("act takes either --load FILE or --slot N");
    }
    if (load && (args.options.contains("mode") || args.options.contains("rank")))
    {
        throw UsageError("--mode and --rank go with --slot, not with --load");
    }
    const auto userDir = args.options.find("user-dir");
    if (userDir == args.options.end() || userDir->second.empty())
    {
        throw UsageError("--user-dir DIR is required");
    }
    Arguments head{{args.positional[0]}, args.options};
    AllowOnly(head, {"base", "user-dir", "load", "slot", "mode", "rank", "seed"}, 0);
    const std::vector<Action> actions =
        ParseActions(std::vector<std::string>(args.positional.begin() + 1, args.positional.end()));
    const StartChoice choice = load ? StartChoice{} : ParseStartChoice(args, ModeMission, RankCaptain);
    ToolSession session(args, userDir->second);
    Game& game = *session.game;
    const bool ready = load ? LoadSavedGame(game, args.options.at("load"))
                            : StartToolGame(game, choice.slot, choice.mode, choice.rank);
    std::unique_ptr<ActSession> act;
    if (ready)
    {
        if (load)
        {
            LeaveBriefing(game);
        }
        act = std::make_unique<ActSession>(session);
        for (const Action& action : actions)
        {
            act->Run(action);
        }
    }
    return session.Print([&](JsonWriter& json) {
        WriteEndOfGame(json, DescribeEndOfGame(game));
        WriteScoreTables(json, session.files);
        WritePurchase(json, act ? act->List() : PurchaseList{}, act && act->DeploymentPending());
        WriteTechnology(json, game.state);
    });
}

int Run(int argc, char** argv)
{
    const Arguments args = ParseArguments(argc, argv);
    if (args.options.contains("help"))
    {
        std::cout << Usage;
        return ExitOk;
    }
    if (args.options.contains("version"))
    {
        std::cout << VersionLine("olvane-tool") << "\n";
        return ExitOk;
    }
    if (args.positional.empty())
    {
        throw UsageError("no command given");
    }
    const std::string& command = args.positional[0];
    if (command == "dump-map")
    {
        return DumpMap(args);
    }
    if (command == "load")
    {
        return Load(args);
    }
    if (command == "start")
    {
        return Start(args);
    }
    if (command == "simulate")
    {
        return Simulate(args);
    }
    if (command == "act")
    {
        return Act(args);
    }
    if (command == "balance")
    {
        return Balance(args);
    }
    if (command == "validate")
    {
        AllowOnly(args, {"base"}, 0);
        return RunValidate(BaseDirOf(args), std::cout);
    }
    throw UsageError("unknown command '" + command + "'");
}

} // namespace

} // namespace olvane

int main(int argc, char** argv)
{
    try
    {
        return olvane::Run(argc, argv);
    }
    catch (const olvane::UsageError& error)
    {
        std::cerr << "olvane-tool: " << error.what() << "\n(olvane-tool --help lists the commands)\n";
        return olvane::ExitUsage;
    }
    catch (const std::exception& error)
    {
        std::cerr << "olvane-tool: internal error: " << error.what() << "\n";
        return olvane::ExitInternal;
    }
}
