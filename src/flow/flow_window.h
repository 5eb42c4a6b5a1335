#pragma once

#include "platform/form.h"
#include "platform/label.h"

#include <string_view>

namespace olvane
{

/// One of the 800 x 600 windows of a game's start, centred on the screen under a title band that
/// carries its caption. Controls and pictures are placed in client coordinates below the band.
class FlowWindow : public platform::Form
{
public:
    static constexpr int ClientWidth = 800;
    static constexpr int ClientHeight = 600;
    static constexpr int TitleHeight = 22;

    FlowWindow();

    void SetTitle(std::string_view text) { titleBar.caption = std::string(text); }

    /// A control's bounds in client coordinates.
    static void Place(platform::Control& control, int x, int y, int width, int height)
    {
        control.SetBounds(x, y + TitleHeight, width, height);
    }

    platform::Label titleBar;
};

} // namespace olvane
