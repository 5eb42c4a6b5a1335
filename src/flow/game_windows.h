#pragma once

#include "flow/briefing.h"
#include "flow/curtain.h"
#include "flow/difficulty_screen.h"
#include "flow/main_menu.h"
#include "flow/mission_picture.h"
#include "flow/opening_screen.h"
#include "flow/selection_screen.h"
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

    /// The message window with a code; a plain box with the code's lines until it is set.
    std::function<void(int code)> onShowMessage;

    // In creation order.
    TF2_MENI menu;
    TF0_KARA opening;
    TForm1 mainWindow;
    TF04_SIDE selection;
    TF08_UVOD briefing;
    TF130_TEKST textWindow;
    TF_JPG missionPicture;
    Tf_zavesa curtain;

private:
    bool Terminated() const;
    void ShowMessage(int code);
};

} // namespace olvane
