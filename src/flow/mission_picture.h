#pragma once

#include "flow/flow_window.h"
#include "platform/picture.h"
#include "state/game.h"

namespace olvane
{

/// The mission picture shown before the first turn: the picture the step table gives the
/// scenario step, under the game mode's word and the scenario's name. A click closes it.
class TF_JPG : public FlowWindow
{
public:
    static constexpr int PictureHeight = 595;

    explicit TF_JPG(Game& game);

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    void FormClick();

    /// The picture shown, empty when the step has none or it cannot be read.
    const platform::Picture& Shown() const { return picture_; }

private:
    Game& game_;
    platform::Picture picture_;
};

} // namespace olvane
