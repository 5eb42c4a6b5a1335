#pragma once

#include "art/sheets.h"
#include "platform/button.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/panel.h"
#include "platform/timer.h"
#include "screen/map_art.h"
#include "state/game.h"
#include "state/settings.h"

#include <array>
#include <functional>
#include <map>
#include <memory>

namespace olvane
{

enum class ViewMode
{
    Tactical,
    Strategic,
};

/// A picture control that draws figures over its picture when painted: the rubber band, the
/// detection circle and the group order. They are drawn with a not-xor pen on the frame, never
/// into the picture, so cells redrawn beneath them never leave half a figure behind.
class OverlayImage : public platform::Image
{
public:
    explicit OverlayImage(platform::Control* parent) : platform::Image(parent) {}

    std::function<void(platform::Canvas&)> onOverlay;

    void Paint(platform::Canvas& canvas) override
    {
        platform::Image::Paint(canvas);
        if (onOverlay)
        {
            onOverlay(canvas);
        }
    }
};

/// A panel that leaves the window's picture visible behind its controls.
class ClearPanel : public platform::Control
{
public:
    explicit ClearPanel(platform::Control* parent) : platform::Control(parent) {}

    void Paint(platform::Canvas&) override {}
};

/// One page of the quick help: its lines (a header in bold on a band) and the links to close it
/// and to move between the pages.
class HelpPage : public platform::Panel
{
public:
    struct Line
    {
        std::string badge; ///< a key word on a yellow band before the text
        std::string text;
        bool header = false;
    };

    explicit HelpPage(platform::Control* parent);

    std::vector<Line> lines;
    platform::Label closeLink;
    platform::Label nextLink;
    platform::Label previousLink;

    void Paint(platform::Canvas& canvas) override;
};

/// The main game window: the map view EKR with its overview SMPBox, the information box ISPIS,
/// the aircraft box PBAVION, the command panel Panel1 with the message list LBinfo, and the unit
/// strip under the map. It is the Presenter of the game core: every redraw, wait, sound and
/// message of the rules comes through it.
class TForm1 : public platform::Form, public Presenter
{
public:
    TForm1(Random& random, DataFiles& files, Clock& clock);
    ~TForm1() override;

    Game& GameData() { return game_; }

    // ---- Activation, closing, keys (main_window.cpp) ----
    void FormActivate();
    void FormClose(platform::CloseAction& action);
    void FormPaint(platform::Canvas& canvas);
    /// Alt+F4: "GAME OVER. NEXT TIME USE EXIT BUTTON", the game-over flag, and the program ends.
    void ForcedQuit();
    void FormKeyDown(SDL_Keycode& key, platform::ShiftState shift);

    /// Set by a load: the next activation starts the game again and redraws diagonal hulls.
    bool loadRestart = false;
    /// While bought aircraft and shore installations wait to be placed (set by the purchase).
    bool deploymentPending = false;
    /// The sea and land tiles vary with the position (the options window's choice).
    bool varySea = true;
    bool varyLand = true;
    /// The land picture set chosen in the options window; ScenarioLandSet follows the scenario.
    int landSet = ScenarioLandSet;
    /// How fast the computer's turn plays: its pauses are shortened or skipped, the player's not.
    EnemyPhaseSpeed enemyPhaseSpeed = EnemyPhaseSpeed::Normal;
    /// Takes a land picture set: the land fields are cut again at once and the map redrawn.
    void SetLandSet(int set);
    /// A pause at the chosen pace: the enemy phase's are shortened or skipped, the player's kept,
    /// and the pause after an explosion frame is kept whole so the frame is seen at any pace.
    int PacedPause(int milliseconds);

    /// The message window, when it exists; without it a plain message box shows the code's text.
    std::function<void(int code)> onShowMessage;
    /// The end-of-game window; without it a message box names the result and the window closes.
    std::function<void()> onEndOfGame;
    /// The windows the command panel opens; their buttons stay disabled until they are set.
    std::function<void()> onOpenHQ;
    std::function<void()> onOpenProduction;
    std::function<void()> onOpenTechnology;

    // ---- Map view (map_view.cpp) ----
    int CellPixels() const { return viewMode_ == ViewMode::Strategic ? art::StrategicCellSize : CellSize; }

