#include "hq/purchase_window.h"

#include "state/mission_texts.h"

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

// The grid's columns: class picture, name, fire, armour, speed, range, sonar, price, the count
// listed, and the listed units' pictures, as many as the window's width leaves room for.
constexpr int ColPicture = 0;
constexpr int ColName = 1;
constexpr int ColFire = 2;
constexpr int ColArmor = 3;
constexpr int ColSpeed = 4;
constexpr int ColRange = 5;
constexpr int ColSonar = 6;
constexpr int ColPrice = 7;
constexpr int ColCount = 8;
constexpr int ColListed = 9;
constexpr int ColumnCount = 10;
constexpr std::array<int, ColumnCount> ColumnWidths = {92, 128, 46, 46, 46, 46, 40, 40, 42, 230};
constexpr int RowHeight = 34;
constexpr int HeaderHeight = 20;
constexpr int ListedSize = 32;

constexpr platform::Colour RowColour = 0x101830;
constexpr platform::Colour HeaderColour = colours::Navy;

} // namespace

TF6_KUPI::TF6_KUPI()
    : lbTitle(this), lbPointsHeading(this), LbLOVA(this), lbRestHeading(this), lbREST1(this), lbREST2(this),
      IMzastava(this), DG1(this), btKUPI(this), btVRATI(this), BTfinish(this)
{
    SetTitle("Unit Production");
    Place(IMzastava, 10, 8, 60, 40);
    IMzastava.stretch = true;

    Place(lbTitle, 80, 4, 260, 22);
    lbTitle.caption = " UNIT PRODUCTION";
    lbTitle.transparent = true;
    lbTitle.font = Font{"ARIAL", 13, FontStyle::Bold, false, colours::Yellow};
    Place(lbPointsHeading, 80, 30, 150, 18);
    lbPointsHeading.caption = "PRODUCTION POINTS:";
    lbPointsHeading.transparent = true;
    lbPointsHeading.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::White};
    Place(LbLOVA, 232, 28, 110, 20);
    LbLOVA.transparent = true;
    LbLOVA.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Yellow};

    Place(lbRestHeading, 360, 4, 430, 16);
    lbRestHeading.caption = "RESTRICTION:";
    lbRestHeading.transparent = true;
    lbRestHeading.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Yellow};
    Place(lbREST1, 360, 20, 430, 16);
    Place(lbREST2, 360, 36, 430, 16);
    for (platform::Label* l : {&lbREST1, &lbREST2})
    {
        l->transparent = true;
        l->font = Font{"ARIAL", 9, FontStyle::Regular, false, colours::White};
    }

    Place(DG1, 10, 58, 780, 458);
    DG1.colCount = ColumnCount;
    DG1.rowCount = PurchaseRowCount + 1;
    DG1.fixedRows = 1;
    DG1.defaultRowHeight = RowHeight;
    DG1.SetRowHeight(0, HeaderHeight);
    for (int c = 0; c < ColumnCount; ++c)
    {
        DG1.SetColWidth(c, ColumnWidths[static_cast<std::size_t>(c)]);
    }
    DG1.colour = RowColour;
    DG1.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::White};
    DG1.onDrawCell = [this](int c, int r, const Rect& rect, platform::GridCellState s,
                            platform::Canvas& canvas) { DG1DrawCell(c, r, rect, s, canvas); };

    const Font buttonFont{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    Place(btKUPI, 10, 528, 170, 34);
    btKUPI.caption = "BUY UNIT";
    btKUPI.onClick = [this] { btKUPIClick(); };
    Place(btVRATI, 190, 528, 170, 34);
    btVRATI.caption = "REMOVE UNIT";
    btVRATI.onClick = [this] { btVRATIClick(); };
    Place(BTfinish, 590, 528, 200, 34);
    BTfinish.caption = "FINISH";
    BTfinish.onClick = [this] { BTfinishClick(); };
    for (platform::Button* b : {&btKUPI, &btVRATI, &BTfinish})
    {
        b->font = buttonFont;
    }
    defaultButton = &btKUPI;

    onActivate = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF6_KUPI::LoadArt()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    background_ =
        LoadGamePicture(GameData().files, HqPicturePath(GameData().state.EditionNumber, "KRATKITIRP.jpg"));
    flags_ = LoadSheet(GameData().files, art::FlagSheet);
    classPictures_ = LoadSheet(GameData().files, art::ClassPictureSheet);
    icons_ = LoadSheet(GameData().files, art::IconSheet);
    sprites_ = LoadSpriteList(GameData().files, false);
}

void TF6_KUPI::FormActivate()
{
    LoadArt();
    list_.Clear();
    const auto lines = RestrictionLines(GameData().state.CurrentScenario);
    lbREST1.caption = lines[0];
    lbREST2.caption = lines[1];
    const int nation = std::clamp<int>(GameData().state.PlayerNation, 1, NationCount);
    if (nation - 1 < flags_.Count())
    {
        IMzastava.picture = flags_[nation - 1];
    }
    DG1.topRow = 1;
    DG1.row = std::clamp(DG1.row, 1, PurchaseRowCount);
    BTfinish.caption = "FINISH";
    ShowPoints();
}

void TF6_KUPI::ShowPoints()
{
    LbLOVA.caption = std::to_string(GameData().state.ProductionPoints);
}

