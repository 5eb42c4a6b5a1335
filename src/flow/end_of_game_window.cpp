#include "flow/end_of_game_window.h"

#include "art/sheets.h"
#include "flow/briefing.h"
#include "flow/flow_art.h"
#include "platform/canvas.h"

#include <algorithm>
#include <map>

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
using platform::Rect;
namespace colours = platform::colours;

constexpr int FlagX = 20;
constexpr int FlagY = 14;
constexpr int MedalX = 712;
constexpr int MedalY = 10;

/// The result, rank and score lines stand on a shaded band at the top, the losses on two panels.
constexpr Rect HeadBand{90, 6, 620, 124};
constexpr Rect LostPanel{16, 140, 376, 338};
constexpr Rect DestroyedPanel{408, 140, 376, 338};
constexpr Rect NameFrame{250, 484, 300, 60};

constexpr int LossColumns = 3;
constexpr int LossRows = 8;
constexpr int LossCellWidth = 122;
constexpr int LossCellHeight = 36;
constexpr int LossPictureWidth = 84;
constexpr int LossPictureHeight = 28;
constexpr int LossTop = 32;

/// The nation whose pictures stand for a nation: New Zealand shares Australia's.
int PictureNation(int nation)
{
    return nation == NationNewZealand ? NationAustralia : nation;
}

bool SecondMedalSet(int nation)
{
    return nation == NationThirdReich || nation == NationJapan || nation == NationItaly;
}

std::string ScenePicture(art::Scene scene, int nation)
{
    for (const art::Picture& p : art::Pictures)
    {
        if (p.scene == scene && p.nation == nation)
        {
            return std::string(p.file);
        }
    }
    return {};
}

void Style(platform::Label& label, int size, platform::Colour colour)
{
    label.transparent = true;
    label.alignment = platform::Alignment::Centre;
    label.font = Font{"ARIAL", size, FontStyle::Bold, false, colour};
}

} // namespace

std::vector<ClassLosses> LossesOfSide(const GameState& state, int side)
{
    std::map<int, int> counts;
    const DestroyedListRec& list = state.DestroyedList;
    for (int i = 0; i < std::min<int>(list.Count, DestroyedCapacity); ++i)
    {
        const DestroyedEntry& e = list.Entries[static_cast<std::size_t>(i)];
        if (e.Side == side && e.Class != 0)
        {
            ++counts[e.Class];
        }
    }
    std::vector<ClassLosses> losses;
    for (const auto& [cls, count] : counts)
    {
        losses.push_back(ClassLosses{cls, count});
    }
    return losses;
}

std::string EndOfGamePictureName(int result, int nation)
{
    switch (result)
    {
        case ResultDefeat:
            return ScenePicture(art::Scene::Defeat, 0);
        case ResultMinorVictory:
        case ResultVictory:
        case ResultMajorVictory:
            return ScenePicture(art::Scene::Victory, nation >= 1 && nation <= NationJapan ? nation : 0);
        case ResultQuit:
            return NationPictureName(PictureNation(nation));
        default:
            return {};
    }
}

int MedalIndex(int result, int nation)
{
    if (result < ResultMinorVictory || result > ResultMajorVictory)
    {
        return -1;
    }
    return (ResultMajorVictory - result) + (SecondMedalSet(nation) ? 3 : 0);
}