    ViewMode CurrentViewMode() const { return viewMode_; }

    /// The map cell under a pixel of the map view in the current view.
    platform::Point CellAtPixel(int px, int py) const;
    /// Where a map cell is drawn on the map view; empty when it is not shown.
    platform::Rect CellRect(int x, int y) const;
    /// The strategic view's size in cells.
    int StrategicColumns() const;
    int StrategicRows() const;
    void DrawStrategicView();
    void ToggleView();
    /// One step of edge scrolling: 1 left, 2 right, 3 up, 4 down.
    void ScrollBy(int direction);
    void CentreOnOverviewPoint(int px, int py);
    void RedrawOverview();
    void UpdateOverviewCells(int x1, int y1, int x2, int y2);
    /// The overview's pixels per cell for the map's larger side.
    static int OverviewScale(int mapSide);
    /// Whether the view button works on this map with this view size.
    static bool StrategicViewAllowed(int mapWidth, int mapHeight, int viewColumns, int viewRows);
    void TblinkTimer();
    void T1SKROLTimer();
    void EdgeStripMove(int direction);
    void StopScrolling() { T1SKROL.SetEnabled(false); }

    // ---- Orders by mouse (map_orders.cpp) ----
    void EKRMouseDown(platform::MouseButton button, platform::ShiftState shift, int x, int y);
    void EKRMouseMove(platform::ShiftState shift, int x, int y);
    void EKRMouseUp(platform::MouseButton button, platform::ShiftState shift, int x, int y);
    void MoveGroup(int tx, int ty);
    void PBAVIONMouseDown(platform::MouseButton button, platform::ShiftState shift, int x, int y);
    void TMavionTimer();
    /// Shows the aircraft box with the units waiting to be placed.
    void OpenDeployment();

    int GroupCount() const { return groupCount_; }

    int GroupMember(int i) const { return groupUnits_.at(static_cast<std::size_t>(i)); }

    int HoverUnit() const { return hoverUnit_; }

    int DeployingUnit() const { return deployingUnit_; }

    /// The last group order: each member's field and its destination.
    const std::vector<std::pair<platform::Point, platform::Point>>& GroupOrderLines() const { return orderLines_; }

    // ---- Panels and commands (unit_panels.cpp) ----
    void btSTANDClick();
    void BtREPAIRClick();
    void btHQClick();
    void sbtKupiClick();
    void sbtTechClick();
    void UpdateRepairButton(int unit);
    /// The armour points the unit would regain now, before the class maximum is applied.
    int RepairAmount(int unit) const;
    void ShowUnitInfo(int unit, bool show);
    void ShowGroupInfo();
    void ShowHelpPage(int page);

    // ---- Presenter ----
    void ShowError(std::string_view text) override;
    void ShowMessage(int code) override;
    void HideReach() override;
    void ShowReach() override;
    bool HasSelectedUnit() override;
    void DrawCell(int x, int y) override;
    void DrawUnit(int unit) override;
    void DrawDiagonalShip(int unit) override;
    void RedrawView() override;
    void ShowDetectionCircle(int unit) override;
    void PlaySoundEffect(int code) override;
    void DrawExplosion(int x, int y, int frame) override;
    void Delay(int milliseconds) override;
    void SetPanelLabel(PanelLabel label, std::string_view text) override;
    void RefreshUnitPanel(int unit) override;
    void DrawUnitStrip() override;
    void RefreshMessageList() override;
    void SetRepairEnabled(bool enabled) override;
    void SetHQEnabled(bool enabled) override;
    int WaitForFireTarget(int shooter) override;
    void ShowEndOfGame() override;
    void ShowPhaseLabel(std::string_view text, PhaseColour textColour, PhaseColour band) override;
    void HidePhaseLabel() override;
    bool MainWindowActive() override;

