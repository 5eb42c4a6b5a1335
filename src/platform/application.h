#pragma once

#include "platform/canvas.h"
#include "platform/display_layout.h"
#include "platform/picture.h"
#include "platform/sdl_handles.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace olvane::platform
{

class Control;
class Form;
class Timer;
class ScriptRunner;

/// The display could not be opened (or another start-up failure the player must be told about).
class PlatformError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct ApplicationOptions
{
    bool windowed = false;
    bool smoothScaling = false;
    /// Pretends the desktop has this size when choosing the layout (tests, screenshots).
    std::optional<Size> desktopSize;
    int edition = 2;
    std::string title = "Olvane";
};

/// The one window, the framebuffer and the event loop that every form runs on. There is one
/// Application for the whole run; forms find it through Instance().
class Application
{
public:
    explicit Application(const ApplicationOptions& options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& Instance();
    static bool Exists();

    const DisplaySettings& Display() const { return display_; }

    Picture& Framebuffer() { return framebuffer_; }

    /// Shows the main form and runs the message loop until it closes or the program ends.
    void Run(Form& mainForm);

    Form* MainForm() const { return mainForm_; }

    void SetMainForm(Form* form) { mainForm_ = form; }

    /// Handles every pending input event and due timer and shows what changed. With nothing to
    /// do it sleeps until input arrives or the next timer is due (and leaves that input queued),
    /// so a loop that polls it while the player chooses (the fire-target wait) stays off the CPU.
    void ProcessMessages();

    /// Waits for the next input event or timer and handles it.
    void HandleMessage();

    /// Waits the given time (scaled by the speed factor) while presenting frames; no timer runs.
    /// A wait scaled to nothing shows a frame only when something was drawn since the last one;
    /// at speed 0, no more often than a busy program would.
    /// Clicks and keys the player makes while the game pauses are dropped when the wait ends, so
    /// none of them acts on what comes after the pause (the next turn's status box, say); the
    /// window's close and Alt+F4 stay queued. Back-to-back waits count as one pause until the
    /// loop next takes input.
    void Delay(int milliseconds);

    /// Multiplies every Delay; 1 by default, 0 makes delays return at once.
    void SetSpeedFactor(double factor) { speedFactor_ = factor < 0.0 ? 0.0 : factor; }

    double SpeedFactor() const { return speedFactor_; }

    /// Ends every loop; the program's exit status becomes the given one.
    void Terminate(int exitStatus = 0);

    bool Terminated() const { return terminated_; }

    int ExitStatus() const { return exitStatus_; }

    /// Milliseconds on the monotonic clock since start.
    std::uint64_t Now() const;

    /// Draws every visible form into the framebuffer, bottom to top.
    void Compose();

    /// Composes and shows the framebuffer in the window.
    void Present();

    /// Shows what changed since the last frame: when only pictures on the screen were drawn,
    /// the frame is composed again only where they show.
    void PresentChanges();

    /// Frames shown in the window so far, each showing of an unchanged frame included. An idle
    /// program shows none: a frame is composed only when input came or something was drawn.
    std::uint64_t PresentCount() const { return presents_; }
    SDL_Window* Window() const { return window_.get(); }
    /// Frame pixels composed so far: a whole frame each, or only the parts that changed.
    std::uint64_t ComposedPixelCount() const { return composedPixels_; }
    /// Window pixels pushed to the window system so far (a whole frame each when scaled).
    std::uint64_t PushedPixelCount() const { return pushedPixels_; }

    void ToggleFullScreen();

    bool FullScreen() const;

    /// Called for Alt+F4 without Shift or Ctrl; without a handler it ends the program.
    std::function<void()> onForcedQuit;

    /// Played before a button acts (the game's click sound).
    std::function<void()> onButtonClick;

    Form* ActiveForm() const { return activeForm_; }

    /// The form that receives input: the top modal form, else the active one.
    Form* InputForm() const;

    /// Forms in drawing order, bottom first.
    const std::vector<Form*>& ZOrder() const { return zOrder_; }

    /// Runs a script of input commands inside the event loop.
    void AttachScript(std::unique_ptr<ScriptRunner> script);

    /// Converts a framebuffer point to window pixels, for input fed through SDL's queue.
    Point FramebufferToWindow(Point p) const;

    /// How long the mouse rests on a control before its hint shows.
    static constexpr int HintDelay = 500;

    /// True while a modal form's loop runs.
    bool InModalLoop() const { return !modalStack_.empty(); }

    // Used by forms, controls and timers.
    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);
    void ShowForm(Form& form);
    void HideForm(Form& form);
    int RunModal(Form& form);
    void RegisterTimer(Timer* timer);
    void UnregisterTimer(Timer* timer);
    void ForgetControl(Control* control);
    void Dispatch(const SDL_Event& event);

private:
    void ActivateForm(Form* form);
    void ActivateTopForm();
    Form* FormAt(Point p) const;
    void DispatchMouseButton(const SDL_MouseButtonEvent& e, bool down);
    void DispatchMouseMotion(const SDL_MouseMotionEvent& e);
    void DispatchKey(const SDL_KeyboardEvent& e);
    bool RunDueTimers();
    void DropInputOfPause();
    bool HintWaiting() const;
    bool FrameOutdated() const;
    void TakeQuitSignal();
    int MillisecondsToNextTimer() const;
    int MillisecondsToWait() const;
    void StepScript();
    /// Shows what changed if a frame is due; after input the frame is composed whole.
    void PresentIfDue(bool afterInput);
    /// Composes again only where pictures shown on the screen were drawn, when that is all that
    /// changed; says whether it could.
    bool ComposeChanges();
    void ShowComposedFrame();
    std::vector<Form*>::iterator LowestFormShown();
    void ComposeInto(Picture& target, const Rect& area, bool recordTexts);
    void DrawHint();
    void ShowFrame();
    SDL_Surface* UnscaledWindowSurface();

    DisplaySettings display_;
    WindowPtr window_;
    RendererPtr renderer_;
    TexturePtr texture_;
    Picture framebuffer_;
    std::vector<Form*> zOrder_;
    // Where pictures were copied onto the frame when it was last composed whole.
    std::vector<Placement> placements_;
    // Where the frame was composed again since the window last showed it.
    Rect recomposed_;
    std::vector<Form*> modalStack_;
    std::vector<Timer*> timers_;
    Form* mainForm_ = nullptr;
    Form* activeForm_ = nullptr;
    Control* capture_ = nullptr;
    Uint32 buttonsHeld_ = 0;
    // The control under the resting mouse, where and since when; its hint shows after a while.
    Control* hovered_ = nullptr;
    Point mouse_;
    std::uint64_t hoveredSince_ = 0;
    bool hintDismissed_ = false;
    bool hintShown_ = false;
    int timerDepth_ = 0;
    std::uint64_t composedGeneration_ = 0;
    std::unique_ptr<ScriptRunner> script_;
    std::uint64_t start_ = 0;
    std::uint64_t lastPresent_ = 0;
    std::uint64_t presents_ = 0;
    std::uint64_t pushedPixels_ = 0;
    std::uint64_t composedPixels_ = 0;
    // Whether frames may go straight to the window's surface (the software renderer's target).
    bool softwareRenderer_ = false;
    // The window's surface holds what was last shown, unless the window system or the renderer
    // has touched it since; then the next frame goes whole.
    bool wholeFrameDue_ = true;
    bool textureOutdated_ = true;
    double speedFactor_ = 1.0;
    // How many queued events came before the pause under way; -1 while the game is not pausing.
    int queuedBeforePause_ = -1;
    bool terminated_ = false;
    int exitStatus_ = 0;
    bool ownsTtf_ = false;
};

/// The game's waits, reaching the one application.
void ProcessMessages();
void Delay(int milliseconds);

} // namespace olvane::platform
