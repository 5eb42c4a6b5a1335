// Frame composition of the main game window: a full tactical redraw and a strategic view of a
// 96 x 96 map in the 1366 x 768 layout, with the generated pictures, and loading those pictures.

#include "bench_desktop.h"
#include "screen/main_window.h"
#include "screen/map_art.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

using namespace olvane;

struct Screen
{
    Screen()
    {
        app = bench::OpenDesktop();
        files = bench::GameFiles();
        form = std::make_unique<TForm1>(random, *files, clock);
        GameState& s = form->GameData().state;
        ResetGame(s);
        s.MapWidth = 96;
        s.MapHeight = 96;
        ClearMaps(s);
        // Islands, coasts, tinted radar fields and a fleet on the view.
        for (int x = 1; x <= 96; ++x)
        {
            for (int y = 1; y <= 96; ++y)
            {
                if ((x / 7 + y / 5) % 4 == 0)
                {
                    s.MapGrid(x, y) = 55500;
                }
                else if ((x + y) % 9 == 0)
                {
                    s.MapGrid(x, y) = 20;
                }
            }
        }
        for (int k = 1; k <= 30; ++k)
        {
            UnitRec& u = s.Unit(PlayerBaseId + k);
            u.Class = 43;
            u.Picture = 4;
            u.Active = 1;
            u.Visible = 1;
            u.Armor = 5;
            u.X = static_cast<std::uint8_t>(2 + k % 20);
            u.Y = static_cast<std::uint8_t>(2 + k / 2);
            u.Under = 0;
            s.MapGrid(u.X, u.Y) = static_cast<std::uint16_t>(PlayerBaseId + k);
        }
        s.TurnNumber = 1;
        form->Show();
        form->RedrawOverview();
    }

    FixedSeedSource seeds{1};
    Random random{seeds};
    SteadyClock clock;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<DataFiles> files;
    std::unique_ptr<TForm1> form;
};

Screen& TheScreen()
{
    static Screen screen;
    return screen;
}

void TacticalRedraw(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (screen.form->CurrentViewMode() != ViewMode::Tactical)
    {
        screen.form->ToggleView();
    }
    for (auto _ : state)
    {
        screen.form->RedrawView();
    }
}
BENCHMARK(TacticalRedraw)->Unit(benchmark::kMicrosecond);

void StrategicView(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (screen.form->CurrentViewMode() != ViewMode::Strategic)
    {
        screen.form->ToggleView();
    }
    for (auto _ : state)
    {
        screen.form->DrawStrategicView();
    }
}
BENCHMARK(StrategicView)->Unit(benchmark::kMicrosecond);

// One field redrawn as a move redraws it: argument 0 a field out of the view (only the overview
// changes), 1 a field in it.
void FieldRedraw(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (screen.form->CurrentViewMode() != ViewMode::Tactical)
    {
        screen.form->ToggleView();
    }
    const GameState& s = screen.form->GameData().state;
    const int x = state.range(0) == 0 ? 90 : s.ViewX + 5;
    const int y = state.range(0) == 0 ? 90 : s.ViewY + 5;
    for (auto _ : state)
    {
        screen.form->DrawCell(x, y);
    }
}
BENCHMARK(FieldRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole window composed into the frame, and composed and shown.
void FrameCompose(benchmark::State& state)
{
    Screen& screen = TheScreen();
    for (auto _ : state)
    {
        screen.app->Compose();
    }
}
BENCHMARK(FrameCompose)->Unit(benchmark::kMicrosecond);

void FramePresent(benchmark::State& state)
{
    Screen& screen = TheScreen();
    for (auto _ : state)
    {
        screen.app->Present();
    }
}
BENCHMARK(FramePresent)->Unit(benchmark::kMicrosecond);

// One field of the view redrawn and the frame shown, as a blink of the selected unit does three
// times a second while the player thinks.
void FieldShown(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (screen.form->CurrentViewMode() != ViewMode::Tactical)
    {
        screen.form->ToggleView();
    }
    const GameState& s = screen.form->GameData().state;
    for (auto _ : state)
    {
        screen.form->DrawCell(s.ViewX + 5, s.ViewY + 5);
        screen.app->PresentChanges();
    }
}
BENCHMARK(FieldShown)->Unit(benchmark::kMicrosecond);

// Every sheet of the main window read from the game folder and cut into frames, as a new game
// does once.
void MissionArtLoad(benchmark::State& state)
{
    Screen& screen = TheScreen();
    for (auto _ : state)
    {
        MapArt art;
        art.Load(*screen.files, "", 1, false);
        benchmark::DoNotOptimize(art.terrain.Count());
    }
}
BENCHMARK(MissionArtLoad)->Unit(benchmark::kMillisecond);

} // namespace
