// The ways from the main game window into the headquarters and the windows it leads to, and
// back: production, technology, the fleet overview, the briefing, help and the exits.

#include "flow/game_windows.h"
#include "platform/application.h"
#include "platform/message_box.h"
#include "platform/shell.h"

namespace olvane
{

void GameWindows::WireHeadquarters()
{
    purchase.Attach(GameData());
    mainWindow.onOpenHQ = [this] { OpenHeadquarters(); };
    mainWindow.onOpenProduction = [this] { OpenProduction(ProductionFromMainWindow); };
    mainWindow.onOpenTechnology = [this] { technology.ShowModal(); };
    // On top of the modal headquarters these windows are modal too: input goes to the top one.
    hq.onObjective = [this] { briefing.ShowModal(); };
    hq.onOrderOfBattle = [this] { OpenFleetOverview(TF90_FLOTA::ModeOrderOfBattle); };
    hq.onLosses = [this] { OpenFleetOverview(TF90_FLOTA::ModeLosses); };
    hq.onProduction = [this] { OpenProduction(ProductionFromHQ); };
    hq.onTechnology = [this] { technology.ShowModal(); };
    hq.onTutorial = [this] { tutorial.ShowModal(); };
    hq.onOptions = [this] { options.ShowModal(); };
    hq.onHelp = [this] {
        const auto page = GameData().files.BaseDir() /
                          ("help" + std::to_string(GameData().state.EditionNumber)) / "help.htm";
        const platform::ShellResult result = platform::OpenPage(page.string());
        if (!result.started)
        {
            platform::ShowMessage(result.error);
        }
    };
    // The selected unit's reach and panel follow its new speed, fire and armour at once.
    technology.onBought = [this] {
        Game& game = GameData();
        if (mainWindow.HasSelectedUnit())
        {
            mainWindow.HideReach();
            mainWindow.ShowReach();
            mainWindow.RefreshUnitPanel(game.state.SelectedUnit);
        }
    };
}

void GameWindows::OpenHeadquarters()
{
    hq.ShowModal();
    // The headquarters' "Sound " box is the same switch the options keep.
    if (settings.soundOn != hq.cbSound.checked)
    {
        settings.soundOn = hq.cbSound.checked;
        SettingsChanged();
    }
    switch (hq.Exit())
    {
        case HqExit::ReturnToGame:
            return;
        case HqExit::ExitToMenu:
            // The mission has ended as quit; its end-of-game window opens from the event loop.
            return;
        case HqExit::ExitToWindows:
            mainWindow.Hide();
            platform::Application::Instance().Terminate();
            return;
    }
}

void GameWindows::OpenProduction(int origin)
{
    purchase.tag = origin;
    purchase.ShowModal();
    if (purchase.Result().deploymentPending)
    {
        // The main window opens the aircraft box when it is active again.
        mainWindow.deploymentPending = true;
        mainWindow.SetHQEnabled(GameData().state.FireMode != FireModeTarget);
    }
}

void GameWindows::OpenFleetOverview(int mode)
{
    GameData().state.Flow.FleetOverviewMode = static_cast<std::uint8_t>(mode);
    fleet.ShowModal();
}

} // namespace olvane
