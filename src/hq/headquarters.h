#pragma once

#include "hq/hq_window.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/image.h"
#include "state/game.h"

#include <functional>

namespace olvane
{

/// How the player left the headquarters.
enum class HqExit
{
    ReturnToGame,
    /// The mission is marked ended (quit); the end of game follows once the window is closed.
    ExitToMenu,
    /// The program ends.
    ExitToWindows,
};

/// The headquarters: the player's fleet on the headquarters picture with the mission line, and
/// the ways to every other window of the mission. It changes nothing itself but the sound switch
/// and the exits; the windows it opens are reached through its hooks.
class TF95_HQ : public HqWindow
{
public:
    explicit TF95_HQ(Game& game);

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void btRETURNClick();
    void btENDClick();
    void btWINClick();
    void cbSoundClick();

    HqExit Exit() const { return exit_; }

    /// The windows the buttons open; a button whose hook is not set does nothing.
    std::function<void()> onObjective;
    std::function<void()> onOrderOfBattle;
    std::function<void()> onLosses;
    std::function<void()> onProduction;
    std::function<void()> onTechnology;
    std::function<void()> onTutorial;
    std::function<void()> onOptions;
    std::function<void()> onHelp;

    platform::Image IMzastava;
    platform::Button BTobj;
    platform::Button btORDER;
    platform::Button btLOSSES;
    platform::Button btBUY;
    platform::Button sbtTECH;
    platform::Button sbtTUTOR;
    platform::Button sbtOptions;
    platform::Button btHELP;
    platform::Button btRETURN;
    platform::Button btEND;
    platform::Button btWIN;
    platform::CheckBox cbSound;

private:
    void LoadArt();
    void PaintSummary(platform::Canvas& canvas);
    void PaintUnit(platform::Canvas& canvas, int unit, int left, int top);

    Game& game_;
    HqExit exit_ = HqExit::ReturnToGame;
    bool artLoaded_ = false;
    platform::Picture background_;
    platform::PictureList flags_;
    platform::PictureList sprites_;
};

} // namespace olvane
