#include "screen/main_window.h"

#include "platform/application.h"
#include "platform/display_layout.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "rules/awards.h"
#include "rules/combat.h"
#include "rules/movement.h"
#include "rules/ports.h"
#include "rules/unit_kinds.h"
#include "state/map_file.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <cmath>

namespace olvane
{

namespace
{

using platform::Colour;
using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr int ClickSound = 253;
constexpr int RepaintOnlyWait = 15;
constexpr int HelpLineHeight = 15;

Colour PhaseColourOf(PhaseColour c)
{
    switch (c)
    {
        case PhaseColour::Navy:
            return colours::Navy;
        case PhaseColour::Red:
            return colours::Red;
        case PhaseColour::Yellow:
            return colours::Yellow;
        case PhaseColour::Aqua:
            return colours::Aqua;
        case PhaseColour::Black:
            return colours::Black;
    }
    return colours::Black;
}

/// Font sizes of the main window follow the display's font factor.
int Scaled(int points)
{
    return static_cast<int>(std::lround(points * platform::FontFactor()));
}

std::string RemainingTurns(int limit, int turn)
{
    if (limit > turn)
    {
        return std::to_string(limit + 1 - turn) + " TURNS";
    }
    return limit == turn ? "LAST TURN" : "-";
}

std::string ResultText(int result)
{
    switch (result)
    {
        case ResultMinorVictory:
            return "MINOR VICTORY";
        case ResultVictory:
            return "VICTORY";
        case ResultMajorVictory:
            return "MAJOR VICTORY";
        case ResultQuit:
            return "GAME OVER";
        default:
            return "DEFEAT";
    }
}

} // namespace

// ---- Quick help ---------------------------------------------------------------------------------

HelpPage::HelpPage(platform::Control* parent)
    : platform::Panel(parent), closeLink(this), nextLink(this), previousLink(this)
{
    colour = 0x101C30;
    bevel = platform::Bevel::Raised;
    for (platform::Label* link : {&closeLink, &nextLink, &previousLink})
    {
        link->font = Font{"ARIAL", Scaled(8), FontStyle::Bold, true, colours::Yellow};
        link->transparent = true;
    }
    closeLink.caption = " close ";
    nextLink.caption = " >> ";
    previousLink.caption = " << ";
}

void HelpPage::Paint(platform::Canvas& canvas)
{
    platform::Panel::Paint(canvas);
    closeLink.SetBounds(bounds.width - 50, bounds.height - 20, 44, 16);
    previousLink.SetBounds(6, bounds.height - 20, 30, 16);
    nextLink.SetBounds(40, bounds.height - 20, 30, 16);
    int y = 6;
    for (const Line& line : lines)
    {
        if (line.header)
        {
            canvas.brush = platform::Brush{colours::Navy, platform::BrushStyle::Solid};
            canvas.FillRect(platform::Rect{4, y, bounds.width - 8, HelpLineHeight});
            canvas.font = Font{"ARIAL", Scaled(8), FontStyle::Bold, false, colours::Yellow};
            canvas.brush.style = platform::BrushStyle::Clear;
            canvas.TextOut(8, y + 1, line.text);
            y += HelpLineHeight + 3;
            continue;
        }
        int x = 8;
        canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
        if (!line.badge.empty())
        {
            canvas.font = Font{"ARIAL", Scaled(8), FontStyle::Bold, false, colours::Black};
            canvas.TextOut(x, y, line.badge);
            x += canvas.TextWidth(line.badge) + 4;
        }
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.font = Font{"ARIAL", Scaled(8), FontStyle::Regular, false, colours::White};
        if (!line.text.empty() && x + canvas.TextWidth(line.text) > bounds.width - 4 && x > 8)
        {
            y += HelpLineHeight;
            x = 16;
        }
        canvas.TextOut(x, y, line.text);
        y += HelpLineHeight;
    }
}

// ---- The window -----------------------------------------------------------------------------------

TForm1::TForm1(Random& random, DataFiles& files, Clock& clock)
    : EKR(this), SMPBox(this), ISPIS(this), PBAVION(this), unitStrip(this), Panel1(this), btSTAND(&Panel1),
      BtREPAIR(&Panel1), sbtSTR(&Panel1), btHQ(&Panel1), sbtKupi(&Panel1), sbtTech(&Panel1), LBinfo(&Panel1),
      lbX(&Panel1), lbY(&Panel1), lbT(&Panel1), LBpare(&Panel1), LbSKOR(&Panel1), lbENDTURNPORUKA(&Panel1),
      lbQuickHelp(&Panel1), Plevi(this), Pgore(this), Pdole(this), Pdesni(this), T1SKROL(30), Tblink(300, true),
      TMavion(10), game_(*this, random, files, clock, PlayHooks())
{
    InitShipClasses(game_.classes);
    visible = false;
    MakeFullScreen();
    colour = 0x0A1420;
    BuildControls();
    BuildHelpPages();
    LayOut();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls()
{
    using platform::MouseButton;
    using platform::ShiftState;
    keyPreview = true;
    onActivate = [this] { FormActivate(); };
    onClose = [this](platform::CloseAction& a) { FormClose(a); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
    onKeyDown = [this](SDL_Keycode& key, ShiftState shift) { FormKeyDown(key, shift); };
    onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };

    EKR.onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) { EKRMouseDown(b, s, x, y); };
    EKR.onMouseMove = [this](ShiftState s, int x, int y) { EKRMouseMove(s, x, y); };
    EKR.onMouseUp = [this](MouseButton b, ShiftState s, int x, int y) { EKRMouseUp(b, s, x, y); };
    EKR.onOverlay = [this](platform::Canvas& c) { DrawMapOverlays(c); };
    SMPBox.onMouseDown = [this](MouseButton, ShiftState, int x, int y) { CentreOnOverviewPoint(x, y); };
    SMPBox.onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };
    PBAVION.onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) { PBAVIONMouseDown(b, s, x, y); };
    PBAVION.onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };
    PBAVION.visible = false;
    unitStrip.onPaint = [this](platform::Canvas& c) { PaintUnitStrip(c); };
    Panel1.onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };
    LBinfo.onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };

    struct Command
    {
        platform::Button* button;
        const char* caption;
        const char* hint;
    };
    for (const Command& c : {Command{&btSTAND, "STAND", "Unit stands and turns on radar"},
                             Command{&BtREPAIR, "REPAIR", "Repair unit"},
                             Command{&sbtSTR, "STR", "Switch to Strategic/Tactical view"},
                             Command{&btHQ, "HQ", "HQ Window"}, Command{&sbtKupi, "Production", "Purchase more units"},
                             Command{&sbtTech, "Technology", "Increase unit's speed, armor, fire, radar "}})
    {
        c.button->caption = c.caption;
        c.button->hint = c.hint;
        c.button->font = Font{"ARIAL", Scaled(9), FontStyle::Bold, false, colours::Black};
        c.button->onMouseMove = [this](ShiftState, int, int) { StopScrolling(); };
    }
    btSTAND.onClick = [this] { btSTANDClick(); };
    BtREPAIR.onClick = [this] { BtREPAIRClick(); };
    BtREPAIR.enabled = false;
    btHQ.enabled = false;
    sbtKupi.enabled = false;
    sbtTech.enabled = false;
    sbtSTR.onClick = [this] { ToggleView(); };
    btHQ.onClick = [this] { btHQClick(); };
    sbtKupi.onClick = [this] { sbtKupiClick(); };
    sbtTech.onClick = [this] { sbtTechClick(); };

    lbX.hint = "Current cursor X coordinate";
    lbY.hint = "Current cursor Y coordinate";
    lbT.caption = "1.turn";
    LBpare.caption = "PP:0";
    LBpare.hint = "Production Points for more units and new technologies";
    LbSKOR.caption = "BOD:0";
    for (platform::Label* l : {&lbX, &lbY, &lbT, &LBpare, &LbSKOR})
    {
        l->transparent = true;
        l->font = Font{"ARIAL", Scaled(9), FontStyle::Bold, false, colours::Yellow};
    }
    lbENDTURNPORUKA.caption = " END OF PLAYER PHASE ";
    lbENDTURNPORUKA.alignment = platform::Alignment::Centre;
    lbENDTURNPORUKA.font = Font{"ARIAL", Scaled(11), FontStyle::Bold, false, colours::Yellow};
    lbENDTURNPORUKA.colour = colours::Navy;
    lbENDTURNPORUKA.visible = false;
    LBinfo.colour = 0x0E1A2A;
    LBinfo.font = Font{"ARIAL", Scaled(8), FontStyle::Regular, false, 0xE0E0E0};
    lbQuickHelp.caption = " QUICK HELP ";
    lbQuickHelp.font = Font{"ARIAL", Scaled(8), FontStyle::Bold, true, colours::Yellow};
    lbQuickHelp.transparent = true;
    lbQuickHelp.onClick = [this] { ShowHelpPage(1); };

    // Edge strips: 1 left, 2 right, 3 up, 4 down.
    Plevi.onMouseMove = [this](ShiftState, int, int) { EdgeStripMove(1); };
    Pdesni.onMouseMove = [this](ShiftState, int, int) { EdgeStripMove(2); };
    Pgore.onMouseMove = [this](ShiftState, int, int) { EdgeStripMove(3); };
    Pdole.onMouseMove = [this](ShiftState, int, int) { EdgeStripMove(4); };

    T1SKROL.onTimer = [this] { T1SKROLTimer(); };
    Tblink.onTimer = [this] { TblinkTimer(); };
    TMavion.onTimer = [this] { TMavionTimer(); };
}