TF85_KRAJ::TF85_KRAJ(Game& game)
    : lbRESULT(this), lbRANK(this), lbSKOR(this), lbSKOR2(this), lbLOST(this), lbDESTROYED(this), lbIME(this),
      edIME(this), SBtOK(this), SBttOK2(this), game_(game)
{
    SetTitle(" END OF GAME");
    visible = false;
    Place(lbRESULT, HeadBand.x, 12, HeadBand.width, 40);
    Style(lbRESULT, 24, colours::Yellow);
    Place(lbRANK, HeadBand.x, 58, HeadBand.width, 24);
    Style(lbRANK, 14, colours::White);
    Place(lbSKOR, HeadBand.x, 84, HeadBand.width, 20);
    Style(lbSKOR, 12, colours::White);
    Place(lbSKOR2, HeadBand.x, 104, HeadBand.width, 20);
    Style(lbSKOR2, 12, colours::Aqua);
    Place(lbLOST, LostPanel.x + 8, LostPanel.y + 6, LostPanel.width - 16, 20);
    Style(lbLOST, 11, colours::Yellow);
    lbLOST.caption = "LOST UNITS";
    Place(lbDESTROYED, DestroyedPanel.x + 8, DestroyedPanel.y + 6, DestroyedPanel.width - 16, 20);
    Style(lbDESTROYED, 11, colours::Yellow);
    lbDESTROYED.caption = "DESTROYED ENEMY UNITS";

    Place(lbIME, NameFrame.x + 12, NameFrame.y + 4, NameFrame.width - 24, 20);
    Style(lbIME, 11, colours::White);
    lbIME.alignment = platform::Alignment::Left;
    lbIME.caption = "Enter your name:";
    Place(edIME, NameFrame.x + 12, NameFrame.y + 26, NameFrame.width - 24, 26);
    edIME.colour = colours::White;
    edIME.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    // Room for a name past the limit, so the player is told rather than silently cut short.
    edIME.maxLength = 40;
    edIME.onReturn = [this] { edIMEReturn(); };

    for (platform::Button* ok : {&SBtOK, &SBttOK2})
    {
        Place(*ok, ClientWidth / 2 - 60, 552, 120, 34);
        ok->caption = "OK";
        ok->font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    }
    SBtOK.onClick = [this] { SBtOKClick(); };
    SBttOK2.onClick = [this] { SBttOK2Click(); };

    onShow = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
    onClick = [this] { FormClick(); };
    for (platform::Label* label : {&lbRESULT, &lbRANK, &lbSKOR, &lbSKOR2, &lbLOST, &lbDESTROYED})
    {
        label->onClick = [this] { FormClick(); };
    }

    flags_ = LoadSheet(game_.files, art::FlagSheet);
    medals_ = LoadSheet(game_.files, art::MedalSheet);
    classPictures_ = LoadSheet(game_.files, art::ClassPictureSheet);
}

void TF85_KRAJ::FormActivate()
{
    const GameState& s = game_.state;
    view_ = DescribeEndOfGame(game_);
    resultsOnShow_ = true;
    const bool graded = s.GameResult < 4;
    const bool campaign = s.GameMode == ModeCampaign;
    lbRESULT.caption = view_.Title;
    lbRESULT.visible = true;
    lbRANK.visible = graded;
    lbSKOR.visible = graded;
    lbSKOR2.visible = graded && campaign;
    lbLOST.visible = graded;
    lbDESTROYED.visible = graded;
    if (campaign)
    {
        lbRANK.caption = view_.CampaignOver ? "FINAL RANK: " + view_.FinalRankTitle : std::string();
        lbSKOR.caption = "MISSION SCORE: " + std::to_string(s.MissionScore);
        lbSKOR2.caption = "CURRENT CAMPAIGN SCORE: " + std::to_string(s.Campaign.Score);
    }
    else
    {
        lbRANK.caption = "RANK: " + view_.RankTitle;
        lbSKOR.caption = "SCORE: " + std::to_string(s.MissionScore);
    }
    lbIME.visible = false;
    edIME.visible = false;
    edIME.text.clear();
    SBtOK.visible = true;
    SBttOK2.visible = false;
    defaultButton = &SBtOK;

    const std::string name = EndOfGamePictureName(s.GameResult, s.PlayerNation);
    if (name != pictureName_)
    {
        pictureName_ = name;
        picture_ = name.empty() ? platform::Picture() : LoadGamePicture(game_.files, name);
    }
    // The lines stand on darkened parts of the picture, so they read on any painting.
    shaded_ = picture_.Empty() ? platform::Picture() : picture_.Cut(picture_.Bounds());
    ShadePicture(shaded_, HeadBand);
    if (graded)
    {
        ShadePicture(shaded_, LostPanel);
        ShadePicture(shaded_, DestroyedPanel);
    }
}

