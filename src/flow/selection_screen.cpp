#include "flow/selection_screen.h"

#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "state/cell_code.h"
#include "state/mission_texts.h"

#include <algorithm>
#include <array>

namespace olvane
{

namespace
{

using platform::Colour;
using platform::Font;
using platform::FontStyle;
using platform::Rect;
namespace colours = platform::colours;

constexpr Colour SeaColour = platform::Rgb(24, 58, 110);
constexpr Colour LandColour = platform::Rgb(86, 120, 60);
constexpr Colour PlayerPortColour = platform::Rgb(90, 200, 255);
constexpr Colour EnemyPortColour = platform::Rgb(230, 40, 40);
constexpr Colour SummaryText = colours::White;
constexpr Colour SummaryHeading = colours::Yellow;
constexpr int SummaryTop = 330;
constexpr int LineHeight = 18;

Colour OverviewColour(const GameState& state, int x, int y)
{
    const CellInfo cell = DecodeCell(state, x, y);
    switch (cell.portKind)
    {
        case CellPlayerMajorPort:
        case CellPlayerPort:
            return PlayerPortColour;
        case CellEnemyMajorPort:
        case CellEnemyPort:
            return EnemyPortColour;
        default:
            return cell.land ? LandColour : SeaColour;
    }
}

} // namespace

std::string NationName(int nation)
{
    static constexpr std::array<const char*, NationCount> Names = {
        "UNITED STATES", "GERMANY", "GREAT BRITAIN", "JAPAN", "CANADA", "AUSTRALIA", "NEW ZEALAND", "ITALY"};
    return nation >= 1 && nation <= NationCount ? Names[static_cast<std::size_t>(nation - 1)] : "";
}

std::string GrantText(int attribute)
{
    static constexpr std::array<const char*, 5> Texts = {"Extended Armor ", "Extended Fire ", "Extended Speed ",
                                                         "Extended Radar ", "Extended Range "};
    return attribute >= 1 && attribute <= 5 ? Texts[static_cast<std::size_t>(attribute - 1)] : "";
}

void PaintMapOverview(const GameState& state, platform::Picture& picture)
{
    platform::Canvas canvas(picture);
    canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Solid};
    canvas.FillRect(picture.Bounds());
    const int width = std::clamp(state.MapWidth, 1, MapSize);
    const int height = std::clamp(state.MapHeight, 1, MapSize);
    const int scale = std::max(1, std::min(picture.Width(), picture.Height()) / std::max(width, height));
    const int left = (picture.Width() - width * scale) / 2;
    const int top = (picture.Height() - height * scale) / 2;
    for (int x = 1; x <= width; ++x)
    {
        for (int y = 1; y <= height; ++y)
        {
            canvas.brush.colour = OverviewColour(state, x, y);
            canvas.FillRect(Rect{left + (x - 1) * scale, top + (y - 1) * scale, scale, scale});
        }
    }
}

