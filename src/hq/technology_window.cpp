#include "hq/technology_window.h"

#include "state/class_table.h"

#include <algorithm>
#include <string>

namespace olvane
{

namespace
{

namespace colours = platform::colours;
using platform::Font;
using platform::FontStyle;
using platform::Rect;

constexpr std::array<int, 8> ColumnWidths = {2, 50, 2, 120, 52, 110, 55, 40};
constexpr int RowHeight = 28;
constexpr int HeaderHeight = 20;
constexpr int DetailLeft = 470;
constexpr int DetailTop = 45;
constexpr int DetailWidth = 300;
// The detail panel is 590 high on its work picture; the window shows what fits below its top.
constexpr int DetailHeight = HqWindow::ClientHeight - DetailTop;
constexpr int LegendTop = 434;
constexpr int AppliesLine = 42;
constexpr int MaxAppliesClasses = 8;

platform::Colour StateColour(TechState state)
{
    switch (state)
    {
        case TechState::Available:
            return colours::Silver;
        case TechState::Achieved:
            return colours::Teal;
        case TechState::PreviousNeeded:
            return colours::Gray;
    }
    return colours::Gray;
}

/// The frame colour of the mark pictures, by category.
platform::Colour CategoryColour(int category)
{
    switch (category)
    {
        case 1:
            return colours::Yellow;
        case 2:
            return colours::Red;
        case 3:
            return colours::Green;
        case 4:
            return colours::Blue;
        case 5:
            return colours::Navy;
        case 6:
            return colours::Black;
        default:
            return colours::White;
    }
}

} // namespace

TF_TECH::TF_TECH(Game& game)
    : btOKL(this), btFIR(this), btV(this), btRANGE(this), DG1(this), PBdetail(this), lbPare(this),
      btKUPI(this), btKraj(this), game_(game)
{
    SetTitle("Technology Center");
    const Font buttonFont{"ARIAL", 10, FontStyle::Bold, false, colours::Black};
    int x = 10;
    const std::array<std::pair<platform::Button*, const char*>, 4> attributes = {
        {{&btOKL, "ARMOR"}, {&btFIR, "FIRE"}, {&btV, "SPEED"}, {&btRANGE, "RADAR"}}};
    for (std::size_t i = 0; i < attributes.size(); ++i)
    {
        platform::Button& b = *attributes[i].first;
        Place(b, x, 8, 105, 28);
        b.caption = attributes[i].second;
        b.font = buttonFont;
        b.onClick = [this, i] { SelectAttribute(static_cast<int>(i) + 1); };
        x += 113;
    }

    Place(DG1, 10, 44, 450, 380);
    DG1.colCount = static_cast<int>(ColumnWidths.size());
    DG1.rowCount = 2;
    DG1.fixedRows = 1;
    DG1.defaultRowHeight = RowHeight;
    DG1.SetRowHeight(0, HeaderHeight);
    for (std::size_t c = 0; c < ColumnWidths.size(); ++c)
    {
        DG1.SetColWidth(static_cast<int>(c), ColumnWidths[c]);
    }
    DG1.colour = colours::Black;
    DG1.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Black};
    DG1.onDrawCell = [this](int c, int r, const Rect& rect, platform::GridCellState s,
                            platform::Canvas& canvas) { DG1DrawCell(c, r, rect, s, canvas); };
    // Selecting a row redraws the detail panel, which paints from the grid's selection.
    DG1.onSelectCell = [](int, int, bool&) {};

    Place(PBdetail, DetailLeft, DetailTop, DetailWidth, DetailHeight);
    PBdetail.onPaint = [this](platform::Canvas& c) { PaintDetail(c); };

