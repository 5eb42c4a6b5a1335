#include "flow/briefing.h"

#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "platform/message_box.h"
#include "state/mission_texts.h"

#include <array>
#include <string>

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr int LabelLeft = 40;
constexpr int ValueLeft = 250;
constexpr int FlagX = 700;
constexpr int FlagY = 20;
constexpr int EmblemX = 600;
constexpr int EmblemY = 400;

/// The band the texts stand on, darkened so they read on any nation's picture.
constexpr platform::Rect TextBand{30, 15, 740, 485};

void Style(platform::Label& label, int size, bool bold, platform::Colour colour)
{
    label.transparent = true;
    label.font = Font{"ARIAL", size, bold ? FontStyle::Bold : FontStyle::Regular, false, colour};
}

/// One line of the mission's facts: its yellow heading at the left and the value beside it.
void PlaceFact(platform::Label& heading, const char* caption, platform::Label& value, int y, int valueWidth)
{
    FlowWindow::Place(heading, LabelLeft, y, 200, 20);
    Style(heading, 11, true, colours::Yellow);
    heading.caption = caption;
    FlowWindow::Place(value, ValueLeft, y, valueWidth, 20);
    Style(value, 11, true, colours::White);
}

} // namespace

std::string NationPictureName(int nation)
{
    for (const art::Picture& p : art::Pictures)
    {
        if (p.scene == art::Scene::Nation && p.nation == nation)
        {
            return std::string(p.file);
        }
    }
    return {};
}

TF08_UVOD::TF08_UVOD(Game& game)
    : lbLoading(this), LbIMEkamp(this), LbIMEsc(this), LBtextOBJ1(this), LBtextOBJ2(this), lbCILJ1(this),
      lbCILJ2(this), lbHeadings{platform::Label(this), platform::Label(this), platform::Label(this)}, lbT1(this),
      lbT2(this), lbT3(this), lbTurnHeading(this), LBvreme(this), lbRestHeading(this), lbREST1(this),
      lbREST2(this), lbPPHeading(this), lbPP(this), lbLevHeading(this), lbLEV(this), lbKSC(this), SBTok(this),
      sbtTUTOR(this), game_(game)
{
    SetTitle(" BRIEFING");
    Place(lbLoading, 350, 290, 200, 24);
    Style(lbLoading, 14, true, colours::White);
    lbLoading.caption = "L O A D I N G";
    lbLoading.visible = false;

    Place(LbIMEkamp, LabelLeft, 20, 560, 26);
    Style(LbIMEkamp, 14, true, colours::Yellow);
    Place(LbIMEsc, LabelLeft, 48, 560, 34);
    Style(LbIMEsc, 20, true, colours::White);

    Place(LBtextOBJ1, LabelLeft, 100, 200, 20);
    Style(LBtextOBJ1, 11, true, colours::Yellow);
    Place(lbCILJ1, LabelLeft, 120, 700, 40);
    Style(lbCILJ1, 11, true, colours::White);
    lbCILJ1.wordWrap = true;
    Place(LBtextOBJ2, LabelLeft, 165, 200, 20);
    Style(LBtextOBJ2, 11, true, colours::Yellow);
    Place(lbCILJ2, LabelLeft, 185, 700, 40);
    Style(lbCILJ2, 11, true, colours::White);
    lbCILJ2.wordWrap = true;

    const std::array<const char*, 3> headings = {"MAJOR VICTORY", "VICTORY", "MINOR VICTORY"};
    std::array<platform::Label*, 3> thresholds = {&lbT1, &lbT2, &lbT3};
    for (std::size_t i = 0; i < headings.size(); ++i)
    {
        const int y = 245 + static_cast<int>(i) * 26;
        Place(lbHeadings[i], LabelLeft, y, 200, 22);
        Style(lbHeadings[i], 12, true, colours::Yellow);
        lbHeadings[i].caption = headings[i];
        Place(*thresholds[i], ValueLeft, y, 400, 22);
        Style(*thresholds[i], 12, true, colours::White);
    }
    lbT3.font.colour = colours::Red;

    PlaceFact(lbTurnHeading, "TURN:", LBvreme, 335, 300);
    PlaceFact(lbRestHeading, "RESTRICTIONS:", lbREST1, 360, 500);
    Place(lbREST2, ValueLeft, 380, 500, 20);
    Style(lbREST2, 11, true, colours::White);
    PlaceFact(lbPPHeading, "RESOURCES:", lbPP, 410, 300);
    PlaceFact(lbLevHeading, "LEVEL:", lbLEV, 435, 300);
    Place(lbKSC, LabelLeft, 470, 500, 20);
    Style(lbKSC, 11, true, colours::Aqua);

    Place(SBTok, ClientWidth / 2 - 60, 540, 120, 34);
    SBTok.caption = "OK";
    SBTok.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    SBTok.onClick = [this] { SBTokClick(); };
    Place(sbtTUTOR, 40, 540, 140, 34);
    sbtTUTOR.caption = "TUTORIAL";
    sbtTUTOR.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    sbtTUTOR.visible = false;
    sbtTUTOR.onClick = [this] { sbtTUTORClick(); };
    defaultButton = &SBTok;
    cancelButton = &SBTok;

    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
    onClick = [this] { FormClick(); };
}

