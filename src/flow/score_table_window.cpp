#include "flow/score_table_window.h"

#include "art/sheets.h"
#include "flow/briefing.h"
#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "platform/message_box.h"
#include "state/rank_file.h"
#include "turn/end_of_game.h"

#include <algorithm>

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
using platform::Rect;
namespace colours = platform::colours;

constexpr Rect EmblemRect{10, 5, 68, 49};
constexpr int BandCount = 16;
constexpr int BandTop = 66;
constexpr int BandPitch = 34;
constexpr int BandHeight = 18;
constexpr int BandLeft = 2;
constexpr int BandRight = 798;
constexpr platform::Colour BandColour = 0x14243A;

constexpr int NumberX = 6;
constexpr int NameX = 32;
constexpr int FlagX = 170;
constexpr int TitleX = 198;
constexpr int MedalsX = 392;
constexpr int MedalStep = 24;
constexpr int ScoreX = 548;
constexpr int RankX = 612;
/// The medals column holds six; a campaign with more shows the rest as a number.
constexpr int MedalsShown = 6;
constexpr std::size_t LongRankTitle = 15;

std::string_view TableName(int mode)
{
    switch (mode)
    {
        case ModeDeathMatch:
            return "DEATH MATCH";
        case ModeMission:
            return "MISSION";
        default:
            return "CAMPAIGN";
    }
}

platform::Button& StyleButton(platform::Button& button, std::string_view caption)
{
    button.caption = std::string(caption);
    button.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Black};
    return button;
}

} // namespace

std::string ClearTableQuestion(int mode)
{
    const std::string_view table = mode == ModeDeathMatch ? "Death Match"
                                   : mode == ModeMission  ? "Mission"
                                                          : "Campaign";
    return " Are you sure you want to delete " + std::string(table) + "\n Score Table?";
}

TF88_SKOR::TF88_SKOR(Game& game)
    : Label1(this), btDM(this), ctMIS(this), btCAM(this), btCLEAN(this), btSUBMIT(this), btOK(this),
      game_(game)
{
    SetTitle(" HALL OF FAME");
    visible = false;
    Place(Label1, 90, 12, 300, 40);
    Label1.transparent = true;
    Label1.font = Font{"ARIAL", 22, FontStyle::Bold, false, colours::Yellow};

    Place(StyleButton(btDM, "DEATH MATCH"), 400, 4, 126, 26);
    Place(StyleButton(ctMIS, "MISSION"), 532, 4, 126, 26);
    Place(StyleButton(btCAM, "CAMPAIGN"), 664, 4, 126, 26);
    Place(StyleButton(btCLEAN, "CLEAR TABLE"), 400, 34, 110, 26);
    Place(StyleButton(btSUBMIT, "SUBMIT YOUR SCORE TO THE WEB"), 516, 34, 218, 26);
    Place(StyleButton(btOK, "OK"), 740, 34, 50, 26);
    btDM.onClick = [this] { btDMClick(); };
    ctMIS.onClick = [this] { ctMISClick(); };
    btCAM.onClick = [this] { btCAMClick(); };
    btCLEAN.onClick = [this] { btCLEANClick(); };
    btSUBMIT.onClick = [this] { btSUBMITClick(); };
    btOK.onClick = [this] { btOKClick(); };
    defaultButton = &btOK;
    cancelButton = &btOK;

    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };

    flags_ = LoadSheet(game_.files, art::SmallFlagSheet);
    medals_ = LoadSheet(game_.files, art::SmallMedalSheet);
}

void TF88_SKOR::FormShow()
{
    GameState& s = game_.state;
    int nation = s.PlayerNation;
    if (nation < 1 || nation > NationCount)
    {
        game_.random.Reseed();
        nation = static_cast<int>(game_.random.Below(4)) + 1;
    }
    if (nation != backgroundNation_)
    {
        backgroundNation_ = nation;
        // New Zealand shares Australia's picture.
        const std::string name = NationPictureName(nation == NationNewZealand ? NationAustralia : nation);
        background_ = name.empty() ? platform::Picture() : LoadGamePicture(game_.files, name);
    }
    if (emblem_.Empty())
    {
        emblem_ = LoadGamePicture(game_.files, EditionPictureFolder(s.EditionNumber) + "/ZNAK.BMP", true);
    }
    const int origin = s.Flow.ScoreTableOrigin;
    ShowTable(origin >= ModeDeathMatch && origin <= ModeCampaign ? origin : ModeDeathMatch);
}

