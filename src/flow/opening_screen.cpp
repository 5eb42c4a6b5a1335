#include "flow/opening_screen.h"

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/display_layout.h"
#include "state/flow_state.h"

#include <algorithm>
#include <cmath>

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

/// Each step gives the screen a frame, so the bar is seen to move.
constexpr int StepMs = 1;

} // namespace

TF0_KARA::TF0_KARA(const DataFiles& files, int edition)
    : lbVERZIJA(this), lbLoading(this), ProgressBar1(this), Tkara(StepMs), files_(files), edition_(edition)
{
    colour = colours::Black;
    MakeFullScreen();
    const int shift = platform::Display().menuShift;
    lbVERZIJA.SetBounds(777 + shift, 357, 200, 20);
    lbVERZIJA.transparent = true;
    lbVERZIJA.font = Font{"ARIAL", 10, FontStyle::Regular, false, colours::Silver};
    if (edition >= 0 && edition < EditionCount)
    {
        lbVERZIJA.caption = std::string(EditionVersions[static_cast<std::size_t>(edition)]);
    }
    lbLoading.SetBounds(bounds.width / 2 - 200, bounds.height - 90, 400, 20);
    lbLoading.transparent = true;
    lbLoading.alignment = platform::Alignment::Centre;
    lbLoading.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::White};
    lbLoading.caption = "LOADING...";
    ProgressBar1.SetBounds(bounds.width / 2 - 200, bounds.height - 64, 400, 16);
    ProgressBar1.min = 0;
    ProgressBar1.max = StepCount;
    Tkara.onTimer = [this] { TkaraTimer(); };
    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
    onClick = [this] { FormClick(); };
    onKeyDown = [this](SDL_Keycode& key, platform::ShiftState) {
        key = 0;
        FormClick();
    };
}

void TF0_KARA::FormShow()
{
    art_.Load(files_, edition_, "sareni", ".JPG");
    ProgressBar1.position = 0;
    pausing_ = false;
    skip_ = false;
    Tkara.SetInterval(StepMs);
    Tkara.SetEnabled(true);
}

void TF0_KARA::FormPaint(platform::Canvas& canvas)
{
    art_.Draw(canvas, bounds.width, bounds.height);
}

void TF0_KARA::TkaraTimer()
{
    if (pausing_)
    {
        Tkara.SetEnabled(false);
        Close();
        return;
    }
    const int step = ProgressBar1.position;
    if (step < static_cast<int>(loadSteps.size()) && loadSteps[static_cast<std::size_t>(step)])
    {
        loadSteps[static_cast<std::size_t>(step)]();
    }
    ProgressBar1.position = step + 1;
    platform::MarkDrawn();
    if (!Loaded())
    {
        return;
    }
    lbLoading.caption = "PRESS ANY KEY";
    if (skip_)
    {
        Tkara.SetEnabled(false);
        Close();
        return;
    }
    // The pause follows the game's speed, so scripted runs need not sit through it.
    pausing_ = true;
    const double factor = platform::Application::Instance().SpeedFactor();
    Tkara.SetInterval(std::max(1, static_cast<int>(std::lround(PauseMs * factor))));
}

void TF0_KARA::FormClick()
{
    skip_ = true;
    if (Loaded())
    {
        Tkara.SetEnabled(false);
        Close();
    }
}

} // namespace olvane