void TForm1::BuildHelpPages()
{
    using Line = HelpPage::Line;
    const std::array<std::vector<Line>, 4> texts{{
        {Line{"", " QUICK HELP ", true}, Line{"", " MOVE UNIT: ", true}, Line{" LEFTCLICK ", "to select unit"},
         Line{" RIGHTCLICK ", "to select destination"}, Line{"", " FIRE: ", true},
         Line{" RIGHTCLICK ", "to select target and fire"}, Line{" ESC ", "to hold fire"},
         Line{"", " GROUP MOVE: ", true},
         Line{" DRAG (LEFTCLICK)", "to select area (rectangle)"},
         Line{"", "( All units in area are ready for move )"}, Line{" RIGHTCLICK ", "to select destination"}},
        {Line{"", " SHIP/PLANE ATTRIBUTES: ", true}, Line{" FIRE ", "is number of fire points per turn"},
         Line{"", "After the move, unit can open fire on visible enemy"},
         Line{"", "object, which is in unit's radar/sonar range"},
         Line{" ARMOR ", "- is unit strength. Enemy fire decreases"},
         Line{"", "your armor. You can repair your unit in port or "}, Line{"", "near auxiliary ship."},
         Line{" SPEED ", "Number of move points per turn. "},
         Line{" RADAR/SONAR RANGE ", "Unit turns on radar/sonar after its move"}},
        {Line{"", "  UNIT PRODUCTION  ", true}, Line{"", "- You can purchase units during the mission"},
         Line{"", "- Each unit costs some Production Points - PP"}, Line{"", "- You'll earn PPs when:"},
         Line{"", "- conquer enemy Major Port (30 PP) "}, Line{"", "- conquer enemy Port (15 PP) "},
         Line{"", "- destroy enemy unit (15% of unit`s value)"}},
        {Line{"", "G A M E    T U R N", true}, Line{" Player Turn ", ""}, Line{"", "- Player moves ship no.1"},
         Line{"", "Ship turns on its radar; if enemy is discovered,"}, Line{"", "player can open fire"},
         Line{"", "- Player moves ship no.2, no.3, no.4 etc."}, Line{" End of player turn ", ""},
         Line{"", "- All discovered enemy ships become invisible"},
         Line{"", "- Visible (blue) fields discovered by player radars"}, Line{"", "become unvisible again"},
         Line{" Enemy (PC) Turn  ", ""}, Line{"", "- Same principle as player`s turn"}},
    }};
    for (std::size_t i = 0; i < helpPages.size(); ++i)
    {
        helpPages[i] = std::make_unique<HelpPage>(this);
        HelpPage& page = *helpPages[i];
        page.lines = texts[i];
        page.visible = false;
        const int number = static_cast<int>(i) + 1;
        page.closeLink.onClick = [this] { ShowHelpPage(0); };
        page.nextLink.onClick = [this, number] { ShowHelpPage(number == 4 ? 4 : number + 1); };
        page.previousLink.onClick = [this, number] { ShowHelpPage(number == 1 ? 1 : number - 1); };
        page.nextLink.visible = number < 4;
        page.previousLink.visible = number > 1;
    }
}

