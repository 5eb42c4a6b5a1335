#include "platform/button.h"
#include "platform/edit_box.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/app_fixture.h"
#include "platform/timer.h"

#include <csignal>
#include <memory>
#include <thread>

namespace olvane::platform
{
namespace
{

using FormTest = test::AppTest;

TEST_F(FormTest, FormsShowAndHideInOrderAndPassTheActiveRole)
{
    Form menu;
    Form hq;
    hq.MakeCentred(800, 600);
    EXPECT_EQ(hq.bounds, (Rect{112, 84, 800, 600}));
    EXPECT_EQ(menu.bounds, (Rect{0, 0, 1024, 768}));
    int menuActivations = 0;
    menu.onActivate = [&] { ++menuActivations; };
    menu.colour = colours::Navy;
    hq.colour = colours::Maroon;

    menu.Show();
    EXPECT_EQ(app->ActiveForm(), &menu);
    EXPECT_EQ(menuActivations, 1);
    hq.Show();
    EXPECT_EQ(app->ActiveForm(), &hq);
    EXPECT_EQ(app->ZOrder().back(), &hq);
    app->Compose();
    EXPECT_EQ(app->Framebuffer().Pixel(5, 5), colours::Navy);
    EXPECT_EQ(app->Framebuffer().Pixel(500, 400), colours::Maroon) << "the later form lies on top";

    hq.Hide();
    EXPECT_EQ(app->ActiveForm(), &menu);
    EXPECT_EQ(menuActivations, 2) << "the form beneath becomes active again";
    app->Compose();
    EXPECT_EQ(app->Framebuffer().Pixel(500, 400), colours::Navy);

    // Clicking a form behind brings it forward.
    hq.Show();
    QueueClick(5, 5);
    app->ProcessMessages();
    EXPECT_EQ(app->ActiveForm(), &menu);
    EXPECT_EQ(app->ZOrder().back(), &menu);

    // Closing the main form ends the program; closing another only hides it.
    app->SetMainForm(&menu);
    hq.Close();
    EXPECT_FALSE(hq.visible);
    EXPECT_FALSE(app->Terminated());
    bool refuse = true;
    menu.onClose = [&](CloseAction& action) {
        if (refuse)
        {
            action = CloseAction::None;
        }
    };
    menu.Close();
    EXPECT_TRUE(menu.visible);
    refuse = false;
    menu.Close();
    EXPECT_TRUE(app->Terminated());
}

TEST_F(FormTest, ModalFormRunsItsOwnLoopUntilItCloses)
{
    Form main;
    main.Show();
    Form dialog;
    dialog.MakeCentred(300, 200);
    Button ok(&dialog);
    ok.SetBounds(100, 150, 75, 25);
    ok.modalResult = ResultOk;
    int clicksOnMain = 0;
    main.onMouseDown = [&](MouseButton, ShiftState, int, int) { ++clicksOnMain; };
    int sounds = 0;
    app->onButtonClick = [&] { ++sounds; };

    // A click outside the modal form is ignored; the one on OK ends the loop.
    QueueClick(5, 5);
    QueueClick(dialog.bounds.x + 120, dialog.bounds.y + 160);
    EXPECT_EQ(dialog.ShowModal(), ResultOk);
    EXPECT_EQ(clicksOnMain, 0);
    EXPECT_EQ(sounds, 1) << "the button played its click";
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(app->ActiveForm(), &main);

    // Escape presses the cancel button; a bare Close gives ResultCancel.
    Button cancel(&dialog);
    cancel.modalResult = ResultCancel;
    dialog.cancelButton = &cancel;
    QueueKey(SDLK_ESCAPE);
    EXPECT_EQ(dialog.ShowModal(), ResultCancel);

    Timer closer(20, true);
    closer.onTimer = [&] {
        closer.SetEnabled(false);
        dialog.Close();
    };
    EXPECT_EQ(dialog.ShowModal(), ResultCancel);

    // A modal form its own code hides ends as a cancel instead of waiting unseen.
    Timer hider(20, true);
    hider.onTimer = [&] {
        hider.SetEnabled(false);
        dialog.Hide();
    };
    EXPECT_EQ(dialog.ShowModal(), ResultCancel);

    // Nested modal forms: the inner one returns first.
    Form inner;
    inner.MakeCentred(100, 100);
    Timer opener(10, true);
    int innerResult = -1;
    opener.onTimer = [&] {
        opener.SetEnabled(false);
        Timer finish(10, true);
        finish.onTimer = [&] { inner.modalResult = 42; };
        innerResult = inner.ShowModal();
        dialog.modalResult = 43;
    };
    EXPECT_EQ(dialog.ShowModal(), 43);
    EXPECT_EQ(innerResult, 42);
}

TEST_F(FormTest, TimersFireOnTheWindowThreadAndNotDuringDelay)
{
    Form form;
    form.Show();
    auto windowThread = std::this_thread::get_id();
    int fired = 0;
    bool sameThread = true;
    Timer blink(30, false);
    blink.onTimer = [&] {
        ++fired;
        sameThread = sameThread && std::this_thread::get_id() == windowThread;
    };
    app->Delay(60);
    EXPECT_EQ(fired, 0) << "a disabled timer stays quiet";

    blink.SetEnabled(true);
    app->Delay(100);
    EXPECT_EQ(fired, 0) << "Delay handles no timers";
    app->ProcessMessages();
    EXPECT_EQ(fired, 1) << "an overdue timer fires once, not once per missed interval";

    std::uint64_t end = app->Now() + 200;
    while (app->Now() < end)
    {
        app->HandleMessage();
    }
    EXPECT_GE(fired, 3);
    EXPECT_LE(fired, 9) << "never faster than its interval";
    EXPECT_TRUE(sameThread);

    // A handler may end its own timer for good.
    auto once = std::make_unique<Timer>(10, true);
    int onceFired = 0;
    once->onTimer = [&] {
        ++onceFired;
        once.reset();
    };
    end = app->Now() + 60;
    while (app->Now() < end)
    {
        app->HandleMessage();
    }
    EXPECT_EQ(onceFired, 1);
    EXPECT_EQ(once, nullptr);

    // The speed factor scales every Delay.
    app->SetSpeedFactor(0.0);
    std::uint64_t before = app->Now();
    app->Delay(5000);
    EXPECT_LT(app->Now() - before, 1000u);
}

TEST_F(FormTest, ClicksAndKeysMadeWhileTheGamePausesAreDropped)
{
    Form form;
    form.Show();
    int downs = 0;
    int ups = 0;
    std::vector<SDL_Keycode> keys;
    form.onMouseDown = [&](MouseButton, ShiftState, int, int) { ++downs; };
    form.onMouseUp = [&](MouseButton, ShiftState, int, int) { ++ups; };
    form.onKeyDown = [&](SDL_Keycode& key, ShiftState) { keys.push_back(key); };
    int forced = 0;
    app->onForcedQuit = [&] { ++forced; };
    app->SetSpeedFactor(0.0);

    // Input made before the pause waits its turn and is handled after it.
    QueueClick(100, 100);
    QueueKey(SDLK_a);
    app->Delay(200);
    app->ProcessMessages();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(keys, (std::vector<SDL_Keycode>{SDLK_a}));

    // Input made during a pause of several waits (an enemy phase) is gone when it ends; Alt+F4
    // and the window's close stay.
    app->Delay(300);
    QueueClick(100, 100);
    QueueKey(SDLK_RETURN);
    QueueText("x");
    QueueKey(SDLK_F4, KMOD_LALT);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    app->Delay(300);
    app->ProcessMessages();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(keys, (std::vector<SDL_Keycode>{SDLK_a}));
    EXPECT_EQ(forced, 2);

    // A button pressed before the pause still gets its release made during it.
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    press.button.state = SDL_PRESSED;
    press.button.x = 100;
    press.button.y = 100;
    SDL_PushEvent(&press);
    app->ProcessMessages();
    EXPECT_EQ(downs, 2);
    app->Delay(100);
    SDL_Event release = press;
    release.type = SDL_MOUSEBUTTONUP;
    release.button.state = SDL_RELEASED;
    SDL_PushEvent(&release);
    app->Delay(100);
    app->ProcessMessages();
    EXPECT_EQ(ups, 2);

    // Once the game takes input again, new input counts again.
    QueueKey(SDLK_b);
    app->ProcessMessages();
    EXPECT_EQ(keys, (std::vector<SDL_Keycode>{SDLK_a, SDLK_b}));
}

TEST_F(FormTest, EditBoxTakesTypedTextAndEnter)
{
    Form form;
    form.Show();
    EditBox name(&form);
    name.SetBounds(10, 10, 200, 21);
    int returns = 0;
    name.onReturn = [&] { ++returns; };
    QueueClick(20, 20);
    QueueText("ADMIRAL ");
    QueueText("Čapek");
    QueueKey(SDLK_a); // the key press of a typed letter must not type it again
    QueueKey(SDLK_BACKSPACE);
    QueueKey(SDLK_RETURN);
    app->ProcessMessages();
    EXPECT_TRUE(name.Focused());
    EXPECT_EQ(name.text, "ADMIRAL Čape");
    EXPECT_EQ(returns, 1);

    // The caret moves; typing and deleting happen where it stands.
    name.text = "NELSN";
    QueueKey(SDLK_LEFT);
    QueueText("O");
    QueueKey(SDLK_HOME);
    QueueKey(SDLK_DELETE);
    QueueText("W");
    QueueKey(SDLK_END);
    QueueText("!");
    app->ProcessMessages();
    EXPECT_EQ(name.text, "WELSON!");
    QueueClick(10 + 3 + 1, 20); // before the first letter
    QueueKey(SDLK_BACKSPACE);
    QueueText("A ");
    app->ProcessMessages();
    EXPECT_EQ(name.text, "A WELSON!");

    // With key preview the form sees keys first and may keep them from the focused control.
    form.keyPreview = true;
    std::vector<SDL_Keycode> seen;
    form.onKeyDown = [&](SDL_Keycode& key, ShiftState) {
        seen.push_back(key);
        if (key == SDLK_BACKSPACE)
        {
            key = 0;
        }
    };
    QueueKey(SDLK_BACKSPACE);
    QueueKey(SDLK_LEFT);
    app->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<SDL_Keycode>{SDLK_BACKSPACE, SDLK_LEFT}));
    EXPECT_EQ(name.text, "A WELSON!") << "the swallowed Backspace deleted nothing";
    form.keyPreview = false;
    form.onKeyDown = nullptr;

