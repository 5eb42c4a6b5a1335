// The windows of a game's start in the 1366 x 768 layout over the generated game folder: painting
// the menu and a mission's briefing, and the work between the opening screen and the menu
// (creating every window and loading their pictures), its pause left out.

#include "bench_desktop.h"
#include "flow/game_windows.h"
#include "turn/game_flow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

using namespace olvane;

struct Desktop
{
    Desktop()
    {
        app = bench::OpenDesktop();
        app->SetSpeedFactor(0.0);
        files = bench::GameFiles();
    }

    std::unique_ptr<GameWindows> OpenWindows()
    {
        auto windows = std::make_unique<GameWindows>(random, *files, clock, 2);
        windows->menu.onFirstActivation = nullptr;
        return windows;
    }

    FixedSeedSource seeds{7};
    Random random{seeds};
    SteadyClock clock;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<DataFiles> files;
};

Desktop& TheDesktop()
{
    static Desktop desktop;
    return desktop;
}

void MenuPaint(benchmark::State& state)
{
    Desktop& desktop = TheDesktop();
    auto windows = desktop.OpenWindows();
    windows->menu.Show();
    for (auto _ : state)
    {
        desktop.app->Compose();
    }
}
BENCHMARK(MenuPaint)->Unit(benchmark::kMillisecond);

void BriefingPaint(benchmark::State& state)
{
    Desktop& desktop = TheDesktop();
    auto windows = desktop.OpenWindows();
    GameState& s = windows->GameData().state;
    StartNewGame(s, ModeMission);
    OpenDifficulty(s);
    windows->selection.RebuildList();
    if (windows->selection.Rows().empty() || !SelectRow(windows->GameData(), windows->selection.Rows().front()))
    {
        state.SkipWithError("no mission to brief");
        return;
    }
    windows->menu.Show();
    windows->briefing.Show();
    for (auto _ : state)
    {
        desktop.app->Compose();
    }
}
BENCHMARK(BriefingPaint)->Unit(benchmark::kMillisecond);

// What the opening screen's progress bar stands for: every window created and its pictures
// loaded, then the menu's first frame.
void OpeningToMenu(benchmark::State& state)
{
    Desktop& desktop = TheDesktop();
    for (auto _ : state)
    {
        auto windows = desktop.OpenWindows();
        for (const auto& step : windows->opening.loadSteps)
        {
            step();
        }
        windows->menu.Show();
        desktop.app->Compose();
        benchmark::DoNotOptimize(windows.get());
    }
}
BENCHMARK(OpeningToMenu)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace
