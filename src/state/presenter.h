#pragma once

#include <functional>
#include <string_view>

namespace olvane
{

/// Everything the game core asks of the screen. The main window implements it; the core ships a
/// headless one that shows nothing and waits for nothing, and tests record the calls.
/// The counters of the command panel that the awards rewrite.
enum class PanelLabel
{
    ProductionPoints, ///< LBpare
    Score,            ///< LbSKOR
};

/// The colours of the phase label's band and text.
enum class PhaseColour
{
    Navy,
    Red,
    Yellow,
    Aqua,
    Black,
};

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

    /// Composes one map cell again from the state; cells outside the view are ignored.
    virtual void DrawCell(int x, int y) = 0;

    /// Redraws the cell a unit stands on.
    virtual void DrawUnit(int unit) = 0;

    /// The hull of a two-cell ship lying diagonally, drawn over both its cells and the corners.
    virtual void DrawDiagonalShip(int unit) = 0;

    /// Composes the whole map view again and redraws the view rectangle on the overview map.
    virtual void RedrawView() = 0;

    /// Marks the unit that has just scanned, so the view draws its detection circle.
    virtual void ShowDetectionCircle(int unit) = 0;

    /// Plays one of the game's sound codes, including the pause that follows some explosions.
    virtual void PlaySoundEffect(int code) = 0;

    /// One frame of the explosion pictures drawn over a cell.
    virtual void DrawExplosion(int x, int y, int frame) = 0;

    /// Waits without handling input; headless play does not wait.
    virtual void Delay(int milliseconds) = 0;

    /// Rewrites one of the counters of the command panel.
    virtual void SetPanelLabel(PanelLabel label, std::string_view text) = 0;

    /// Draws a unit's information box again, after its values changed.
    virtual void RefreshUnitPanel(int unit) = 0;

    /// The strip of boxes under the map that stands for the player's active units.
    virtual void DrawUnitStrip() = 0;

    /// The message list LBinfo changed.
    virtual void RefreshMessageList() = 0;

    virtual void SetRepairEnabled(bool enabled) = 0;
    virtual void SetHQEnabled(bool enabled) = 0;

    /// The wait for the player's fire target while FireMode is 2: the main window handles input
    /// until a click has fired (and FireMode is 1 again). Returns a unit the player chose without
    /// firing at it yet, for headless play; 0 when there is none, which ends the wait.
    virtual int WaitForFireTarget(int shooter) = 0;

    /// The game is over: the end-of-game window takes over from the main window.
    virtual void ShowEndOfGame() = 0;

    /// The phase label of the command panel: shown with its text on a coloured band and
    /// repainted at once, since a wait follows; hidden between messages.
    virtual void ShowPhaseLabel(std::string_view text, PhaseColour textColour, PhaseColour band) = 0;
    virtual void HidePhaseLabel() = 0;

    /// True while the main game window is the active window; the turn cycle runs only then.
    virtual bool MainWindowActive() = 0;
};

class HeadlessPresenter : public Presenter
{
public:
    void ShowError(std::string_view) override {}

    void ShowMessage(int) override {}

    void HideReach() override {}

    void ShowReach() override {}

    bool HasSelectedUnit() override { return false; }

    void DrawCell(int, int) override {}

    void DrawUnit(int) override {}

    void DrawDiagonalShip(int) override {}

    void RedrawView() override {}

    void ShowDetectionCircle(int) override {}

    void PlaySoundEffect(int) override {}

    void DrawExplosion(int, int, int) override {}

    void Delay(int) override {}

    void SetPanelLabel(PanelLabel, std::string_view) override {}

    void RefreshUnitPanel(int) override {}

    void DrawUnitStrip() override {}

    void RefreshMessageList() override {}

    void SetRepairEnabled(bool) override {}

    void SetHQEnabled(bool) override {}

    /// Headless play has no mouse: the fire-target chooser, when one is set, names the target
    /// (an autoplayer or a test script); without one the player fires at nothing.
    int WaitForFireTarget(int shooter) override { return fireTargetChooser ? fireTargetChooser(shooter) : 0; }

    void ShowEndOfGame() override {}

    void ShowPhaseLabel(std::string_view, PhaseColour, PhaseColour) override {}

    void HidePhaseLabel() override {}

    bool MainWindowActive() override { return true; }

    std::function<int(int shooter)> fireTargetChooser;
};

} // namespace olvane