    Place(lbPare, 10, 494, 450, 20);
    lbPare.transparent = true;
    lbPare.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Yellow};

    Place(btKUPI, 10, 524, 210, 34);
    btKUPI.caption = "BUY TECHNOLOGY";
    btKUPI.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    btKUPI.onClick = [this] { btKUPIClick(); };
    Place(btKraj, 250, 524, 210, 34);
    btKraj.caption = "Finish ";
    btKraj.font = btKUPI.font;
    btKraj.onClick = [this] { Close(); };
    cancelButton = &btKraj;

    onActivate = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF_TECH::LoadArt()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    background_ = LoadGamePicture(game_.files, HqPicturePath(game_.state.EditionNumber, "ssTECH.JPG"));
    sprites_ = LoadSpriteList(game_.files, false);
    marks_ = LoadSheet(game_.files, art::TechMarkSheet);
}

void TF_TECH::FormActivate()
{
    LoadArt();
    SelectAttribute(TechArmor);
    ShowPoints();
}

void TF_TECH::SelectAttribute(int attribute)
{
    attribute_ = attribute;
    rows_ = TechListOf(attribute);
    DG1.rowCount = static_cast<int>(rows_.size()) + 1;
    DG1.topRow = 1;
    DG1.row = 1;
}

int TF_TECH::SelectedMark() const
{
    const int r = DG1.row - 1;
    return r >= 0 && r < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(r)] : -1;
}

void TF_TECH::ShowPoints()
{
    lbPare.caption = " Available Production Points: " + std::to_string(game_.state.ProductionPoints) + " PP ";
}

void TF_TECH::btKUPIClick()
{
    const int mark = SelectedMark();
    if (mark >= 0 && BuyTechnology(game_, mark))
    {
        ShowPoints();
        if (onBought)
        {
            onBought();
        }
    }
}

void TF_TECH::FormPaint(platform::Canvas& canvas)
{
    if (!background_.Empty())
    {
        canvas.StretchDraw(ClientRect(), background_);
    }
    PaintLegend(canvas);
}

void TF_TECH::PaintLegend(platform::Canvas& canvas)
{
    static constexpr std::array<std::pair<platform::Colour, std::string_view>, 3> Entries = {{
        {colours::Teal, "Achieved technology"},
        {colours::Silver, "Avaliable technology"},
        {colours::Gray, "Previous technology needed"},
    }};
    canvas.font = Font{"ARIAL", 8, FontStyle::Regular, false, colours::White};
    int y = TitleHeight + LegendTop;
    for (const auto& [fill, text] : Entries)
    {
        canvas.brush = platform::Brush{fill, platform::BrushStyle::Solid};
        canvas.pen.colour = colours::Black;
        canvas.Rectangle(Rect{10, y, 160, 13});
        canvas.brush.style = platform::BrushStyle::Clear;
        ShadowText(canvas, 178, y, text, colours::Black);
        y += 18;
    }
}