TF04_SIDE::TF04_SIDE(Game& game)
    : LBselectgame(this), dg1(this), PBmap(this), PBsummary(this), SBtNEXT(this), SBtBACK(this), game_(game)
{
    SetTitle(" SELECT GAME");
    Place(LBselectgame, 20, 14, 400, 26);
    LBselectgame.transparent = true;
    LBselectgame.font = Font{"ARIAL", 14, FontStyle::Bold, false, colours::Yellow};

    Place(dg1, 20, 48, 400, 470);
    dg1.colCount = 2;
    dg1.rowCount = 2;
    dg1.fixedRows = 1;
    dg1.defaultRowHeight = 22;
    dg1.SetColWidth(0, 44);
    dg1.SetColWidth(1, 330);
    dg1.colour = colours::Black;
    dg1.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::White};
    dg1.onSelectCell = [this](int c, int r, bool& can) { dg1SelectCell(c, r, can); };
    dg1.onDrawCell = [this](int c, int r, const Rect& rect, platform::GridCellState s, platform::Canvas& canvas) {
        dg1DrawCell(c, r, rect, s, canvas);
    };

    Place(PBmap, 446, 19, OverviewSize, OverviewSize);
    PBmap.picture.SetSize(OverviewSize, OverviewSize, colours::Black);
    Place(PBsummary, 446, SummaryTop, 340, 200);
    PBsummary.colour = colours::Black;
    PBsummary.onPaint = [this](platform::Canvas& c) { PaintSummary(c); };

    Place(SBtBACK, 20, 545, 180, 34);
    SBtBACK.caption = "BACK TO MENU";
    SBtBACK.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    SBtBACK.onClick = [this] { SBtBACKClick(); };
    Place(SBtNEXT, 600, 545, 180, 34);
    SBtNEXT.caption = "START GAME";
    SBtNEXT.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    SBtNEXT.onClick = [this] { SBtNEXTClick(); };
    defaultButton = &SBtNEXT;
    cancelButton = &SBtBACK;

    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF04_SIDE::RebuildList()
{
    rows_ = BuildSelectionList(game_);
    dg1.rowCount = static_cast<int>(rows_.size()) + 1;
    dg1.row = 1;
    dg1.topRow = 1;
}

void TF04_SIDE::Preload()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    const std::string folder = EditionPictureFolder(game_.state.EditionNumber);
    background_ = LoadGamePicture(game_.files, folder + "/tirp.jpg");
    campaignBackground_ = LoadGamePicture(game_.files, folder + "/GOTOVnos.jpg");
    flags_ = LoadSheet(game_.files, art::FlagSheet);
    icons_ = LoadSheet(game_.files, art::IconSheet);
}

void TF04_SIDE::FormShow()
{
    Preload();
    OpenSelection(game_.state);
    LBselectgame.caption = SelectionHeading(game_.state.GameMode);
    SBtNEXT.enabled = false;
    summaryShown_ = false;
    PBmap.visible = game_.state.GameMode != ModeCampaign;
    PBsummary.visible = false;
    BlankOverview();
    platform::MarkDrawn();
}

void TF04_SIDE::BlankOverview()
{
    platform::Canvas canvas(PBmap.picture);
    canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Solid};
    canvas.FillRect(PBmap.picture.Bounds());
}

void TF04_SIDE::FormPaint(platform::Canvas& canvas)
{
    const platform::Picture& ground = game_.state.GameMode == ModeCampaign ? campaignBackground_ : background_;
    if (!ground.Empty())
    {
        canvas.Draw(0, TitleHeight, ground);
    }
}

void TF04_SIDE::dg1DrawCell(int col, int row, const Rect& rect, platform::GridCellState cell,
                            platform::Canvas& canvas)
{
    std::string text;
    if (row == 0)
    {
        text = col == 0 ? "No." : "Name";
    }
    else if (row - 1 < static_cast<int>(rows_.size()))
    {
        text = col == 0 ? std::to_string(row) : rows_[static_cast<std::size_t>(row - 1)].Name;
    }
    canvas.brush = platform::Brush{cell.fixed ? colours::Navy : cell.selected ? colours::Highlight : colours::Black,
                                   platform::BrushStyle::Solid};
    canvas.FillRect(rect);
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font = dg1.font;
    canvas.font.colour = cell.fixed ? colours::Yellow : colours::White;
    canvas.TextOut(rect.x + 4, rect.y + 3, text);
}

void TF04_SIDE::dg1SelectCell(int, int row, bool& canSelect)
{
    if (row < 1 || row > static_cast<int>(rows_.size()))
    {
        canSelect = false;
        return;
    }
    if (!SelectRow(game_, rows_[static_cast<std::size_t>(row - 1)]))
    {
        canSelect = false;
        return;
    }
    SBtNEXT.enabled = true;
    if (game_.state.GameMode == ModeCampaign)
    {
        BlankOverview();
        summaryShown_ = false;
        PBsummary.visible = false;
    }
    else
    {
        PaintMapOverview(game_.state, PBmap.picture);
        summaryShown_ = true;
        PBsummary.visible = true;
    }
    platform::MarkDrawn();
}

