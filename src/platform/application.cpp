#include "platform/application.h"

#include "platform/control.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/frame_diff.h"
#include "platform/quit_signals.h"
#include "platform/script.h"
#include "platform/sound.h"
#include "platform/timer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <thread>

namespace olvane::platform
{

namespace
{

Application* current = nullptr;

// Frames are shown at most this often while the program is busy.
constexpr std::uint64_t FrameInterval = 15;

// With no timer due the event loop sleeps until input comes; a termination signal wakes it too.
constexpr int NoTimerDue = std::numeric_limits<int>::max();

// While a sound plays the loop looks in this often, to stop the sound device when it ends.
constexpr int SoundRestCheck = 250;

// The longest a poll for input sleeps when nothing is pending: its caller checks its own
// condition (a target chosen, a window loaded) in between.
constexpr int LongestPollWait = 100;

// How often a Delay shows its unchanged frame again.
constexpr std::uint64_t DelayRefresh = 100;
// A frame composed again in more places than this is composed whole.
constexpr std::size_t MostPlacesComposed = 16;

} // namespace

Application::Application(const ApplicationOptions& options)
{
    if (current != nullptr)
    {
        throw std::logic_error("only one application runs at a time");
    }
    start_ = SDL_GetTicks64();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
    {
        throw PlatformError(std::string("Olvane cannot open a display: ") + SDL_GetError());
    }
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
    {
        std::string reason = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
        throw PlatformError("Olvane cannot read the display's size: " + reason);
    }
    Size desk = options.desktopSize.value_or(Size{desktop.w, desktop.h});
    int depth = static_cast<int>(SDL_BITSPERPIXEL(desktop.format));
    display_ = ChooseLayout(desk.width, desk.height, depth > 0 ? depth : 32, options.edition);
    SetDisplay(display_);

    float dpi = 0.0f;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) == 0)
    {
        SetFontFactor(FontFactorForDpi(dpi));
    }

    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, options.smoothScaling ? "linear" : "nearest");
    // The software renderer's window surface goes straight to the display; by default SDL would
    // route it through a GL texture and load the whole GL stack after all.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    int windowWidth = display_.clientWidth;
    int windowHeight = display_.clientHeight;
    if (!options.windowed)
    {
        // The desktop's own size and no border, so the picture fills the screen even where no
        // window manager honours the full-screen request.
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
        windowWidth = desktop.w;
        windowHeight = desktop.h;
    }
    window_.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   windowWidth, windowHeight, flags));
    if (window_)
    {
        // Our frames are drawn in software, so SDL's software renderer shows them for the cost
        // of one scaled copy. An accelerated renderer would start a GL stack first, which on a
        // machine without a GPU driver is itself software: slower to start, far larger, and
        // busier while idle. A renderer named in SDL_RENDER_DRIVER still takes precedence.
        renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
        if (!renderer_)
        {
            renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
        }
    }
    if (renderer_)
    {
        texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                         display_.clientWidth, display_.clientHeight));
    }
    if (!texture_)
    {
        std::string reason = SDL_GetError();
        texture_.reset();
        renderer_.reset();
        window_.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
        throw PlatformError("Olvane cannot open a window: " + reason);
    }
    SDL_RenderSetLogicalSize(renderer_.get(), display_.clientWidth, display_.clientHeight);
    SDL_RendererInfo info{};
    softwareRenderer_ = SDL_GetRendererInfo(renderer_.get(), &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    framebuffer_.SetSize(display_.clientWidth, display_.clientHeight);
    SDL_StartTextInput();
    InstallQuitSignals();
    current = this;
}

Application::~Application()
{
    current = nullptr;
    RestoreQuitSignals();
    FontCache::Instance().Clear();
    texture_.reset();
    renderer_.reset();
    window_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
}

Application& Application::Instance()
{
    if (current == nullptr)
    {
        throw std::logic_error("no application is running");
    }
    return *current;
}

bool Application::Exists()
{
    return current != nullptr;
}

std::uint64_t Application::Now() const
{
    return SDL_GetTicks64() - start_;
}

void Application::AttachScript(std::unique_ptr<ScriptRunner> script)
{
    script_ = std::move(script);
}

void Application::RegisterForm(Form* form)
{
    zOrder_.insert(zOrder_.begin(), form);
}

