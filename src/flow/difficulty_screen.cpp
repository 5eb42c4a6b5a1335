#include "flow/difficulty_screen.h"

#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "turn/game_flow.h"

namespace olvane
{

namespace
{

using platform::Colour;
using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr int Columns = 7;
constexpr int ColumnPitch = 28;
constexpr int Rows = 3;
constexpr int LabelWidth = 51;
constexpr int LabelHeight = 15;
constexpr int LabelRowOffset = 74;
constexpr int FirstRadar = 107;
constexpr Colour ChosenFrame = colours::Yellow;
constexpr Colour PanelFrame = colours::Gray;

bool InsideClient(int x, int y, int width, int height)
{
    return x >= 0 && y >= 0 && x + width <= FlowWindow::ClientWidth && y + height <= FlowWindow::ClientHeight;
}

/// The facing the panels show ships in (north), or a radar station's own frame.
int PanelFrameOf(const ClassRec& rec, int cls)
{
    if (cls >= FirstRadar && cls <= ClassCount)
    {
        return rec.Sprite * art::FacingCount + 5 + (cls - FirstRadar);
    }
    return rec.Sprite * art::FacingCount + 6;
}

} // namespace

std::vector<LevelPicture> LevelPictures(const LevelLayout& layout, const ClassTable& classes, int top)
{
    std::vector<LevelPicture> pictures;
    for (const LevelEntry& e : layout.Entries)
    {
        if (e.Panel < FirstPicturePanel)
        {
            const int a = e.Panel;
            if (a < 1 || a > 3 || e.Column < 1 || e.Column > Columns || e.Row < 1 || e.Row > Rows ||
                e.Picture < 1 || e.Picture > ClassCount || classes.Class(e.Picture).Name.Str().empty())
            {
                continue;
            }
            const ClassRec& rec = classes.Class(e.Picture);
            const int x = a * CellSize + (a - 1) * 5 * CellSize + (e.Column - 1) * ColumnPitch;
            const int y = top + (e.Row - 1) * CellSize;
            const bool twoCell = HasSecondUnit(e.Picture);
            if (!InsideClient(x, y, CellSize, twoCell ? 2 * CellSize : CellSize))
            {
                continue;
            }
            pictures.push_back({LevelPicture::Kind::Unit, x, y, PanelFrameOf(rec, e.Picture)});
            if (twoCell)
            {
                pictures.push_back({LevelPicture::Kind::Unit, x, y + CellSize, (rec.Sprite + 1) * art::FacingCount + 6});
            }
            continue;
        }
        const int p = e.Panel / FirstPicturePanel;
        const int x = p * CellSize + (p - 1) * 5 * CellSize + e.Column;
        const int y = top + e.Row - LabelRowOffset;
        const bool knownPicture = (e.Picture >= 0 && e.Picture < art::LevelLabelSheet.frames) || e.Picture == EmptyLabel;
        if (p < 1 || p > 3 || !knownPicture || !InsideClient(x, y, LabelWidth, LabelHeight))
        {
            continue;
        }
        pictures.push_back({LevelPicture::Kind::Label, x, y, e.Picture});
    }
    return pictures;
}

TF130_TEKST::TF130_TEKST(Game& game)
    : lbTitle(this), SBtCAD(this), SBtCAP(this), SBtADM(this), Memo1(this), Button1(this), game_(game)
{
    SetTitle(" SELECT DIFFICULTY LEVEL");
    Place(lbTitle, 0, 40, ClientWidth, 40);
    lbTitle.transparent = true;
    lbTitle.alignment = platform::Alignment::Centre;
    lbTitle.font = Font{"ARIAL", 20, FontStyle::Bold, false, colours::Yellow};
    lbTitle.caption = "SELECT DIFFICULTY LEVEL";

    std::array<platform::SpeedButton*, 3> ranks = {&SBtCAD, &SBtCAP, &SBtADM};
    const std::array<const char*, 3> captions = {"CADET", "CAPTAIN", "ADMIRAL"};
    for (std::size_t i = 0; i < ranks.size(); ++i)
    {
        platform::SpeedButton& b = *ranks[i];
        Place(b, PanelLeft[i] + 40, PanelTop + PanelHeight + 20, PanelWidth - 80, 34);
        b.caption = captions[i];
        b.colour = colours::Navy;
        b.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::White};
        b.groupIndex = 1;
    }
    SBtCAD.onClick = [this] { SBtCADClick(); };
    SBtCAP.onClick = [this] { SBtCAPClick(); };
    SBtADM.onClick = [this] { SBtADMClick(); };

    Place(Memo1, 60, 60, ClientWidth - 120, 440);
    Memo1.colour = colours::Black;
    Memo1.wordWrap = true;
    Memo1.font = Font{"ARIAL", 12, FontStyle::Regular, false, colours::White};
    Memo1.visible = false;