void TForm1::ShowHelpPage(int page)
{
    helpPage_ = page;
    for (std::size_t i = 0; i < helpPages.size(); ++i)
    {
        helpPages[i]->visible = static_cast<int>(i) + 1 == page;
    }
    platform::MarkDrawn();
}

void TForm1::LayOut()
{
    const platform::DisplaySettings& d = platform::Display();
    GameState& s = game_.state;
    s.ViewColumns = d.viewColumns;
    s.ViewRows = d.viewRows;
    MakeFullScreen();
    const int viewWidth = s.ViewColumns * CellSize;
    const int viewHeight = s.ViewRows * CellSize;
    EKR.SetBounds(0, 0, viewWidth, viewHeight);
    if (EKR.picture.Width() != viewWidth || EKR.picture.Height() != viewHeight)
    {
        EKR.picture.SetSize(viewWidth, viewHeight, 0x103060);
    }
    unitStrip.SetBounds(0, viewHeight, viewWidth, bounds.height - viewHeight);
    const int side = viewWidth + 2;
    const int sideWidth = bounds.width - side;
    LayOutOverview();
    ISPIS.SetBounds(side, 206, 205, 290);
    PBAVION.SetBounds(side, 206, 205, 290);
    if (ISPIS.picture.Empty())
    {
        ISPIS.picture.SetSize(205, 290, 0x0A1420);
        PBAVION.picture.SetSize(205, 290, colours::Black);
    }
    Panel1.SetBounds(side, 498, sideWidth - 4, bounds.height - 498);
    btSTAND.SetBounds(4, 2, 66, 24);
    BtREPAIR.SetBounds(74, 2, 72, 24);
    sbtSTR.SetBounds(150, 2, 48, 24);
    btHQ.SetBounds(4, 30, 44, 24);
    sbtKupi.SetBounds(52, 30, 94, 24);
    sbtTech.SetBounds(150, 30, 96, 24);
    // Editions whose technology flag is set have a technology center.
    sbtTech.visible = EditionHasTechnology(game_.state.EditionNumber);
    lbX.SetBounds(4, 58, 28, 16);
    lbY.SetBounds(34, 58, 120, 16);
    lbT.SetBounds(156, 58, 70, 16);
    LBpare.SetBounds(4, 76, 110, 16);
    LbSKOR.SetBounds(118, 76, 110, 16);
    lbENDTURNPORUKA.SetBounds(4, 96, Panel1.bounds.width - 8, 24);
    LBinfo.SetBounds(4, 124, Panel1.bounds.width - 8, Panel1.bounds.height - 124 - 24);
    lbQuickHelp.SetBounds(4, Panel1.bounds.height - 17, 90, 15);
    for (auto& page : helpPages)
    {
        page->SetBounds(side, 206, std::min(sideWidth - 4, 340), 290);
    }
    Plevi.SetBounds(0, 0, 4, viewHeight - 4);
    Pgore.SetBounds(14, 0, bounds.width - 28, 4);
    Pdole.SetBounds(14, bounds.height - 4, bounds.width - 28, 4);
    Pdesni.SetBounds(bounds.width - 4, 0, 4, bounds.height);
}

