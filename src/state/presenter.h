#pragma once

#include <string_view>

namespace olvane
{

/// Everything the game core asks of the screen. The main window implements it; the core ships a
/// headless one that shows nothing and waits for nothing, and tests record the calls.
class Presenter
{
public:
    virtual ~Presenter() = default;

    /// A plain message box with an OK button, such as "FATAL ERROR LOADING FILE".
    virtual void ShowError(std::string_view text) = 0;

    /// The message window with one of the game's message codes.
    virtual void ShowMessage(int code) = 0;

    /// The reach display of the selected unit; placement hides it while it moves units.
    virtual void HideReach() = 0;
    virtual void ShowReach() = 0;

    /// True while a unit is selected on the main screen.
    virtual bool HasSelectedUnit() = 0;
};

class HeadlessPresenter : public Presenter
{
public:
    void ShowError(std::string_view) override {}

    void ShowMessage(int) override {}

    void HideReach() override {}

    void ShowReach() override {}

    bool HasSelectedUnit() override { return false; }
};

} // namespace olvane