    // ---- Controls ----
    OverlayImage EKR;
    platform::Image SMPBox;
    platform::Image ISPIS;
    platform::Image PBAVION;
    platform::PaintBox unitStrip;
    ClearPanel Panel1;
    platform::Button btSTAND;
    platform::Button BtREPAIR;
    platform::Button sbtSTR;
    platform::Button btHQ;
    platform::Button sbtKupi;
    platform::Button sbtTech;
    platform::ListBox LBinfo;
    platform::Label lbX;
    platform::Label lbY;
    platform::Label lbT;
    platform::Label LBpare;
    platform::Label LbSKOR;
    platform::Label lbENDTURNPORUKA;
    platform::Label lbQuickHelp;
    std::array<std::unique_ptr<HelpPage>, 4> helpPages;
    platform::PaintBox Plevi;
    platform::PaintBox Pgore;
    platform::PaintBox Pdole;
    platform::PaintBox Pdesni;
    platform::Timer T1SKROL;
    platform::Timer Tblink;
    platform::Timer TMavion;

private:
    // main_window.cpp
    void BuildControls();
    void BuildHelpPages();

    // map_view.cpp
    void LayOut();
    void LoadArt();
    void ComposeGround(platform::Canvas& canvas, int left, int top, int x, int y, int code);
    void ComposeCell(platform::Canvas& canvas, int left, int top, int x, int y);
    void DrawSprite(platform::Canvas& canvas, int left, int top, int unit);
    void ComposeTactical();
    /// The top-left field of the 2 x 2 fields a diagonal ship's hull covers; false when it has none.
    bool HullBox(int ship, platform::Point& topLeft) const;
    /// The hulls of diagonal ships, all of them or only those over field (x, y).
    void DrawDiagonalHulls(platform::Canvas& canvas, int x = 0, int y = 0);
    /// Before field (x, y) is drawn: a hull drawn over it earlier that has moved or gone is taken
    /// off its other fields as well.
    void ClearLeftHulls(int x, int y);
    void PaintOverviewCell(platform::Canvas& canvas, int x, int y);
    void ShowOverview();
    void DrawMapOverlays(platform::Canvas& canvas);
    void PaintUnitStrip(platform::Canvas& canvas);
    void LayOutOverview();
    void ClampView();

    // unit_panels.cpp
    void DrawUnitStats(platform::Canvas& canvas, int unit, int top);
    void EndDeployment();
    void RemoveDeploymentRow();
    void PaintDeploymentBox();
    /// After a unit has acted: makes sure the unit the turn cycle chose next is selected.
    void CompleteSelection();

    // map_orders.cpp
    void ClearGroup();
    void SelectClickedUnit(int unit);
    void ShowCellInfo(int x, int y);
    /// Describes the seen enemy under the cursor again after another panel painted over it.
    void RestoreHoverInfo();

    Game game_;
    MapArt art_;
    bool artLoaded_ = false;
    ViewMode viewMode_ = ViewMode::Tactical;
    int scrollDirection_ = 0;
    bool blinkPhase_ = false;
    int detectionUnit_ = 0;
    platform::Picture overviewGround_;
    // Where the view rectangle was last drawn over the overview shown.
    platform::Rect overviewViewShown_;
    platform::Picture infoPicture_;
    bool picturesExist_ = false;
    platform::Picture cellPicture_;
    // Where each diagonal hull was last drawn (the top-left of its 2 x 2 fields).
    std::map<int, platform::Point> hullBoxes_;

    std::array<std::uint16_t, 50> groupUnits_{};
    int groupCount_ = 0;
    bool rubberBand_ = false;
    platform::Point bandStart_;
    platform::Point bandEnd_;
    // The group order shown for a moment: target square and a line per member.
    bool showOrder_ = false;
    platform::Point orderTarget_;
    std::vector<std::pair<platform::Point, platform::Point>> orderLines_;
    int hoverUnit_ = 0;
    platform::Point hoverCell_;
    // The enemy the information box describes now; other panels paint over it.
    int enemyInfoUnit_ = 0;
    int deployingUnit_ = 0;
    int deployCount_ = 0;
    std::vector<int> pendingUnits_;
    int helpPage_ = 0;
    bool holdFire_ = false;
    // An explosion frame was drawn and its pause is still to come.
    bool explosionDrawn_ = false;
};

/// The phase label while the game waits for the player's fire target.
inline constexpr std::string_view FireWaitText = "SELECT TARGET - ESC HOLDS FIRE";

/// The text a plain message box shows for a message code until the message window exists.
std::string MessageText(const GameState& state, int code);

} // namespace olvane