void Application::UnregisterForm(Form* form)
{
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
    if (activeForm_ == form)
    {
        activeForm_ = nullptr;
    }
    if (mainForm_ == form)
    {
        mainForm_ = nullptr;
    }
}

void Application::RegisterTimer(Timer* timer)
{
    timers_.push_back(timer);
}

void Application::UnregisterTimer(Timer* timer)
{
    std::replace(timers_.begin(), timers_.end(), timer, static_cast<Timer*>(nullptr));
}

void Application::ForgetControl(Control* control)
{
    if (capture_ == control)
    {
        capture_ = nullptr;
    }
    if (hovered_ == control)
    {
        hovered_ = nullptr;
    }
    for (Form* f : zOrder_)
    {
        if (f->focused_ == control)
        {
            f->focused_ = nullptr;
        }
    }
}

Form* Application::InputForm() const
{
    return modalStack_.empty() ? activeForm_ : modalStack_.back();
}

void Application::ActivateForm(Form* form)
{
    if (activeForm_ == form)
    {
        return;
    }
    activeForm_ = form;
    MarkDrawn();
    if (form != nullptr && form->onActivate)
    {
        form->onActivate();
    }
}

void Application::ActivateTopForm()
{
    if (!modalStack_.empty())
    {
        ActivateForm(modalStack_.back());
        return;
    }
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    {
        if ((*it)->visible)
        {
            ActivateForm(*it);
            return;
        }
    }
    ActivateForm(nullptr);
}

void Application::ShowForm(Form& form)
{
    MarkDrawn();
    bool wasVisible = form.visible;
    form.visible = true;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
    zOrder_.push_back(&form);
    if (!wasVisible && form.onShow)
    {
        form.onShow();
    }
    if (modalStack_.empty() || modalStack_.back() == &form)
    {
        ActivateForm(&form);
    }
}

void Application::HideForm(Form& form)
{
    if (!form.visible)
    {
        return;
    }
    form.visible = false;
    MarkDrawn();
    if (capture_ != nullptr && capture_->OwnerForm() == &form)
    {
        capture_ = nullptr;
    }
    if (hovered_ != nullptr && hovered_->OwnerForm() == &form)
    {
        hovered_ = nullptr;
    }
    if (form.onHide)
    {
        form.onHide();
    }
    if (activeForm_ == &form)
    {
        activeForm_ = nullptr;
        ActivateTopForm();
    }
}

int Application::RunModal(Form& form)
{
    form.modalResult = ResultNone;
    form.modal_ = true;
    modalStack_.push_back(&form);
    ShowForm(form);
    while (!terminated_)
    {
        // A modal form hidden by its own code could never be answered: that ends it as a cancel.
        if (!form.visible && form.modalResult == ResultNone)
        {
            form.modalResult = ResultCancel;
        }
        if (form.modalResult != ResultNone)
        {
            if (form.QueryClose())
            {
                break;
            }
            form.modalResult = ResultNone;
        }
        HandleMessage();
    }
    int result = terminated_ && form.modalResult == ResultNone ? ResultCancel : form.modalResult;
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    form.modal_ = false;
    HideForm(form);
    ActivateTopForm();
    return result;
}

void Application::Run(Form& mainForm)
{
    mainForm_ = &mainForm;
    if (!mainForm.visible)
    {
        mainForm.Show();
    }
    while (!terminated_)
    {
        HandleMessage();
    }
}

void Application::Terminate(int exitStatus)
{
    if (!terminated_)
    {
        exitStatus_ = exitStatus;
    }
    terminated_ = true;
}

int Application::MillisecondsToNextTimer() const
{
    long long wait = NoTimerDue;
    std::uint64_t now = Now();
    for (const Timer* t : timers_)
    {
        if (t != nullptr)
        {
            long long left = t->MillisecondsLeft(now);
            if (left >= 0)
            {
                wait = std::min(wait, left);
            }
        }
    }
    if (hovered_ != nullptr && !hintDismissed_ && !hovered_->hint.empty())
    {
        std::uint64_t due = hoveredSince_ + HintDelay;
        if (due > now)
        {
            wait = std::min<long long>(wait, static_cast<long long>(due - now));
        }
    }
    return static_cast<int>(wait);
}

int Application::MillisecondsToWait() const
{
    int wait = MillisecondsToNextTimer();
    if (script_)
    {
        wait = std::min(wait, script_->MillisecondsToNextStep(*this));
    }
    return wait;
}