void TF_TECH::DG1DrawCell(int col, int row, const Rect& rect, platform::GridCellState cell,
                          platform::Canvas& canvas)
{
    canvas.font = DG1.font;
    if (row == 0)
    {
        canvas.brush = platform::Brush{colours::Navy, platform::BrushStyle::Solid};
        canvas.FillRect(rect);
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.font.colour = colours::Yellow;
        static constexpr std::array<std::string_view, 8> Headers = {
            "", "", "", "Class", "Mark", "Description", "", "Price"};
        canvas.TextOut(rect.x + 3, rect.y + 3, Headers[static_cast<std::size_t>(col)]);
        return;
    }
    if (row - 1 >= static_cast<int>(rows_.size()))
    {
        return;
    }
    const TechEntry& entry = TechTable[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row - 1)])];
    const TechState state = StateOfMark(game_.state, entry);
    canvas.brush = platform::Brush{StateColour(state), platform::BrushStyle::Solid};
    canvas.FillRect(rect);
    if (cell.selected)
    {
        canvas.pen.colour = colours::Yellow;
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.Rectangle(Rect{rect.x, rect.y, rect.width, rect.height});
    }
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font.colour = state == TechState::Available ? colours::Black : colours::White;
    const std::vector<int> classes = TechClassesOf(entry.Category);
    switch (col)
    {
        case 1:
            if (!classes.empty())
            {
                const int c = classes.front();
                const int sprite = game_.classes.Class(c).Sprite;
                if (HasSecondUnit(c))
                {
                    DrawFrameIn(canvas, Rect{rect.x, rect.y + 1, 25, 25}, sprites_,
                                (sprite + 1) * art::FacingCount);
                    DrawFrameIn(canvas, Rect{rect.x + 25, rect.y + 1, 25, 25}, sprites_,
                                sprite * art::FacingCount);
                }
                else
                {
                    DrawFrameIn(canvas, Rect{rect.x + 12, rect.y + 1, 25, 25}, sprites_,
                                sprite * art::FacingCount);
                }
            }
            break;
        case 3:
            canvas.TextOut(rect.x + 4, rect.y + 7, TechCategoryName(entry.Category));
            break;
        case 4:
            for (int m = 0; m < entry.Mark; ++m)
            {
                const Rect box{rect.x + 1 + m * 17, rect.y + 5, 16, 16};
                canvas.pen.colour = CategoryColour(entry.Category);
                canvas.Rectangle(box);
                DrawFrameIn(canvas, box.Inflate(-1), marks_, (entry.Mark - 1) * 4 + entry.Attribute - 1);
            }
            break;
        case 5:
            canvas.TextOut(rect.x + 4, rect.y + 7, TechDescription(entry));
            break;
        case 7:
            canvas.TextOut(rect.x + 4, rect.y + 7, std::to_string(entry.Price));
            break;
        default:
            break;
    }
}

void TF_TECH::PaintDetail(platform::Canvas& canvas)
{
    if (!background_.Empty())
    {
        canvas.CopyRect(Rect{0, 0, DetailWidth, DetailHeight}, background_,
                        Rect{DetailLeft, DetailTop, DetailWidth, DetailHeight});
    }
    const int index = SelectedMark();
    if (index < 0)
    {
        return;
    }
    const TechEntry& entry = TechTable[static_cast<std::size_t>(index)];
    const auto lineAt = [&](int x, int y, std::string_view text, platform::Colour ink, bool bold) {
        canvas.font = Font{"ARIAL", 10, bold ? FontStyle::Bold : FontStyle::Regular, false, ink};
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.font.colour = colours::Black;
        canvas.TextOut(x + 1, y + 1, text);
        canvas.font.colour = ink;
        canvas.TextOut(x, y, text);
    };
    const auto line = [&](int y, std::string_view text, platform::Colour ink, bool bold) {
        lineAt(8, y, text, ink, bold);
    };
    line(8, "Technology name:", colours::Yellow, true);
    line(26, TechDescription(entry), colours::White, false);
    line(52, "Description:", colours::Yellow, true);
    line(70, TechEffectText(entry), colours::White, false);
    line(96, "Price:", colours::Yellow, true);
    line(114, std::to_string(entry.Price) + " PP", colours::White, false);
    line(140, "Applies to:", colours::Yellow, true);
    int y = 160;
    int shown = 0;
    for (int c : TechClassesOf(entry.Category))
    {
        if (shown++ == MaxAppliesClasses || y + AppliesLine > DetailHeight)
        {
            break;
        }
        const ClassRec& cls = game_.classes.Class(c);
        if (HasSecondUnit(c))
        {
            DrawFrameIn(canvas, Rect{8, y, 40, 40}, sprites_, (cls.Sprite + 1) * art::FacingCount);
            DrawFrameIn(canvas, Rect{48, y, 40, 40}, sprites_, cls.Sprite * art::FacingCount);
        }
        else
        {
            DrawFrameIn(canvas, Rect{28, y, 40, 40}, sprites_, cls.Sprite * art::FacingCount);
        }
        lineAt(96, y + 12, cls.Name.Str(), colours::White, false);
        y += AppliesLine;
    }
}

} // namespace olvane