void TF88_SKOR::ShowTable(int mode)
{
    shown_ = mode;
    Label1.caption = std::string(TableName(mode));
    table_ = ReadScoreTable(game_.files, mode);
    for (std::size_t i = 0; i < table_.size(); ++i)
    {
        rankTitles_[i] =
            table_[i].Empty() ? std::string() : RankTitleOf(game_.files, table_[i].Nation, table_[i].Rank);
    }
    if (Showing())
    {
        Repaint();
    }
}

void TF88_SKOR::FormPaint(platform::Canvas& canvas)
{
    canvas.Draw(0, TitleHeight, background_);
    if (!emblem_.Empty())
    {
        canvas.StretchDraw(EmblemRect.Offset(0, TitleHeight), emblem_);
    }
    canvas.brush = platform::Brush{BandColour, platform::BrushStyle::Solid};
    for (int k = 0; k < BandCount; ++k)
    {
        canvas.FillRect(
            Rect{BandLeft, TitleHeight + BandTop + k * BandPitch, BandRight - BandLeft, BandHeight});
    }
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::Yellow};
    const int headerY = TitleHeight + BandTop + 1;
    canvas.TextOut(NameX, headerY, "NAME");
    canvas.TextOut(TitleX, headerY, "MISSION");
    canvas.TextOut(MedalsX, headerY, "MEDAILS");
    canvas.TextOut(ScoreX, headerY, "SCORE");
    canvas.TextOut(RankX, headerY, "RANK");
    for (int place = 1; place <= ScoreTableLength; ++place)
    {
        const auto i = static_cast<std::size_t>(place - 1);
        DrawRecord(canvas, place, table_[i], rankTitles_[i]);
    }
    canvas.brush.style = platform::BrushStyle::Solid;
}

void TF88_SKOR::DrawRecord(platform::Canvas& canvas, int place, const ScoreRec& rec,
                           const std::string& rankTitle)
{
    const int y = TitleHeight + BandTop + place * BandPitch;
    canvas.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    canvas.TextOut(NumberX, y + 1, std::to_string(place) + ".");
    if (rec.Empty())
    {
        return;
    }
    canvas.TextRect(Rect{NameX, y, FlagX - NameX - 4, BandHeight}, NameX, y + 1, rec.Name.Str());
    DrawFrame(canvas, FlagX, y + 2, flags_, rec.Nation - 1);
    canvas.TextRect(Rect{TitleX, y, MedalsX - TitleX - 4, BandHeight}, TitleX, y + 1, rec.Title.Str());
    const int set =
        rec.Nation == NationThirdReich || rec.Nation == NationJapan || rec.Nation == NationItaly ? 3 : 0;
    int x = MedalsX;
    int drawn = 0;
    int total = 0;
    for (const auto& [count, medal] :
         {std::pair{rec.Major, 0}, std::pair{rec.Victories, 1}, std::pair{rec.Minor, 2}})
    {
        for (int n = 0; n < count; ++n, ++total)
        {
            if (drawn < MedalsShown)
            {
                DrawFrame(canvas, x, y + 1, medals_, medal + set);
                x += MedalStep;
                ++drawn;
            }
        }
    }
    if (total > drawn)
    {
        canvas.TextOut(x, y + 1, "+" + std::to_string(total - drawn));
    }
    canvas.TextOut(ScoreX, y + 1, std::to_string(rec.Score));
    canvas.font.size = rankTitle.size() > LongRankTitle ? 8 : 10;
    canvas.TextRect(Rect{RankX, y, BandRight - RankX, BandHeight}, RankX, y + (canvas.font.size == 8 ? 3 : 1),
                    rankTitle);
}

void TF88_SKOR::btCLEANClick()
{
    if (platform::AskYesNo(ClearTableQuestion(shown_)))
    {
        ClearHallOfFame(game_, shown_);
    }
    ShowTable(shown_);
}

void TF88_SKOR::btSUBMITClick()
{
    if (onOpenSubmission)
    {
        onOpenSubmission();
    }
}

void TF88_SKOR::btOKClick()
{
    modalResult = platform::ResultOk;
    Close();
}

} // namespace olvane