void TF04_SIDE::PaintSummary(platform::Canvas& canvas)
{
    if (!summaryShown_)
    {
        return;
    }
    const GameState& s = game_.state;
    canvas.brush = platform::Brush{colours::Black, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{0, 0, PBsummary.bounds.width, PBsummary.bounds.height});
    canvas.brush.style = platform::BrushStyle::Clear;
    auto text = [&canvas](int x, int y, const std::string& line, Colour ink, bool bold = false) {
        canvas.font = Font{"ARIAL", 9, bold ? FontStyle::Bold : FontStyle::Regular, false, ink};
        canvas.TextOut(x, y, line);
    };
    // The sides: flags of 60 x 40 drawn at half size.
    auto side = [&](int x, int nation, const char* who) {
        if (nation >= 1 && nation <= flags_.Count())
        {
            canvas.StretchDraw(Rect{x, 2, 30, 20}, flags_[nation - 1]);
        }
        text(x + 34, 0, NationName(nation), SummaryText, true);
        text(x + 34, 12, who, SummaryHeading, true);
    };
    side(0, s.PlayerNation, "HUMAN");
    text(158, 6, "VS", SummaryHeading, true);
    side(182, s.EnemyNation, "PC");

    int y = 30;
    text(0, y, "Objective:", SummaryHeading, true);
    const std::string objective = ObjectiveText(s, game_.classes, SidePlayer);
    // The objective wraps at the panel's edge.
    std::string line;
    std::string word;
    const int width = PBsummary.bounds.width - 70;
    auto flush = [&] {
        if (!line.empty())
        {
            text(70, y, line, SummaryText);
            y += 14;
            line.clear();
        }
    };
    for (std::size_t i = 0; i <= objective.size(); ++i)
    {
        if (i == objective.size() || objective[i] == ' ')
        {
            const std::string candidate = line.empty() ? word : line + " " + word;
            canvas.font = Font{"ARIAL", 9, FontStyle::Regular, false, SummaryText};
            if (!line.empty() && canvas.TextWidth(candidate) > width)
            {
                flush();
                line = word;
            }
            else
            {
                line = candidate;
            }
            word.clear();
        }
        else
        {
            word += objective[i];
        }
    }
    flush();
    y = std::max(y, 30 + LineHeight) + 4;
    text(0, y, "Time:", SummaryHeading, true);
    text(70, y, std::to_string(s.SideStats(SidePlayer)[GoalLastTurnByte]) + " TURNS", SummaryText);
    y += LineHeight;
    text(0, y, "Resource:", SummaryHeading, true);
    text(70, y, std::to_string(s.ProductionPoints) + " PP", SummaryText);
    y += LineHeight + 4;
    text(0, y, "Unit Class:", SummaryHeading, true);
    text(120, y, "Technology:", SummaryHeading, true);
    y += LineHeight;
    for (const TechGrant& grant : s.CurrentScenario.TechGrants[0])
    {
        const std::string word2 = GrantText(grant.Attribute);
        const auto [first, last] = ClassRangeOfCategory(grant.Category);
        if (word2.empty() || first > last || y > PBsummary.bounds.height - 20)
        {
            continue;
        }
        const int icon = game_.classes.Class(first).Icon;
        if (icon < icons_.Count())
        {
            canvas.Draw(0, y, icons_[icon]);
        }
        text(120, y + 3, word2 + std::to_string(grant.Level), SummaryText);
        y += 22;
    }
}

void TF04_SIDE::SBtNEXTClick()
{
    if (!SBtNEXT.enabled)
    {
        return;
    }
    modalResult = ResultStart;
    Close();
}

void TF04_SIDE::SBtBACKClick()
{
    // The cursor goes back to the first row without taking that row into the game.
    dg1.row = 1;
    dg1.topRow = 1;
    BackToMenu(game_.state);
    modalResult = ResultBack;
    Close();
}

} // namespace olvane