void TForm1::LoadArt()
{
    const bool layout1024 = platform::Display().layoutNumber == platform::Layout1024;
    // The player's own choice of land pictures holds over the scenario's, on every activation.
    const std::string suffix = LandSuffixFor(landSet, LandSuffixOf(game_.state.CurrentScenario.Tag.Str()));
    const int mapPicture = game_.state.CurrentScenario.MapPicture;
    if (!artLoaded_)
    {
        art_.Load(game_.files, suffix, mapPicture, layout1024);
        artLoaded_ = true;
    }
    else
    {
        art_.LoadLand(game_.files, suffix);
        art_.LoadTerrain(game_.files, mapPicture);
    }
}

void TForm1::SetLandSet(int set)
{
    landSet = set;
    // Before the first game the sheets are cut when the window first opens.
    if (!artLoaded_)
    {
        return;
    }
    LoadArt();
    if (visible)
    {
        RedrawView();
    }
}

void TForm1::FormActivate()
{
    GameState& s = game_.state;
    LayOut();
    lbENDTURNPORUKA.visible = false;
    SetHQEnabled(s.FireMode != FireModeTarget);
    LoadArt();
    infoPicture_.SetSize(205, 290, colours::Black);
    picturesExist_ = true;
    if (s.TurnNumber != 0 && !loadRestart)
    {
        // Back from the purchase: the aircraft box takes the information box's place while
        // bought aircraft and installations wait to be placed. (Opened here rather than while the
        // window paints, since ending an empty deployment shows a message.)
        if (deploymentPending && !PBAVION.visible)
        {
            OpenDeployment();
        }
        return;
    }

    // A new or loaded game begins here.
    ClearGroup();
    viewMode_ = ViewMode::Tactical;
    detectionUnit_ = 0;
    hoverUnit_ = 0;
    ClampView();
    LayOutOverview();
    sbtSTR.caption = "STR";
    sbtSTR.enabled = StrategicViewAllowed(s.MapWidth, s.MapHeight, s.ViewColumns, s.ViewRows);
    btSTAND.enabled = true;
    LBinfo.Clear();
    RedrawOverview();
    // A loaded game starts its turn again; the view draws the hulls of diagonal ships over their
    // corners with every full redraw, so nothing else is owed to it.
    const bool loaded = loadRestart;
    loadRestart = false;
    RedrawView();
    BeginGame(game_);
    if (loaded)
    {
        // The loaded turn shows at once, not only once the mouse first crosses the map.
        lbT.caption = std::to_string(s.TurnNumber) + ". turn";
    }
    LBinfo.Clear();
    if (deploymentPending)
    {
        OpenDeployment();
    }
}