bool Application::RunDueTimers()
{
    // By index: a handler may start timers of its own or run a nested loop. Ended timers leave
    // a gap that only the outermost loop closes, so no loop's index shifts under it.
    bool ran = false;
    ++timerDepth_;
    for (std::size_t i = 0; i < timers_.size() && !terminated_; ++i)
    {
        if (Timer* t = timers_[i])
        {
            ran = t->RunIfDue(Now()) || ran;
        }
    }
    if (--timerDepth_ == 0)
    {
        timers_.erase(std::remove(timers_.begin(), timers_.end(), nullptr), timers_.end());
    }
    return ran;
}

void Application::StepScript()
{
    if (script_ && !terminated_ && SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_FALSE)
    {
        script_->Step(*this);
    }
}

void Application::TakeQuitSignal()
{
    if (QuitSignalled())
    {
        Terminate();
    }
}

void Application::HandleMessage()
{
    queuedBeforePause_ = -1;
    TakeQuitSignal();
    StepScript();
    // What was drawn outside input (a form shown by code, the end of a turn) shows before the
    // loop sleeps.
    if (FrameOutdated())
    {
        Present();
    }
    int wait = MillisecondsToWait();
    if (RestSound())
    {
        wait = std::min(wait, SoundRestCheck);
    }
    SDL_Event event;
    // Input (a script's too) may change any control, so it is always shown; a timer or a
    // script's wait shows only what was drawn.
    bool busy = false;
    if ((wait == NoTimerDue ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, std::max(wait, 1))) != 0)
    {
        busy = true;
        Dispatch(event);
        while (!terminated_ && SDL_PollEvent(&event) != 0)
        {
            Dispatch(event);
        }
    }
    RunDueTimers();
    TakeQuitSignal();
    if (busy)
    {
        Present();
    }
    else if (FrameOutdated())
    {
        PresentChanges();
    }
}

void Application::ProcessMessages()
{
    queuedBeforePause_ = -1;
    SDL_Event event;
    bool input = false;
    while (!terminated_ && SDL_PollEvent(&event) != 0)
    {
        input = true;
        Dispatch(event);
    }
    const bool timed = RunDueTimers();
    TakeQuitSignal();
    StepScript();
    if (input || FrameOutdated())
    {
        PresentIfDue(input);
    }
    if (!input && !timed && !terminated_)
    {
        // Callers loop on this while they wait for the player: sleep until there is something
        // to do, leaving the input that ends the sleep for the next call.
        SDL_WaitEventTimeout(nullptr, std::clamp(MillisecondsToWait(), 1, LongestPollWait));
    }
}

bool Application::FrameOutdated() const
{
    return DrawingGeneration() != composedGeneration_ || HintWaiting();
}

void Application::Delay(int milliseconds)
{
    if (queuedBeforePause_ < 0)
    {
        SDL_PumpEvents();
        queuedBeforePause_ = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    auto wait = static_cast<std::uint64_t>(std::max(0, milliseconds) * speedFactor_);
    std::uint64_t end = Now() + wait;
    if (wait == 0)
    {
        // A pause of nothing only shows what was drawn, never an unchanged frame again; the
        // game at full speed shows it at a busy program's pace rather than every step.
        if (FrameOutdated())
        {
            if (speedFactor_ == 0.0)
            {
                PresentIfDue(false);
            }
            else
            {
                PresentChanges();
            }
        }
        DropInputOfPause();
        return;
    }
    // Nothing of ours runs during the wait, so the frame cannot change: compose it once if
    // anything was drawn, then only show it again now and then for the window system's sake.
    if (FrameOutdated())
    {
        PresentChanges();
    }
    while (Now() < end && !terminated_)
    {
        TakeQuitSignal();
        std::uint64_t left = end - Now();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<std::uint64_t>(left, DelayRefresh)));
        SDL_PumpEvents();
        // The window system may have lost the window's contents meanwhile (a window moved
        // across it); the events that would say so wait until the pause is over.
        wholeFrameDue_ = true;
        ShowFrame();
    }
    DropInputOfPause();
}

