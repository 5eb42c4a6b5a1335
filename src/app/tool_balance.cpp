#include "app/tool_balance.h"

#include "app/json_writer.h"
#include "app/tool_start.h"
#include "state/game.h"
#include "state/scenario.h"
#include "turn/autoplayer.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <cstdio>

namespace olvane
{

namespace
{

// The map view of the default screen layout: the next-unit search looks inside it.
constexpr int DefaultViewColumns = 24;
constexpr int DefaultViewRows = 18;

struct GameOutcome
{
    bool started = false;
    bool over = false;
    int result = 0;
    int turns = 0;
    int playerLosses = 0;
    int enemyLosses = 0;
    std::uint64_t milliseconds = 0;
};

GameOutcome PlayOne(DataFiles& files, Clock& clock, int slot, int mode, int seed, int turns)
{
    FixedSeedSource seeds(static_cast<std::uint32_t>(seed));
    Random random(seeds);
    HeadlessPresenter presenter;
    Game game(presenter, random, files, clock, PlayHooks());
    InitShipClasses(game.classes);
    GameOutcome outcome;
    if (!StartToolGame(game, slot, mode, RankCaptain))
    {
        return outcome;
    }
    outcome.started = true;
    GameState& state = game.state;
    state.ViewColumns = DefaultViewColumns;
    state.ViewRows = DefaultViewRows;
    Autoplayer player(game, presenter);
    BeginGame(game);
    while (state.GameOver == 0 && outcome.turns < turns)
    {
        const std::uint64_t start = clock.Milliseconds();
        player.PlayTurn();
        outcome.milliseconds += clock.Milliseconds() - start;
        ++outcome.turns;
    }
    outcome.over = state.GameOver != 0;
    outcome.result = state.GameResult;
    outcome.playerLosses = LossesOf(state, SidePlayer);
    outcome.enemyLosses = LossesOf(state, SideEnemy);
    return outcome;
}

std::string Decimal(double value, int places)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

std::string ModeName(int mode)
{
    return mode == ModeDeathMatch ? "death match" : "mission";
}

} // namespace

std::vector<BalanceRow> RunBalance(const std::filesystem::path& baseDir, int seeds, int turns)
{
    DataFiles files(baseDir, DataFiles::DefaultUserDir());
    SteadyClock clock;
    std::vector<BalanceRow> rows;
    const std::vector<ScenarioRec> records = ReadScenarioDatabase(files, 2);
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        const ScenarioRec& rec = records[i];
        if (rec.Kind != ModeDeathMatch && rec.Kind != ModeMission)
        {
            continue;
        }
        BalanceRow row;
        // The slot is the record's place in the file, as the briefing and olvane-tool start count it.
        row.slot = static_cast<int>(i + 1);
        row.mode = rec.Kind;
        row.title = rec.Title.Str();
        long long turnsPlayed = 0;
        long long playerLosses = 0;
        long long enemyLosses = 0;
        std::uint64_t milliseconds = 0;
        for (int seed = 1; seed <= seeds; ++seed)
        {
            const GameOutcome outcome = PlayOne(files, clock, row.slot, rec.Kind, seed, turns);
            ++row.games;
            if (!outcome.over || outcome.result > ResultMajorVictory)
            {
                // A scenario that cannot start counts here too, so the columns still add up.
                ++row.others;
            }
            else if (outcome.result == ResultDefeat)
            {
                ++row.defeats;
            }
            else
            {
                ++row.wins;
            }
            turnsPlayed += outcome.turns;
            playerLosses += outcome.playerLosses;
            enemyLosses += outcome.enemyLosses;
            milliseconds += outcome.milliseconds;
        }
        if (row.games > 0)
        {
            row.averageTurns = static_cast<double>(turnsPlayed) / row.games;
            row.averagePlayerLosses = static_cast<double>(playerLosses) / row.games;
            row.averageEnemyLosses = static_cast<double>(enemyLosses) / row.games;
        }
        if (turnsPlayed > 0)
        {
            row.averageTurnMilliseconds = static_cast<double>(milliseconds) / static_cast<double>(turnsPlayed);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string BalanceTable(const std::vector<BalanceRow>& rows)
{
    std::size_t titleWidth = 5;
    for (const BalanceRow& row : rows)
    {
        titleWidth = std::max(titleWidth, row.title.size());
    }
    const int width = static_cast<int>(titleWidth);
    char line[256];
    std::snprintf(line, sizeof line, "%4s  %-*s  %-11s  %5s  %4s  %7s  %6s  %5s  %6s  %6s  %7s\n", "slot", width,
                  "title", "mode", "games", "wins", "defeats", "others", "turns", "lost", "sunk", "ms/turn");
    std::string text = line;
    for (const BalanceRow& row : rows)
    {
        std::snprintf(line, sizeof line, "%4d  %-*s  %-11s  %5d  %4d  %7d  %6d  %5s  %6s  %6s  %7s\n", row.slot,
                      width, row.title.c_str(), ModeName(row.mode).c_str(), row.games, row.wins, row.defeats,
                      row.others, Decimal(row.averageTurns, 1).c_str(), Decimal(row.averagePlayerLosses, 1).c_str(),
                      Decimal(row.averageEnemyLosses, 1).c_str(), Decimal(row.averageTurnMilliseconds, 1).c_str());
        text += line;
    }
    return text;
}

std::string BalanceJson(const std::vector<BalanceRow>& rows)
{
    JsonWriter json;
    json.BeginArray();
    for (const BalanceRow& row : rows)
    {
        json.BeginObject();
        json.Field("Slot", row.slot);
        json.TextField("Title", row.title);
        json.Field("Mode", row.mode);
        json.Field("Games", row.games);
        json.Field("Wins", row.wins);
        json.Field("Defeats", row.defeats);
        json.Field("Others", row.others);
        json.Key("AverageTurns");
        json.Real(row.averageTurns);
        json.Key("AveragePlayerLosses");
        json.Real(row.averagePlayerLosses);
        json.Key("AverageEnemyLosses");
        json.Real(row.averageEnemyLosses);
        json.Key("AverageTurnMilliseconds");
        json.Real(row.averageTurnMilliseconds);
        json.EndObject();
    }
    json.EndArray();
    return json.Text() + "\n";
}

} // namespace olvane
