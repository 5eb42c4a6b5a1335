#pragma once

#include "state/class_table.h"
#include "state/game.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace olvane::test
{

/// Records what the core shows the player, so tests can assert on it.
class RecordingPresenter : public HeadlessPresenter
{
public:
    void ShowError(std::string_view text) override { errors.emplace_back(text); }

    void ShowMessage(int code) override { messages.push_back(code); }

    void DrawCell(int x, int y) override { drawnCells.push_back({x, y}); }

    void DrawDiagonalShip(int unit) override { diagonalShips.push_back(unit); }

    void PlaySoundEffect(int code) override { sounds.push_back(code); }

    void DrawExplosion(int x, int y, int frame) override { explosions.push_back({x, y, frame}); }

    void Delay(int milliseconds) override { delays.push_back(milliseconds); }

    void SetPanelLabel(PanelLabel label, std::string_view text) override
    {
        (label == PanelLabel::ProductionPoints ? productionLabel : scoreLabel) = text;
    }

    void ShowEndOfGame() override { ++endOfGameShown; }

    struct Frame
    {
        int x, y, frame;
        bool operator==(const Frame&) const = default;
    };

    std::vector<std::string> errors;
    std::vector<int> messages;
    std::vector<std::pair<int, int>> drawnCells;
    std::vector<int> diagonalShips;
    std::vector<int> sounds;
    std::vector<Frame> explosions;
    std::vector<int> delays;
    std::string productionLabel;
    std::string scoreLabel;
    int endOfGameShown = 0;
};

/// An opponent and a turn cycle that only note what the rules hand them: rule tests that want
/// the rules alone plug them in instead of PlayHooks().
class RecordingHooks final : public Opponent, public TurnCycle
{
public:
    void GuardPortEarly(Game&, int unit) override { guardChecks.push_back(unit); }

    void OrderGroupsOfZone(GameState&, int zone, int order) override { zoneOrders.push_back({zone, order}); }

    void ResetGroup(GameState&, int group) override { groupsReset.push_back(group); }

    void SelectNextUnit(Game&) override { ++nextUnitChoices; }

    void RunEndOfGame(Game&) override { ++endsOfGame; }

    std::vector<int> guardChecks;
    std::vector<std::pair<int, int>> zoneOrders;
    std::vector<int> groupsReset;
    int nextUnitChoices = 0;
    int endsOfGame = 0;
};

/// A stopped clock that tests move by hand.
class ManualClock final : public Clock
{
public:
    std::uint64_t Milliseconds() override { return now; }

    std::uint64_t now = 0;
};

/// A fresh temporary folder, removed again when the test ends.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    /// Writes a file below the folder, creating its parent folders.
    std::filesystem::path Write(const std::string& relative, std::string_view content) const;

private:
    std::filesystem::path path_;
};

/// A whole game with recording services over a temporary game folder, the class table filled,
/// and the state reset: the smallest world a rule can run in.
class TestGame
{
public:
    explicit TestGame(std::uint32_t seed = 12345);

    /// The rules alone: the opponent and the turn cycle are `handed`, which only records.
    struct RulesOnly
    {
    };

    explicit TestGame(RulesOnly, std::uint32_t seed = 12345);

    Game& operator*() { return *game_; }

    Game* operator->() { return game_.get(); }

    GameState& state() { return game_->state; }

    TempDir dir;
    RecordingPresenter presenter;
    FixedSeedSource seeds;
    Random random;
    DataFiles files;
    ManualClock clock;
    RecordingHooks handed;

private:
    TestGame(bool rulesOnly, std::uint32_t seed);

    std::unique_ptr<Game> game_;
};

} // namespace olvane::test