void TForm1::FormClose(platform::CloseAction& action)
{
    action = platform::CloseAction::Hide;
    T1SKROL.SetEnabled(false);
    TMavion.SetEnabled(false);
    infoPicture_ = platform::Picture();
    picturesExist_ = false;
}

void TForm1::FormPaint(platform::Canvas& canvas)
{
    // A mission starts with its points long before the first award writes them.
    LBpare.caption = "PP:" + std::to_string(game_.state.ProductionPoints);
    const int side = game_.state.ViewColumns * CellSize + 2;
    const bool layout1024 = platform::Display().layoutNumber == platform::Layout1024;
    const int groundLeft = layout1024 ? bounds.width - 264 : side;
    if (!art_.panelGround.Empty())
    {
        canvas.Draw(groundLeft, 0, art_.panelGround);
    }
    if (!art_.panelPlate.Empty())
    {
        canvas.Draw(groundLeft - 2, 597, art_.panelPlate);
    }
    canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Solid};
    canvas.FillRect(platform::Rect{bounds.width - 4, 0, 4, bounds.height});
}

void TForm1::ForcedQuit()
{
    platform::ShowMessage("GAME OVER. NEXT TIME USE EXIT BUTTON");
    game_.state.GameOver = 1;
    game_.state.GameResult = ResultQuit;
    Hide();
    platform::Application::Instance().Terminate();
}

void TForm1::FormKeyDown(SDL_Keycode& key, platform::ShiftState shift)
{
    using platform::AltKey;
    using platform::CtrlKey;
    using platform::ShiftKey;
    if (key == SDLK_F4 && (shift & AltKey) != 0 && (shift & (ShiftKey | CtrlKey)) == 0)
    {
        key = 0;
        ForcedQuit();
        return;
    }
    // Escape while a fire target is awaited: the unit holds its fire and the turn goes on.
    if (key == SDLK_ESCAPE && game_.state.FireMode == FireModeTarget)
    {
        key = 0;
        holdFire_ = true;
    }
}

// ---- Presenter ------------------------------------------------------------------------------------