    name.maxLength = 15;
    name.text.clear();
    QueueText("ABCDEFGHIJKLMNOPQRST");
    app->ProcessMessages();
    EXPECT_EQ(name.text, "ABCDEFGHIJKLMNO");
}

TEST_F(FormTest, MessageBoxAnswersYesOrNo)
{
    Form form;
    form.Show();
    // Enter presses Yes, the default button.
    QueueKey(SDLK_RETURN);
    EXPECT_TRUE(AskYesNo("Are you sure you want to quit the mission?"));
    QueueKey(SDLK_ESCAPE);
    EXPECT_FALSE(AskYesNo("Are you sure you want to quit the game?"));

    // The question is on the active window while it waits; a click on No answers it.
    std::vector<std::string> texts;
    Timer look(20, true);
    look.onTimer = [&] {
        look.SetEnabled(false);
        app->Compose();
        texts = app->InputForm()->DrawnTexts();
        const Rect& box = app->InputForm()->bounds;
        int noX = box.x + box.width / 2 + 45;
        QueueClick(noX, box.Bottom() - 24);
    };
    EXPECT_FALSE(AskYesNo("YOU MUST BUY SOMETHING."));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "YOU MUST BUY SOMETHING."), texts.end());
    EXPECT_EQ(app->ActiveForm(), &form);
}

