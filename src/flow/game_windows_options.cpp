// The options window and the tutorial within the game's windows: how the player reaches them, and
// how the choices reach the map, the sound and the enemy phase and are kept for the next run.
#include "flow/game_windows.h"
#include "platform/application.h"
#include "platform/sound.h"
#include "screen/map_art.h"

#include <iostream>

namespace olvane
{

void GameWindows::WireOptions()
{
    menu.onOpenOptions = [this] { options.ShowModal(); };
    menu.onOpenTutorial = [this] { tutorial.ShowModal(); };
    options.scenarioLandSuffix = [this] { return LandSuffixOf(GameData().state.CurrentScenario.Tag.Str()); };
    options.onChange = [this] { SettingsChanged(); };
    // Only the player's own tick switches the screen: a window asked for on the command line
    // stays a window while other choices are made.
    options.onFullScreenChange = [](bool fullScreen) {
        if (platform::Application::Exists() && platform::Application::Instance().FullScreen() != fullScreen)
        {
            platform::Application::Instance().ToggleFullScreen();
        }
    };
}

void GameWindows::ApplySettings()
{
    mainWindow.varySea = settings.seaVariation;
    mainWindow.varyLand = settings.landVariation;
    mainWindow.enemyPhaseSpeed = settings.enemyPhaseSpeed;
    mainWindow.SetLandSet(settings.landSet);
    if (platform::SoundEffects* sounds = platform::InstalledSoundEffects())
    {
        sounds->switchOn = settings.soundOn;
    }
}

void GameWindows::SettingsChanged()
{
    ApplySettings();
    if (settingsPath.empty())
    {
        return;
    }
    // Nothing the player can do about it in the game: it is said once, where a player who
    // wonders why his choices are gone will look.
    if (!WriteSettingsFile(settingsPath, settings) && !settingsWriteFailed_)
    {
        settingsWriteFailed_ = true;
        std::cerr << "olvane: the settings could not be written to " << settingsPath.string() << "\n";
    }
}

} // namespace olvane
