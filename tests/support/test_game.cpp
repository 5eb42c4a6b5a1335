#include "support/test_game.h"

#include "turn/turn_hooks.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace olvane::test
{

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("olvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1)));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(path_, error);
}

fs::path TempDir::Write(const std::string& relative, std::string_view content) const
{
    const fs::path target = path_ / relative;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return target;
}

TestGame::TestGame(std::uint32_t seed) : TestGame(false, seed) {}

TestGame::TestGame(RulesOnly, std::uint32_t seed) : TestGame(true, seed) {}

TestGame::TestGame(bool rulesOnly, std::uint32_t seed)
    : seeds(seed), random(seeds), files(dir.Path() / "game", dir.Path() / "user"),
      game_(std::make_unique<Game>(presenter, random, files, clock,
                                   rulesOnly ? GameHooks{handed, handed} : PlayHooks()))
{
    fs::create_directories(files.BaseDir());
    fs::create_directories(files.UserDir());
    InitShipClasses(game_->classes);
    ResetGame(game_->state);
}

} // namespace olvane::test