void TF08_UVOD::FormShow()
{
    failed_ = false;
    exit_ = BriefingExit{};
    lbLoading.visible = true;
    for (platform::Control* c : Children())
    {
        if (c != &lbLoading && c != &titleBar)
        {
            c->visible = false;
        }
    }
    lbLoading.Repaint();
    const BriefingStart start = ActivateBriefing(game_);
    for (platform::Control* c : Children())
    {
        c->visible = c != &lbLoading && c != &sbtTUTOR;
    }
    if (start == BriefingStart::Failed)
    {
        failed_ = true;
        platform::ShowMessage("THIS MISSION CANNOT BE LOADED.\nTHE GAME RETURNS TO THE MAIN MENU.");
        Close();
        return;
    }
    FillLabels();
}

void TF08_UVOD::FillLabels()
{
    const GameState& s = game_.state;
    LbIMEkamp.visible = s.GameMode != ModeMission;
    LbIMEkamp.caption = s.GameMode == ModeDeathMatch ? "DEATH MATCH" : s.Campaign.Name.Str();
    LbIMEsc.caption = s.CurrentScenario.Title.Str();
    const bool two = HasSecondObjective(s);
    LBtextOBJ1.caption = two ? "OBJECTIVE 1: " : "OBJECTIVE: ";
    LBtextOBJ2.caption = two ? "OBJECTIVE 2: " : "";
    lbCILJ1.caption = ObjectiveText(s, game_.classes, SidePlayer);
    lbCILJ2.caption = two ? ObjectiveText(s, game_.classes, SideEnemy) : "";
    const std::array<std::string, 3> thresholds = ThresholdLabels(s);
    lbT1.caption = thresholds[0];
    lbT2.caption = thresholds[1];
    lbT3.caption = thresholds[2];
    lbT3.font.colour = s.PlayerNation == NationJapan ? colours::Yellow : colours::Red;
    LBvreme.caption = TurnLabel(s.TurnNumber);
    const std::array<std::string, 2> restrictions = RestrictionLines(s.CurrentScenario);
    lbREST1.caption = restrictions[0];
    lbREST2.caption = restrictions[1];
    lbPP.caption = std::to_string(s.ProductionPoints) + " PP";
    lbLEV.caption = RankName(s.Rank);
    lbKSC.visible = s.GameMode == ModeCampaign;
    lbKSC.caption = "Current Campaign Score: " + std::to_string(s.Campaign.Score);
    sbtTUTOR.visible = false;
    SetTitle(" " + s.CurrentScenario.Title.Str());
}

void TF08_UVOD::FormPaint(platform::Canvas& canvas)
{
    const GameState& s = game_.state;
    if (pictureNation_ != s.PlayerNation)
    {
        pictureNation_ = s.PlayerNation;
        const std::string name = NationPictureName(s.PlayerNation);
        nationPicture_ = name.empty() ? platform::Picture() : LoadGamePicture(game_.files, name);
        ShadePicture(nationPicture_, TextBand);
        if (emblem_.Empty())
        {
            emblem_ = LoadGamePicture(game_.files, EditionPictureFolder(s.EditionNumber) + "/ZNAK.BMP", true);
            flags_ = LoadSheet(game_.files, art::FlagSheet);
        }
    }
    if (!nationPicture_.Empty())
    {
        canvas.Draw(0, TitleHeight, nationPicture_);
    }
    if (lbLoading.visible)
    {
        return;
    }
    // The texts stand on a shaded band so they read on any picture.
    if (!emblem_.Empty())
    {
        canvas.Draw(EmblemX, TitleHeight + EmblemY, emblem_);
    }
    if (s.PlayerNation >= 1 && s.PlayerNation <= flags_.Count())
    {
        canvas.Draw(FlagX, TitleHeight + FlagY, flags_[s.PlayerNation - 1]);
    }
}

void TF08_UVOD::FormClick()
{
    SBTokClick();
}

void TF08_UVOD::SBTokClick()
{
    if (onCloseMessage)
    {
        onCloseMessage();
    }
    exit_ = LeaveBriefing(game_);
    modalResult = platform::ResultOk;
    Close();
}

void TF08_UVOD::sbtTUTORClick()
{
    if (onOpenTutorial)
    {
        onOpenTutorial();
    }
}

} // namespace olvane
