#pragma once

#include "flow/main_menu.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/timer.h"

#include <functional>
#include <vector>

namespace olvane
{

/// The opening screen, shown once at start: the game's emblem over the searchlights while the
/// progress bar runs through the loading steps, then a pause of 2.5 seconds that a click or a
/// key cuts short.
class TF0_KARA : public platform::Form
{
public:
    static constexpr int StepCount = 18;
    static constexpr int PauseMs = 2500;

    TF0_KARA(const DataFiles& files, int edition);

    /// The work done while the bar runs: step i runs when the bar reaches i + 1. Fewer steps than
    /// the bar has leave the rest of the bar to run empty.
    std::vector<std::function<void()>> loadSteps;

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    void TkaraTimer();
    /// A click or a key: the pause ends at once, or as soon as loading is done.
    void FormClick();

    /// True once every loading step has run.
    bool Loaded() const { return ProgressBar1.position >= StepCount; }

    platform::Label lbVERZIJA;
    platform::Label lbLoading;
    platform::ProgressBar ProgressBar1;
    platform::Timer Tkara;

private:
    const DataFiles& files_;
    int edition_;
    bool skip_ = false;
    bool pausing_ = false;
    MenuArt art_;
};

} // namespace olvane