void Application::DropInputOfPause()
{
    SDL_PumpEvents();
    const int count = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (count <= std::max(queuedBeforePause_, 0))
    {
        return;
    }
    std::vector<SDL_Event> queued(static_cast<std::size_t>(count));
    const int taken = SDL_PeepEvents(queued.data(), count, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    std::vector<SDL_Event> kept;
    // A button pressed before the pause still gets its release, or the control that took the
    // press would think it held for good.
    Uint32 held = buttonsHeld_;
    for (int i = 0; i < taken; ++i)
    {
        const SDL_Event& e = queued[static_cast<std::size_t>(i)];
        const bool beforePause = i < queuedBeforePause_;
        bool keep = true;
        switch (e.type)
        {
            case SDL_MOUSEBUTTONDOWN:
                keep = beforePause;
                held |= keep ? SDL_BUTTON(e.button.button) : 0;
                break;
            case SDL_MOUSEBUTTONUP:
                keep = beforePause || (held & SDL_BUTTON(e.button.button)) != 0;
                held &= ~SDL_BUTTON(e.button.button);
                break;
            case SDL_KEYDOWN:
                keep = beforePause || (e.key.keysym.sym == SDLK_F4 && (e.key.keysym.mod & KMOD_ALT) != 0);
                break;
            case SDL_KEYUP:
            case SDL_TEXTINPUT:
            case SDL_TEXTEDITING:
            case SDL_MOUSEWHEEL:
                keep = beforePause;
                break;
            default:
                break;
        }
        if (keep)
        {
            kept.push_back(e);
        }
    }
    if (!kept.empty())
    {
        SDL_PeepEvents(kept.data(), static_cast<int>(kept.size()), SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    queuedBeforePause_ = static_cast<int>(kept.size());
}

void Application::PresentIfDue(bool afterInput)
{
    if (Now() - lastPresent_ >= FrameInterval)
    {
        afterInput ? Present() : PresentChanges();
    }
}

std::vector<Form*>::iterator Application::LowestFormShown()
{
    const Rect screen = framebuffer_.Bounds();
    // A form fills its whole area before its controls paint, so nothing under the topmost form
    // that covers the screen can show: neither the black behind all forms nor the forms below.
    auto cover = std::find_if(zOrder_.rbegin(), zOrder_.rend(), [&](const Form* f) {
        const Rect shown = f->bounds.Intersect(screen);
        return f->visible && shown.width == screen.width && shown.height == screen.height;
    });
    return cover == zOrder_.rend() ? zOrder_.end() : std::prev(cover.base());
}

void Application::ComposeInto(Picture& target, const Rect& area, bool recordTexts)
{
    const auto lowest = LowestFormShown();
    if (lowest == zOrder_.end())
    {
        SDL_Rect r{area.x, area.y, area.width, area.height};
        SDL_FillRect(target.Surface(), &r, 0);
    }
    const auto first = lowest == zOrder_.end() ? zOrder_.begin() : lowest;
    for (auto it = zOrder_.begin(); it != zOrder_.end(); ++it)
    {
        Form* f = *it;
        if (!f->visible)
        {
            continue;
        }
        if (recordTexts)
        {
            f->drawnTexts_.clear();
        }
        if (it >= first)
        {
            Canvas::RecordTextsInto(recordTexts ? &f->drawnTexts_ : nullptr);
            f->PaintTree(target, area);
            Canvas::RecordTextsInto(nullptr);
        }
    }
}

void Application::Compose()
{
    placements_.clear();
    Canvas::RecordPlacementsInto(&placements_, framebuffer_.Surface());
    ComposeInto(framebuffer_, framebuffer_.Bounds(), true);
    Canvas::RecordPlacementsInto(nullptr, nullptr);
    composedPixels_ += static_cast<std::uint64_t>(framebuffer_.Width()) * static_cast<std::uint64_t>(framebuffer_.Height());
    recomposed_ = framebuffer_.Bounds();
    DrawHint();
    // The frame's own drawing is no change to show.
    TakeDrawnParts();
}

bool Application::ComposeChanges()
{
    // Only drawing into pictures the last whole frame showed can be composed in parts: input,
    // a form shown or a caption changed mark everything drawn, and the hint covers what it likes.
    const std::optional<std::vector<DrawnPart>> parts = TakeDrawnParts();
    std::optional<std::vector<Rect>> areas;
    if (parts && !hintShown_ && !HintWaiting() && !placements_.empty())
    {
        areas = ScreenAreas(*parts, placements_, framebuffer_.Surface());
    }
    if (areas)
    {
        // Every place composed walks every form again: past a few, or half the screen, the
        // whole frame costs no more.
        std::uint64_t covered = 0;
        for (const Rect& area : *areas)
        {
            covered += static_cast<std::uint64_t>(area.width) * static_cast<std::uint64_t>(area.height);
        }
        const auto screen = static_cast<std::uint64_t>(framebuffer_.Width()) * static_cast<std::uint64_t>(framebuffer_.Height());
        if (areas->size() > MostPlacesComposed || 2 * covered > screen)
        {
            areas.reset();
        }
    }
    if (!areas)
    {
        Compose();
        return false;
    }
    for (const Rect& area : *areas)
    {
        recomposed_ = recomposed_.Union(area);
        ComposeInto(framebuffer_, area, false);
        composedPixels_ += static_cast<std::uint64_t>(area.width) * static_cast<std::uint64_t>(area.height);
    }
    TakeDrawnParts();
#ifndef NDEBUG
    // Test builds check every frame composed in parts against the whole: a change drawn
    // without marking it would otherwise show only at the next input.
    Picture whole(framebuffer_.Width(), framebuffer_.Height());
    ComposeInto(whole, whole.Bounds(), false);
    TakeDrawnParts();
    const std::vector<SDL_Rect> stale = ChangedRects(*whole.Surface(), *framebuffer_.Surface());
    if (!stale.empty())
    {
        std::fprintf(stderr, "Olvane: a frame composed in parts differs from the whole at %d, %d (%d x %d)\n",
                     stale[0].x, stale[0].y, stale[0].w, stale[0].h);
        std::abort();
    }
#endif
    return true;
}

void Application::Present()
{
    Compose();
    ShowComposedFrame();
}

void Application::PresentChanges()
{
    ComposeChanges();
    ShowComposedFrame();
}

void Application::ShowComposedFrame()
{
    textureOutdated_ = true;
    ShowFrame();
    lastPresent_ = Now();
    composedGeneration_ = DrawingGeneration();
}

SDL_Surface* Application::UnscaledWindowSurface()
{
    if (!softwareRenderer_)
    {
        return nullptr;
    }
    SDL_Surface* window = SDL_GetWindowSurface(window_.get());
    const SDL_Surface* frame = framebuffer_.Surface();
    if (window == nullptr || window->w != frame->w || window->h != frame->h ||
        window->format->format != frame->format->format)
    {
        return nullptr;
    }
    return window;
}

void Application::ShowFrame()
{
    ++presents_;
    SDL_Surface* frame = framebuffer_.Surface();
    // At the layout's own size the software renderer would only copy our frame whole into the
    // window's surface and push all of it; writing there ourselves, only what changed since
    // the last frame shown, makes a blinking unit cost its own cell.
    if (SDL_Surface* window = UnscaledWindowSurface())
    {
        std::vector<SDL_Rect> rects;
        if (wholeFrameDue_)
        {
            rects.push_back(SDL_Rect{0, 0, frame->w, frame->h});
        }
        else
        {
            rects = ChangedRects(*window, *frame, recomposed_);
        }
        CopyRects(*frame, *window, rects);
        for (const SDL_Rect& r : rects)
        {
            pushedPixels_ += static_cast<std::uint64_t>(r.w) * static_cast<std::uint64_t>(r.h);
        }
        if (!rects.empty())
        {
            SDL_UpdateWindowSurfaceRects(window_.get(), rects.data(), static_cast<int>(rects.size()));
        }
        wholeFrameDue_ = false;
        recomposed_ = Rect{};
        return;
    }
    if (textureOutdated_)
    {
        SDL_UpdateTexture(texture_.get(), nullptr, frame->pixels, frame->pitch);
        textureOutdated_ = false;
    }
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
    pushedPixels_ += static_cast<std::uint64_t>(frame->w) * static_cast<std::uint64_t>(frame->h);
    // The renderer scaled the frame into the window its own way; back at the layout's size the
    // window's surface holds nothing we can compare with.
    wholeFrameDue_ = true;
    recomposed_ = Rect{};
}

bool Application::FullScreen() const
{
    return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void Application::ToggleFullScreen()
{
    SDL_SetWindowFullscreen(window_.get(), FullScreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void ProcessMessages()
{
    Application::Instance().ProcessMessages();
}

void Delay(int milliseconds)
{
    Application::Instance().Delay(milliseconds);
}

} // namespace olvane::platform
