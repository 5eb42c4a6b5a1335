#pragma once

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/label.h"
#include "screen/game_art.h"

#include <string>
#include <string_view>

namespace olvane
{

/// One of the 800 x 600 windows of the headquarters, centred on the screen under a title band
/// that carries its caption. Controls and pictures are placed in client coordinates below the
/// band.
class HqWindow : public platform::Form
{
public:
    static constexpr int ClientWidth = 800;
    static constexpr int ClientHeight = 600;
    static constexpr int TitleHeight = 22;

    HqWindow();

    void SetTitle(std::string_view text) { titleBar.caption = std::string(text); }

    /// A control's bounds in client coordinates.
    static void Place(platform::Control& control, int x, int y, int width, int height)
    {
        control.SetBounds(x, y + TitleHeight, width, height);
    }

    /// The client area's rectangle in the form's coordinates.
    static platform::Rect ClientRect() { return platform::Rect{0, TitleHeight, ClientWidth, ClientHeight}; }

    platform::Label titleBar;
};

/// "BMP/MENI2/" + name for the edition's picture folder.
std::string HqPicturePath(int edition, std::string_view name);

/// Frame `index` of a list stretched into a rectangle, when the list holds it.
void DrawFrameIn(platform::Canvas& canvas, const platform::Rect& r, const platform::PictureList& list,
                 int index);

/// Text with a one-pixel shadow up and to the left, in the canvas font's colour over `shadow`.
void ShadowText(platform::Canvas& canvas, int x, int y, std::string_view text, platform::Colour shadow);

} // namespace olvane