void TForm1::ShowError(std::string_view text)
{
    platform::ShowMessage(text);
}

void TForm1::ShowMessage(int code)
{
    if (onShowMessage)
    {
        onShowMessage(code);
        return;
    }
    platform::ShowMessage(MessageText(game_.state, code));
}

void TForm1::HideReach()
{
    if (IsUnitCode(game_.state.SelectedUnit))
    {
        olvane::HideReach(game_, game_.state.SelectedUnit);
    }
}

void TForm1::ShowReach()
{
    const int unit = game_.state.SelectedUnit;
    if (IsUnitCode(unit) && game_.state.Unit(unit).MovedThisTurn == 0)
    {
        olvane::ShowReach(game_, unit);
    }
}

bool TForm1::HasSelectedUnit()
{
    return IsUnitCode(game_.state.SelectedUnit);
}

void TForm1::PlaySoundEffect(int code)
{
    platform::PlaySoundEffect(code);
}

void TForm1::Delay(int milliseconds)
{
    if (!platform::Application::Exists())
    {
        return;
    }
    milliseconds = PacedPause(milliseconds);
    platform::Application::Instance().Delay(milliseconds <= RepaintOnlyWait ? 0 : milliseconds - RepaintOnlyWait);
}

int TForm1::PacedPause(int milliseconds)
{
    const bool explosion = explosionDrawn_;
    explosionDrawn_ = false;
    if (explosion || game_.state.EnemyPhaseRunning == 0)
    {
        return milliseconds;
    }
    return EnemyPhasePause(milliseconds, enemyPhaseSpeed);
}

void TForm1::SetPanelLabel(PanelLabel label, std::string_view text)
{
    (label == PanelLabel::ProductionPoints ? LBpare : LbSKOR).caption = std::string(text);
    platform::MarkDrawn();
}

void TForm1::RefreshUnitPanel(int unit)
{
    GameState& s = game_.state;
    if (unit == s.SelectedUnit)
    {
        UpdateRepairButton(unit);
        if (detectionUnit_ != unit)
        {
            detectionUnit_ = 0;
        }
    }
    ShowUnitInfo(unit, true);
    if (!IsEnemy(unit))
    {
        // The own unit's panel covers the whole box; the enemy under the cursor stays described.
        RestoreHoverInfo();
    }
}

void TForm1::RefreshMessageList()
{
    LBinfo.items = game_.state.LBinfo;
    LBinfo.topIndex = 0;
    LBinfo.itemIndex = -1;
    platform::MarkDrawn();
}

void TForm1::SetRepairEnabled(bool on)
{
    BtREPAIR.enabled = on;
    platform::MarkDrawn();
}

void TForm1::SetHQEnabled(bool on)
{
    btHQ.enabled = on && !deploymentPending && static_cast<bool>(onOpenHQ);
    sbtKupi.enabled =
        static_cast<bool>(onOpenProduction) && game_.state.FireMode != FireModeTarget && !deploymentPending;
    sbtTech.enabled = static_cast<bool>(onOpenTechnology) && game_.state.FireMode != FireModeTarget;
    platform::MarkDrawn();
}

int TForm1::WaitForFireTarget(int shooter)
{
    platform::Application& app = platform::Application::Instance();
    GameState& s = game_.state;
    // The wait goes on while the shooter still has something it may hit; a contact out of its
    // guns' reach would otherwise hold the player forever. The player may click either half of a
    // two-cell ship, so a ship is in reach when either half is.
    auto clickable = [&](int cell) {
        return s.Unit(cell).Visible != 0 && s.Unit(cell).X != 0 && CanTarget(game_, shooter, cell);
    };
    auto targetLeft = [&] {
        for (int i = 0; i < s.ContactCount; ++i)
        {
            const int c = s.ContactList[static_cast<std::size_t>(i)];
            if (!IsUnitCode(c) || s.Unit(MainUnitOf(c)).Active == 0)
            {
                continue;
            }
            const int ship = MainUnitOf(c);
            if (clickable(ship) || (HasSecondUnit(s.Unit(ship).Class) && clickable(SecondCell(ship))))
            {
                return true;
            }
        }
        return false;
    };
    holdFire_ = false;
    bool labelShown = false;
    while (s.FireMode == FireModeTarget && !holdFire_ && !app.Terminated() && s.Unit(shooter).Fire > 0 &&
           targetLeft())
    {
        if (!labelShown)
        {
            // Other commands wait meanwhile: the player is told what the game waits for.
            ShowPhaseLabel(FireWaitText, PhaseColour::Yellow, PhaseColour::Red);
            labelShown = true;
        }
        app.ProcessMessages();
    }
    if (labelShown && lbENDTURNPORUKA.caption == FireWaitText)
    {
        HidePhaseLabel();
    }
    holdFire_ = false;
    // The enemy the box describes is no longer offered as a target.
    if (enemyInfoUnit_ != 0)
    {
        ShowUnitInfo(enemyInfoUnit_, true);
    }
    return 0;
}