void TF85_KRAJ::FormPaint(platform::Canvas& canvas)
{
    const GameState& s = game_.state;
    if (!resultsOnShow_)
    {
        canvas.Draw(0, TitleHeight, picture_);
        return;
    }
    canvas.Draw(0, TitleHeight, shaded_);
    if (s.PlayerNation >= 1)
    {
        DrawFrame(canvas, FlagX, TitleHeight + FlagY, flags_, s.PlayerNation - 1);
    }
    if (s.GameResult != ResultQuit && s.GameResult < 4)
    {
        DrawLosses(canvas, LostPanel, SidePlayer);
        DrawLosses(canvas, DestroyedPanel, SideEnemy);
    }
    DrawFrame(canvas, MedalX, TitleHeight + MedalY, medals_, MedalIndex(s.GameResult, s.PlayerNation));
    if (edIME.visible)
    {
        canvas.brush = platform::Brush{0x101C28, platform::BrushStyle::Solid};
        canvas.FillRect(NameFrame.Offset(0, TitleHeight));
        canvas.brush.colour = colours::Yellow;
        canvas.FrameRect(NameFrame.Offset(0, TitleHeight));
    }
}

void TF85_KRAJ::DrawLosses(platform::Canvas& canvas, const Rect& panel, int side)
{
    const std::vector<ClassLosses> losses = LossesOfSide(game_.state, side);
    canvas.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::White};
    canvas.brush.style = platform::BrushStyle::Clear;
    if (losses.empty())
    {
        canvas.TextOut(panel.x + 10, TitleHeight + panel.y + LossTop + 6, "NONE");
    }
    // A panel has room for 24 classes; a side seldom loses more kinds than that.
    const int shown = std::min<int>(static_cast<int>(losses.size()), LossColumns * LossRows);
    for (int i = 0; i < shown; ++i)
    {
        const int x = panel.x + 6 + (i % LossColumns) * LossCellWidth;
        const int y = TitleHeight + panel.y + LossTop + (i / LossColumns) * LossCellHeight;
        const int cls = losses[static_cast<std::size_t>(i)].Class;
        const int icon = game_.classes.Class(cls).Icon;
        if (icon < classPictures_.Count())
        {
            canvas.StretchDraw(Rect{x, y, LossPictureWidth, LossPictureHeight}, classPictures_[icon]);
        }
        canvas.TextOut(x + LossPictureWidth + 4, y + 6,
                       "x" + std::to_string(losses[static_cast<std::size_t>(i)].Count));
    }
    canvas.brush.style = platform::BrushStyle::Solid;
}

void TF85_KRAJ::FormClick()
{
    if (SBtOK.visible)
    {
        SBtOKClick();
    }
    else if (SBttOK2.visible)
    {
        SBttOK2Click();
    }
}

void TF85_KRAJ::SBtOKClick()
{
    const int result = game_.state.GameResult;
    if (result == ResultDefeat || result == ResultQuit || view_.QualifiesAt == 0)
    {
        Finish();
        return;
    }
    SBtOK.visible = false;
    defaultButton = nullptr;
    edIME.text.clear();
    lbIME.visible = true;
    edIME.visible = true;
    edIME.SetFocus();
}

void TF85_KRAJ::edIMEReturn()
{
    const NameEntry entry = EnterScoreName(game_, edIME.text);
    switch (entry)
    {
        case NameEntry::Refused:
            edIME.SetFocus();
            return;
        case NameEntry::NotQualified:
            Finish();
            return;
        case NameEntry::Entered:
        case NameEntry::WriteFailed:
            break;
    }
    resultsOnShow_ = false;
    for (platform::Control* c : Children())
    {
        c->visible = c == &titleBar || c == &SBttOK2;
    }
    defaultButton = &SBttOK2;
    // A table that could not be written has been reported; there is nothing new to show.
    if (entry == NameEntry::Entered && onOpenScores)
    {
        onOpenScores();
    }
}

void TF85_KRAJ::SBttOK2Click()
{
    Finish();
}

void TF85_KRAJ::Finish()
{
    modalResult = platform::ResultOk;
    Close();
}

} // namespace olvane