void TF6_KUPI::FormPaint(platform::Canvas& canvas)
{
    if (!background_.Empty())
    {
        canvas.StretchDraw(ClientRect(), background_);
    }
}

void TF6_KUPI::DrawAttribute(platform::Canvas& canvas, const Rect& rect, int value, int bonus,
                             platform::Colour fill, int width, int gap)
{
    canvas.font.colour = colours::White;
    canvas.TextOut(rect.x + 4, rect.y + 2,
                   bonus > 0 ? std::to_string(value) + "+" + std::to_string(bonus) : std::to_string(value));
    int x = rect.x + 3;
    const int y = rect.y + 22;
    for (int i = 0; i < value + bonus; ++i)
    {
        canvas.brush = platform::Brush{i < value ? fill : colours::Yellow, platform::BrushStyle::Solid};
        canvas.FillRect(Rect{x, y, width, 6});
        x += width + gap;
    }
    canvas.brush.style = platform::BrushStyle::Clear;
}

void TF6_KUPI::DG1DrawCell(int col, int row, const Rect& rect, platform::GridCellState cell,
                           platform::Canvas& canvas)
{
    canvas.brush = platform::Brush{cell.fixed      ? HeaderColour
                                   : cell.selected ? colours::Highlight
                                                   : RowColour,
                                   platform::BrushStyle::Solid};
    canvas.FillRect(rect);
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font = DG1.font;
    if (row == 0)
    {
        static constexpr std::array<std::string_view, ColumnCount> Headers = {
            "", "Type", "Fire", "Armor", "Speed", "Range", "Sonar", "Price", "Units", ""};
        canvas.font.colour = colours::Yellow;
        canvas.TextOut(rect.x + 4, rect.y + 3, Headers[static_cast<std::size_t>(col)]);
        return;
    }
    if (row > PurchaseRowCount)
    {
        return;
    }
    const int c = PurchaseClasses[static_cast<std::size_t>(row)];
    const ClassRec& cls = GameData().classes.Class(c);
    const int category = ClassCategoryOf(c);
    const TechRow bonus =
        category == NoCategory ? TechRow{} : GameData().state.TechBonus(SidePlayer, category);
    switch (col)
    {
        case ColPicture:
            DrawFrameIn(canvas, Rect{rect.x + 1, rect.y + 1, 90, 30}, classPictures_, cls.Icon);
            DrawFrameIn(canvas, Rect{rect.x + 2, rect.y + 21, 30, 10}, icons_, cls.Icon);
            canvas.pen.colour = colours::Navy;
            canvas.Line(rect.x, rect.Bottom() - 1, rect.Right(), rect.Bottom() - 1);
            break;
        case ColName:
            canvas.TextOut(rect.x + 4, rect.y + 9, cls.Name.Str());
            break;
        case ColFire:
            DrawAttribute(canvas, rect, cls.Fire, bonus.Fire, colours::Silver, 2, cls.Fire > 10 ? 1 : 2);
            break;
        case ColArmor:
            DrawAttribute(canvas, rect, cls.Armor, bonus.Armor, colours::Red, 2, 2);
            break;
        case ColSpeed:
            DrawAttribute(canvas, rect, cls.Speed, bonus.Speed, colours::Blue, 2, 2);
            break;
        case ColRange:
            DrawAttribute(canvas, rect, cls.Range, bonus.Range, colours::Aqua, 3, 2);
            break;
        case ColSonar:
            canvas.TextOut(rect.x + 6, rect.y + 9, GameData().classes.IsSonar(c) ? "YES" : "");
            break;
        case ColPrice:
            canvas.TextOut(rect.x + 6, rect.y + 9, std::to_string(cls.Price));
            break;
        case ColCount: {
            const int count = list_.Count[static_cast<std::size_t>(row)];
            canvas.font.colour = count > 0 ? colours::Yellow : colours::Gray;
            canvas.TextOut(rect.x + 10, rect.y + 9, std::to_string(count));
            break;
        }
        case ColListed: {
            const int fit = std::min(rect.width / ListedSize, PurchaseShownSlots);
            const auto& slots = list_.Slots[static_cast<std::size_t>(row)];
            for (int i = 0; i < fit; ++i)
            {
                const int code = slots[static_cast<std::size_t>(i + 1)];
                if (code != EmptyPurchaseSlot)
                {
                    DrawFrameIn(canvas, Rect{rect.x + i * ListedSize, rect.y + 1, ListedSize, ListedSize},
                                sprites_, code);
                }
            }
            break;
        }
        default:
            break;
    }
}

void TF6_KUPI::btKUPIClick()
{
    BuyUnit(GameData(), list_, SelectedRow());
    ShowPoints();
}

void TF6_KUPI::btVRATIClick()
{
    RemoveUnit(GameData(), list_, SelectedRow());
    ShowPoints();
}

void TF6_KUPI::BTfinishClick()
{
    BTfinish.caption = "GENERATING NAMES...";
    BTfinish.Repaint();
    result_ = FinishProduction(GameData(), list_, tag);
    BTfinish.caption = "FINISH";
    ShowPoints();
    if (result_.exit != ProductionExit::StayOpen)
    {
        modalResult = platform::ResultOk;
        Close();
    }
}

} // namespace olvane