void TForm1::ShowEndOfGame()
{
    T1SKROL.SetEnabled(false);
    LBinfo.Clear();
    if (onEndOfGame)
    {
        Hide();
        onEndOfGame();
        return;
    }
    platform::ShowMessage(ResultText(game_.state.GameResult) + "\n\nMISSION SCORE: " +
                          std::to_string(game_.state.MissionScore));
    Close();
}

void TForm1::ShowPhaseLabel(std::string_view text, PhaseColour textColour, PhaseColour band)
{
    lbENDTURNPORUKA.caption = std::string(text);
    lbENDTURNPORUKA.font.colour = PhaseColourOf(textColour);
    lbENDTURNPORUKA.colour = PhaseColourOf(band);
    lbENDTURNPORUKA.visible = true;
    platform::MarkDrawn();
    lbENDTURNPORUKA.Repaint();
}

void TForm1::HidePhaseLabel()
{
    lbENDTURNPORUKA.visible = false;
    platform::MarkDrawn();
    lbENDTURNPORUKA.Repaint();
}

bool TForm1::MainWindowActive()
{
    return visible && Active();
}

// ---- Message texts --------------------------------------------------------------------------------

std::string MessageText(const GameState& state, int code)
{
    const int turn = state.TurnNumber;
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    switch (code)
    {
        case 1: {
            std::string text = "TURN " + std::to_string(turn);
            const int type = goal[GoalTypeByte];
            if (type == GoalConquerPorts || type == GoalSinkClass || type == GoalDestroyAll)
            {
                text += "\nMAJOR VICTORY: " + RemainingTurns(goal[GoalBestByte], turn);
                text += "\nVICTORY: " + RemainingTurns(goal[GoalMiddleByte], turn);
                text += "\nMINOR VICTORY: " + RemainingTurns(goal[GoalLeastByte], turn);
            }
            else if (type == GoalDefendPorts || type == GoalConvoy)
            {
                const char* what = type == GoalDefendPorts ? " friendly Major Ports" : " escorted ships";
                text += "\nTime left: " + RemainingTurns(goal[GoalLastTurnByte], turn);
                text += "\nMajor victory: " + std::to_string(goal[GoalBestByte]) + what;
                text += "\nVictory: " + std::to_string(goal[GoalMiddleByte]) + what;
                text += "\nMinor victory: " + std::to_string(goal[GoalLeastByte]) + what;
            }
            return text;
        }
        case 51:
            return "INFORMATION\nUnit deployment is complete.\nContinue the mission";
        case 52:
            return "INFORMATION\nDeploy Air/Artillery/Radar units:\n1. Left click to select unit\n2. Left click to "
                   "deploy on map";
        case 54:
            return "INFORMATION\nUnit must be placed on\nclear land in radius of 3 squares\naround friendly "
                   "controlled port";
        case 57:
            return "INFORMATION\nOUT OF RESOURCES";
        default:
            break;
    }
    if (code >= 101 && code <= 130)
    {
        return std::to_string(turn) + ". TURN\nYou have liberated\n" + PortLabel(state, code - 100);
    }
    if (code >= 131 && code <= 160)
    {
        return std::to_string(turn) + ". TURN\nEnemy has conquered\n" + PortLabel(state, code - 130);
    }
    return "INFORMATION";
}

} // namespace olvane
