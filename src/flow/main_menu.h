#pragma once

#include "platform/button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace olvane
{

struct Game;
class DataFiles;

/// The menu's emblem and title pictures, drawn by the menu and the opening screen alike.
struct MenuArt
{
    platform::Picture background;
    platform::Picture emblem;
    platform::Picture logo;

    /// Loads the background `stem` + "1024"/"1366" + `extension` of the edition's folder and the
    /// two emblem pictures.
    void Load(const DataFiles& files, int edition, std::string_view stem, std::string_view extension);

    /// Background centred, the emblem at (747, 99) and the title at (777, 257), both shifted right
    /// by the layout's menu shift.
    void Draw(platform::Canvas& canvas, int width, int height) const;
};

/// The main menu, the program's root window: closing it ends the program. Its entries start a
/// game of each mode, load a saved game, open the hall of fame, the options, the help and the
/// about text, or leave.
class TF2_MENI : public platform::Form
{
public:
    TF2_MENI(const DataFiles& files, int edition);

    /// The game the entries act on; the main game window that holds it is created after the menu.
    void Attach(Game& game) { game_ = &game; }

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void SBtDEATHClick();
    void BTsSCENClick();
    void SBtCAMPClick();
    void SBtLOADClick();
    void sbSKORClick();
    void sbtTUTORClick();
    void SBoptionsClick();
    void SBtHELPClick();
    void SBtABOUTClick();
    void SBtEXITClick();

    /// Shown once, the first time the menu becomes active (the opening screen).
    std::function<void()> onFirstActivation;
    /// The chain of a new game (difficulty, selection, briefing ...), once the mode is set.
    std::function<void()> onNewGame;
    /// Asks for a save file; nothing when the player cancels.
    std::function<std::optional<std::filesystem::path>()> onChooseSaveFile;
    /// A game was loaded: the briefing and the main window follow.
    std::function<void()> onGameLoaded;
    /// The message window with a code (53 for the about text).
    std::function<void(int code)> onShowMessage;
    /// Windows that come later; a plain box says so until they are set.
    std::function<void()> onOpenScores;
    std::function<void()> onOpenOptions;
    std::function<void()> onOpenTutorial;
    /// Starts the help page; the reason when it could not be opened.
    std::function<std::optional<std::string>(const std::filesystem::path&)> onOpenPage;

    platform::Label lbTitle;
    platform::Label lbSubtitle;
    platform::Label lbVERZIJA;
    platform::SpeedButton SBtDEATH;
    platform::SpeedButton BTsSCEN;
    platform::SpeedButton SBtCAMP;
    platform::SpeedButton SBtLOAD;
    platform::SpeedButton sbSKOR;
    platform::SpeedButton sbtTUTOR;
    platform::SpeedButton SBoptions;
    platform::SpeedButton SBtHELP;
    platform::SpeedButton SBtABOUT;
    platform::SpeedButton SBtEXIT;

private:
    void NewGame(std::uint8_t mode);
    void LayOut();

    const DataFiles& files_;
    int edition_;
    Game* game_ = nullptr;
    bool activated_ = false;
    MenuArt art_;
};

} // namespace olvane
