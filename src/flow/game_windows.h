#pragma once

#include "flow/briefing.h"
#include "flow/curtain.h"
#include "flow/difficulty_screen.h"
#include "flow/end_of_game_window.h"
#include "flow/main_menu.h"
#include "flow/mission_picture.h"
#include "flow/opening_screen.h"
#include "flow/options_window.h"
#include "flow/score_submission_window.h"
#include "flow/score_table_window.h"
#include "flow/selection_screen.h"
#include "flow/tutorial_window.h"
#include "hq/fleet_window.h"
#include "hq/headquarters.h"
#include "hq/purchase_window.h"
#include "hq/technology_window.h"
#include "platform/timer.h"
#include "screen/main_window.h"

#include <functional>

namespace olvane
{

/// The game's windows, created once in their fixed order with the menu first, and the ways
/// between them: the menu's chain of a new game (difficulty, selection, side text, briefing,
/// mission picture, main window), LOAD GAME into the briefing, and the end of a game back to the
/// menu.
class GameWindows
{
public:
    GameWindows(Random& random, DataFiles& files, Clock& clock, int edition);

    Game& GameData() { return mainWindow.GameData(); }

    /// Difficulty, selection, the campaign's side text and the briefing, after a menu entry set
    /// the game mode; BACK TO MENU or a mission that cannot be loaded ends it at the menu.
    void NewGameChain();

    /// The briefing; OK leads on to the mission picture and the main window where due.
    void OpenBriefing();

    /// The main game window over the curtain.
    void ShowMainWindow();

    /// The curtain comes down and the menu is seen again.
    void ReturnToMenu();

    /// The end of a mission, once the turn code that ended it has returned: the end-of-game
    /// window, then the menu or, in a campaign, the next mission's name and briefing.
    void ShowEndOfGame();

    /// True from the end of a mission until its end-of-game window opens.
    bool EndOfGamePending() const { return endOfGameTimer_.Enabled(); }

    /// A mission started past the menu (`olvane --start`) ends the program after its end-of-game
    /// window: there is no menu to return to.
    bool endProgramAfterGame = false;

    /// The message window with a code; a plain box with the code's lines until it is set.
    std::function<void(int code)> onShowMessage;

    /// Hands the player's settings to the map, the sound switch and the enemy phase's pace.
    void ApplySettings();

    /// After a choice changed: applies the settings and writes them to settingsPath (when set).
    void SettingsChanged();

    /// The player's choices, read at start; settingsPath is where they are kept.
    Settings settings;
    std::filesystem::path settingsPath;

    // In creation order.
    TF2_MENI menu;
    TF0_KARA opening;
    TF6_KUPI purchase;
    TForm1 mainWindow;
    TF04_SIDE selection;
    TF08_UVOD briefing;
    TF85_KRAJ endOfGame;
    TF90_FLOTA fleet;
    TF95_HQ hq;
    TF88_SKOR scores;
    TF130_TEKST textWindow;
    TFSUBMIT submission;
    TF_JPG missionPicture;
    TF_TECH technology;
    Tf_zavesa curtain;
    TF_OPT options{settings, GameData().files};
    TFTUTOR tutorial{GameData()};

private:
    bool Terminated() const;
    void ShowMessage(int code);
    // The headquarters and the windows it opens (game_windows_hq.cpp).
    void WireHeadquarters();
    void OpenHeadquarters();
    void OpenProduction(int origin);
    void OpenFleetOverview(int mode);
    /// The menu's and the headquarters' ways into the options and the tutorial.
    void WireOptions();
    bool settingsWriteFailed_ = false;
    void RunPendingEndOfGame();

    // The turn code only marks the end of a mission; this timer opens the end-of-game window
    // from the event loop once that code has returned.
    platform::Timer endOfGameTimer_;
};

} // namespace olvane