    Place(Button1, ClientWidth / 2 - 60, 530, 120, 34);
    Button1.caption = "OK";
    Button1.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Black};
    Button1.onClick = [this] { Button1Click(); };
    defaultButton = &Button1;
    cancelButton = &Button1;

    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF130_TEKST::LoadArt()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    const std::string folder = EditionPictureFolder(game_.state.EditionNumber);
    background_ = LoadGamePicture(game_.files, folder + "/LEVEL.JPG");
    sideBackground_ = LoadGamePicture(game_.files, folder + "/GOTOVnos.jpg");
    const std::array<const char*, 3> panelNames = {"BMP/1/KIM.JPG", "BMP/1/SPR.JPG", "BMP/1/NIM.JPG"};
    for (std::size_t i = 0; i < panels_.size(); ++i)
    {
        panels_[i] = LoadGamePicture(game_.files, panelNames[i]);
    }
    sprites_ = LoadSpriteList(game_.files, false);
    labels_ = LoadSheet(game_.files, art::LevelLabelSheet);
    const std::optional<std::string> text = game_.files.Read(LevelFile);
    pictures_ = text ? LevelPictures(ReadLevelLayout(*text), game_.classes, PanelTop) : std::vector<LevelPicture>{};
}

void TF130_TEKST::FormShow()
{
    LoadArt();
    const bool difficulty = origin_ == OriginDifficulty;
    SetTitle(difficulty ? " SELECT DIFFICULTY LEVEL" : " " + game_.state.Campaign.Name.Str());
    lbTitle.visible = difficulty;
    SBtCAD.visible = difficulty;
    SBtCAP.visible = difficulty;
    SBtADM.visible = difficulty;
    Memo1.visible = !difficulty;
    if (difficulty)
    {
        OpenDifficulty(game_.state);
        ShowRank();
        return;
    }
    // A nation without a side text keeps whatever the box held.
    const std::string file = SideTextFile(game_.state.PlayerNation);
    if (const std::optional<std::string> text = file.empty() ? std::nullopt : game_.files.Read(file))
    {
        std::string lines;
        for (char ch : *text)
        {
            if (ch != '\r')
            {
                lines += ch;
            }
        }
        Memo1.caption = lines;
        Memo1.font.size = game_.state.PlayerNation == NationThirdReich ? 10 : 12;
    }
}

void TF130_TEKST::ShowRank()
{
    SBtCAD.down = game_.state.Rank == RankCadet;
    SBtCAP.down = game_.state.Rank == RankCaptain;
    SBtADM.down = game_.state.Rank == RankAdmiral;
    platform::MarkDrawn();
}

void TF130_TEKST::FormPaint(platform::Canvas& canvas)
{
    const int top = TitleHeight;
    if (origin_ == OriginSideText)
    {
        if (!sideBackground_.Empty())
        {
            canvas.Draw(0, top, sideBackground_);
        }
        return;
    }
    if (!background_.Empty())
    {
        canvas.Draw(0, top, background_);
    }
    for (std::size_t i = 0; i < panels_.size(); ++i)
    {
        const platform::Rect frame{PanelLeft[i] - 3, top + PanelTop - 3, PanelWidth + 6, PanelHeight + 6};
        const bool chosen = game_.state.Rank == static_cast<int>(i) + 1;
        canvas.brush = platform::Brush{chosen ? ChosenFrame : PanelFrame, platform::BrushStyle::Solid};
        canvas.FillRect(frame);
        if (!panels_[i].Empty())
        {
            canvas.Draw(PanelLeft[i], top + PanelTop, panels_[i]);
        }
        else
        {
            canvas.brush.colour = colours::Navy;
            canvas.FillRect(platform::Rect{PanelLeft[i], top + PanelTop, PanelWidth, PanelHeight});
        }
    }
    for (const LevelPicture& p : pictures_)
    {
        if (p.kind == LevelPicture::Kind::Unit)
        {
            DrawFrame(canvas, p.x, top + p.y, sprites_, p.frame);
        }
        else if (p.frame == EmptyLabel)
        {
            canvas.brush = platform::Brush{colours::White, platform::BrushStyle::Solid};
            canvas.FrameRect(platform::Rect{p.x, top + p.y, LabelWidth, LabelHeight});
        }
        else
        {
            DrawFrame(canvas, p.x, top + p.y, labels_, p.frame);
        }
    }
}

void TF130_TEKST::SBtCADClick()
{
    ChooseRank(game_.state, RankCadet);
    ShowRank();
}

void TF130_TEKST::SBtCAPClick()
{
    ChooseRank(game_.state, RankCaptain);
    ShowRank();
}

void TF130_TEKST::SBtADMClick()
{
    ChooseRank(game_.state, RankAdmiral);
    ShowRank();
}

void TF130_TEKST::Button1Click()
{
    modalResult = platform::ResultOk;
    Close();
}

} // namespace olvane
