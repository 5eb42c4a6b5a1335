#include "ai/scenario_start.h"
#include "state/save_file.h"
#include "support/place_unit.h"
#include "support/test_game.h"
#include "support/tool_run.h"
#include "turn/autosave.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;
using test::PlaceUnit;
using test::TestGame;

/// Records each pause with whether the enemy phase was running when it was asked for.
class PacePresenter : public test::RecordingPresenter
{
public:
    explicit PacePresenter(const GameState*& state) : state_(state) {}

    void Delay(int milliseconds) override
    {
        pauses.push_back({milliseconds, state_ != nullptr && state_->EnemyPhaseRunning != 0});
    }

    std::vector<std::pair<int, bool>> pauses;

private:
    const GameState*& state_;
};

} // namespace

TEST(Autosave, ThreeFilesInTurnTheNewestOverTheOldest)
{
    TestGame game;
    EXPECT_EQ(NextAutosaveSlot(game.files), 1);
    for (int slot = 1; slot <= AutosaveSlots; ++slot)
    {
        ASSERT_TRUE(Autosave(*game));
        EXPECT_TRUE(fs::exists(AutosavePath(game.files, slot)));
    }
    // Written in the same instant on a coarse clock, the files are dated apart by hand.
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(AutosavePath(game.files, 1), now - std::chrono::hours(3));
    fs::last_write_time(AutosavePath(game.files, 2), now - std::chrono::hours(1));
    fs::last_write_time(AutosavePath(game.files, 3), now - std::chrono::hours(2));
    EXPECT_EQ(NextAutosaveSlot(game.files), 1);
    ASSERT_TRUE(Autosave(*game));
    fs::last_write_time(AutosavePath(game.files, 1), now);
    EXPECT_EQ(NextAutosaveSlot(game.files), 3);
    // A slot whose file was deleted is filled first.
    fs::remove(AutosavePath(game.files, 2));
    EXPECT_EQ(NextAutosaveSlot(game.files), 2);
    EXPECT_TRUE(game.presenter.errors.empty()) << "an autosave never asks anything";
}

TEST(Autosave, AFailureIsOneLineInTheMessageListAndPlayGoesOn)
{
    TestGame game;
    PlaceUnit(*game, PlayerBaseId + 1, 43, 10, 10);
    game->autosave = true;
    // SAVE is a file, so no save can be written below it.
    fs::create_directories(game.files.UserDir());
    std::ofstream(game.files.SaveDir()) << "in the way";
    game->state.TurnNumber = 4;
    game->state.ViewColumns = 24;
    game->state.ViewRows = 18;
    StartPlayerPhase(*game);
    ASSERT_FALSE(game->state.LBinfo.empty());
    EXPECT_EQ(
        std::count(game->state.LBinfo.begin(), game->state.LBinfo.end(), std::string(AutosaveFailedLine)), 1);
    EXPECT_EQ(game->state.TurnNumber, 5) << "the phase began all the same";
    EXPECT_TRUE(game.presenter.errors.empty());
}

TEST(Autosave, ThePlayerPhaseIsSavedSoALoadPlaysItAgainAndHeadlessRunsSaveNothing)
{
    const fs::path base = test::GeneratedGameFolder();
    if (!fs::exists(base / "BAZE" / "SCEN" / "SCENARIO2.FLS"))
    {
        GTEST_SKIP() << "no generated game folder in this build";
    }
    for (const bool autosave : {false, true})
    {
        test::TempDir user;
        HeadlessPresenter presenter;
        FixedSeedSource seeds(3);
        Random random(seeds);
        DataFiles files(base, user.Path());
        test::ManualClock clock;
        auto game = std::make_unique<Game>(presenter, random, files, clock, PlayHooks());
        InitShipClasses(game->classes);
        ResetGame(game->state);
        game->state.GameMode = ModeMission;
        game->state.Rank = RankCaptain;
        ASSERT_TRUE(ChooseScenario(*game, 1) && StartScenario(*game));
        game->state.ViewColumns = 24;
        game->state.ViewRows = 18;
        game->autosave = autosave;
        BeginGame(*game);
        for (int turn = 1; turn <= 2 && game->state.GameOver == 0; ++turn)
        {
            for (int slot = 1; slot <= MaxSideSlots; ++slot)
            {
                game->state.Unit(PlayerBaseId + slot).MovedThisTurn = 1;
            }
            EndPlayerPhase(*game);
        }
        ASSERT_EQ(game->state.GameOver, 0);
        if (!autosave)
        {
            EXPECT_FALSE(fs::exists(files.SaveDir())) << "a game without autosave writes no file";
            continue;
        }
        // Turn 1 of a new game is not kept; turns 2 and 3 are, each before its count rose.
        EXPECT_FALSE(fs::exists(AutosavePath(files, 3)));
        ASSERT_TRUE(fs::exists(AutosavePath(files, 2)));
        const GameState& played = game->state;
        auto loaded = std::make_unique<Game>(presenter, random, files, clock, PlayHooks());
        InitShipClasses(loaded->classes);
        ResetGame(loaded->state);
        ASSERT_TRUE(LoadGame(*loaded, AutosavePath(files, 2)));
        EXPECT_EQ(loaded->state.TurnNumber, 2) << "the load starts turn 3 again";
        EXPECT_EQ(loaded->state.CurrentScenario.Title.Str(), played.CurrentScenario.Title.Str());
        EXPECT_EQ(loaded->state.MapGrid(played.Unit(PlayerBaseId + 1).X, played.Unit(PlayerBaseId + 1).Y),
                  PlayerBaseId + 1);
    }
}

TEST(EnemyPhasePace, EveryPauseFromTheEnemyPhasesFirstLabelToItsLastIsTheEnemysAndNoOther)
{
    const GameState* state = nullptr;
    PacePresenter presenter(state);
    test::TempDir dir;
    FixedSeedSource seeds{7};
    Random random{seeds};
    DataFiles files{dir.Path() / "game", dir.Path() / "user"};
    test::ManualClock clock;
    Game game{presenter, random, files, clock, PlayHooks()};
    InitShipClasses(game.classes);
    ResetGame(game.state);
    ClearMaps(game.state);
    game.state.ViewColumns = 24;
    game.state.ViewRows = 18;
    state = &game.state;
    PlaceUnit(game, PlayerBaseId + 1, 43, 10, 10);
    PlaceUnit(game, EnemyBaseId + 1, 43, 14, 10);
    game.state.TurnNumber = 1;
    game.state.Unit(PlayerBaseId + 1).MovedThisTurn = 1;
    EndPlayerPhase(game);

    const std::vector<std::pair<int, bool>> own = {{500, false}, {1000, false}, {700, false}};
    ASSERT_GE(presenter.pauses.size(), 6u);
    EXPECT_TRUE(std::equal(own.begin(), own.end(), presenter.pauses.begin())) << "the player's phase end";
    const auto enemyStart = presenter.pauses.begin() + 3;
    EXPECT_EQ(*enemyStart, std::make_pair(1000, true));
    const auto last = std::find(enemyStart, presenter.pauses.end(), std::make_pair(900, true));
    ASSERT_NE(last, presenter.pauses.end());
    EXPECT_TRUE(std::all_of(enemyStart, last, [](const auto& p) { return p.second; }));
    EXPECT_TRUE(std::none_of(last + 1, presenter.pauses.end(), [](const auto& p) { return p.second; }))
        << "the next player phase keeps its pace";
    EXPECT_EQ(game.state.EnemyPhaseRunning, 0);
}

} // namespace olvane
