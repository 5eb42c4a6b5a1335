#pragma once

#include "hq/hq_window.h"
#include "platform/button.h"
#include "state/game.h"

namespace olvane
{

/// The fleet overview: the order of battle on the nation's picture (mode 1) or both sides'
/// losses per class (mode 2), as the headquarters set the shared fleet-overview mode. OK or a
/// click anywhere closes it.
class TF90_FLOTA : public HqWindow
{
public:
    static constexpr std::uint8_t ModeOrderOfBattle = 1;
    static constexpr std::uint8_t ModeLosses = 2;

    explicit TF90_FLOTA(Game& game);

    void FormActivate();
    void FormPaint(platform::Canvas& canvas);
    void btOKClick();

    platform::Button btOK;

private:
    void LoadArt();
    void PaintOrderOfBattle(platform::Canvas& canvas);
    void PaintLosses(platform::Canvas& canvas);
    void PaintLossPanel(platform::Canvas& canvas, int side, int left, int top);

    Game& game_;
    bool artLoaded_ = false;
    int pictureNation_ = -1;
    platform::Picture nationPicture_;
    platform::Picture lossPicture_;
    platform::Picture emblem_;
    platform::PictureList flags_;
    platform::PictureList sprites_;
    platform::PictureList icons_;
    platform::PictureList classPictures_;
};

/// The order-of-battle picture of a nation 1..8 (Australia and New Zealand share one).
std::string_view OrderOfBattlePicture(int nation);

} // namespace olvane