TEST_F(FormTest, AltF4AloneIsTheForcedQuit)
{
    Form form;
    form.Show();
    int forced = 0;
    app->onForcedQuit = [&] { ++forced; };
    QueueKey(SDLK_F4, KMOD_LALT | KMOD_LSHIFT);
    QueueKey(SDLK_F4, KMOD_LALT | KMOD_LCTRL);
    app->ProcessMessages();
    EXPECT_EQ(forced, 0);
    QueueKey(SDLK_F4, KMOD_LALT);
    app->ProcessMessages();
    EXPECT_EQ(forced, 1);

    app->onForcedQuit = nullptr;
    QueueKey(SDLK_F4, KMOD_RALT);
    app->ProcessMessages();
    EXPECT_TRUE(app->Terminated());
}

TEST_F(FormTest, TerminationSignalsEndTheProgramWithoutTheForcedQuit)
{
    for (int signal : {SIGTERM, SIGINT})
    {
        {
            Form form;
            form.Show();
            int forced = 0;
            app->onForcedQuit = [&] { ++forced; };
            std::raise(signal);
            app->ProcessMessages();
            EXPECT_TRUE(app->Terminated()) << signal;
            EXPECT_EQ(app->ExitStatus(), 0);
            EXPECT_EQ(forced, 0) << "a logout or Ctrl+C asks nobody";
            app->onForcedQuit = nullptr;
        }
        app.reset();
        ApplicationOptions options;
        options.windowed = true;
        options.desktopSize = Size{1024, 768};
        app = std::make_unique<Application>(options);
        EXPECT_FALSE(app->Terminated()) << "a new run starts unsignalled";
    }
}

TEST_F(FormTest, ATerminationSignalWakesTheLoopSleepingWithNothingDue)
{
    Form form;
    form.Show();
    app->HandleMessage(); // the first frame
    // With no timer the loop sleeps until input comes; the signal must wake it, or this waits
    // for good.
    std::thread logout([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::raise(SIGTERM);
    });
    app->HandleMessage();
    logout.join();
    EXPECT_TRUE(app->Terminated());
}

TEST_F(FormTest, F11AndAltEnterSwitchFullScreen)
{
    Form form;
    form.Show();
    ASSERT_FALSE(app->FullScreen());
    QueueKey(SDLK_F11);
    app->ProcessMessages();
    EXPECT_TRUE(app->FullScreen());
    QueueKey(SDLK_RETURN, KMOD_LALT);
    app->ProcessMessages();
    EXPECT_FALSE(app->FullScreen());
    EXPECT_EQ(app->Framebuffer().Width(), 1024) << "the framebuffer keeps the layout's size";
}

} // namespace
} // namespace olvane::platform
