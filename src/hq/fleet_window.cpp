#include "hq/fleet_window.h"

#include "platform/application.h"
#include "turn/fleet_overview.h"

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

struct PanelPlace
{
    int x;
    int y;
};

constexpr std::array<PanelPlace, FleetGroupCount> Panels = {
    {{41, 70}, {294, 70}, {547, 70}, {41, 376}, {294, 376}, {547, 376}, {41, 547}, {420, 547}}};
// Carriers, battleships and cruisers stand on two fields, bow above stern.
constexpr int TwoCellGroups = 3;
constexpr int LossRow = 28;
constexpr int LossColumn = 175;
constexpr int LossTop = 160;

} // namespace

std::string_view OrderOfBattlePicture(int nation)
{
    switch (nation)
    {
        case NationUnitedStates:
            return "GOTOVUSA.JPG";
        case NationThirdReich:
            return "GOTOVGER.JPG";
        case NationGreatBritain:
            return "GOTOVENG.JPG";
        case NationJapan:
            return "GOTOVJAPAN.JPG";
        case NationCanada:
            return "GOTOVCAN.JPG";
        case NationAustralia:
        case NationNewZealand:
            return "GOTOVaus.JPG";
        case NationItaly:
            return "GOTOVitaly.JPG";
        default:
            return {};
    }
}

TF90_FLOTA::TF90_FLOTA(Game& game) : btOK(this), game_(game)
{
    SetTitle("Fleet");
    Place(btOK, 710, 8, 80, 30);
    btOK.caption = "OK";
    btOK.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
    btOK.onClick = [this] { btOKClick(); };
    defaultButton = &btOK;
    cancelButton = &btOK;
    onClick = [this] {
        // The window itself clicks as its button does.
        if (const auto& click = platform::Application::Instance().onButtonClick)
        {
            click();
        }
        btOKClick();
    };
    onActivate = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF90_FLOTA::LoadArt()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    const int edition = game_.state.EditionNumber;
    lossPicture_ = LoadGamePicture(game_.files, HqPicturePath(edition, "PORAZ.JPG"));
    emblem_ = LoadGamePicture(game_.files, HqPicturePath(edition, "ZNAK.BMP"), true);
    flags_ = LoadSheet(game_.files, art::FlagSheet);
    sprites_ = LoadSpriteList(game_.files, false);
    icons_ = LoadSheet(game_.files, art::IconSheet);
    classPictures_ = LoadSheet(game_.files, art::ClassPictureSheet);
}

void TF90_FLOTA::FormActivate()
{
    LoadArt();
    const int nation = game_.state.PlayerNation;
    if (nation != pictureNation_)
    {
        pictureNation_ = nation;
        const std::string_view name = OrderOfBattlePicture(nation);
        nationPicture_ = name.empty()
                             ? platform::Picture()
                             : LoadGamePicture(game_.files, HqPicturePath(game_.state.EditionNumber, name));
    }
    SetTitle(game_.state.Flow.FleetOverviewMode == ModeLosses ? "Destroyed Units" : "Order of Battle");
}

void TF90_FLOTA::btOKClick()
{
    Close();
}

void TF90_FLOTA::FormPaint(platform::Canvas& canvas)
{
    if (game_.state.Flow.FleetOverviewMode == ModeLosses)
    {
        PaintLosses(canvas);
    }
    else
    {
        PaintOrderOfBattle(canvas);
    }
}

void TF90_FLOTA::PaintOrderOfBattle(platform::Canvas& canvas)
{
    if (!nationPicture_.Empty())
    {
        canvas.StretchDraw(ClientRect(), nationPicture_);
    }
    const int nation = std::clamp<int>(game_.state.PlayerNation, 1, NationCount);
    if (nation - 1 < flags_.Count())
    {
        canvas.Draw(372, TitleHeight + 5, flags_[nation - 1]);
    }
    const auto groups = OrderOfBattle(game_.state);
    for (int g = 0; g < FleetGroupCount; ++g)
    {
        const FleetGroupInfo& info = FleetGroups[static_cast<std::size_t>(g)];
        const PanelPlace place = Panels[static_cast<std::size_t>(g)];
        const int slotHeight = g < TwoCellGroups ? 2 * CellSize : CellSize;
        const int rows = (info.Cap + info.PerRow - 1) / info.PerRow;
        const int left = place.x;
        const int top = TitleHeight + place.y;
        canvas.brush = platform::Brush{0x101C28, platform::BrushStyle::Solid};
        canvas.FillRect(Rect{left - 2, top - 20, info.PerRow * CellSize + 4, 18});
        canvas.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Yellow};
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.TextOut(left + 2, top - 19, info.Heading);
        // The frame and the empty slots of the group.
        canvas.pen.colour = colours::Silver;
        canvas.Rectangle(Rect{left - 2, top - 2, info.PerRow * CellSize + 4, rows * slotHeight + 4});
        canvas.pen.colour = colours::Gray;
        for (int k = 0; k < info.Cap; ++k)
        {
            canvas.Rectangle(Rect{left + k % info.PerRow * CellSize, top + k / info.PerRow * slotHeight,
                                  CellSize, slotHeight});
        }
        const auto& units = groups[static_cast<std::size_t>(g)];
        for (std::size_t k = 0; k < units.size(); ++k)
        {
            const UnitRec& u = game_.state.Unit(units[k]);
            const int x = left + static_cast<int>(k) % info.PerRow * CellSize;
            const int y = top + static_cast<int>(k) / info.PerRow * slotHeight;
            const int north = u.Picture * art::FacingCount + 6;
            DrawFrameIn(canvas, Rect{x, y, CellSize, CellSize}, sprites_, north);
            if (g < TwoCellGroups)
            {
                DrawFrameIn(canvas, Rect{x, y + CellSize, CellSize, CellSize}, sprites_,
                            north + art::FacingCount);
            }
            // The class silhouette under the sprite names the type at a glance.
            DrawFrameIn(canvas, Rect{x + 3, y + slotHeight - 12, 36, 12}, icons_,
                        game_.classes.Class(u.Class).Icon);
        }
    }
}

void TF90_FLOTA::PaintLosses(platform::Canvas& canvas)
{
    if (!lossPicture_.Empty())
    {
        canvas.StretchDraw(ClientRect(), lossPicture_);
    }
    if (!emblem_.Empty())
    {
        canvas.StretchDraw(Rect::FromCorners(57, TitleHeight + 70, 119, TitleHeight + 115), emblem_);
    }
    canvas.font = Font{"ARIAL", 16, FontStyle::Bold, false, colours::Yellow};
    ShadowText(canvas, 300, TitleHeight + 20, "DESTROYED UNITS", colours::Black);
    canvas.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::Yellow};
    ShadowText(canvas, 140, TitleHeight + 130, "LOST UNITS", colours::Black);
    ShadowText(canvas, 450, TitleHeight + 130, "DESTROYED ENEMY UNITS", colours::Black);
    PaintLossPanel(canvas, SidePlayer, 40, TitleHeight + LossTop);
    PaintLossPanel(canvas, SideEnemy, 420, TitleHeight + LossTop);
}

void TF90_FLOTA::PaintLossPanel(platform::Canvas& canvas, int side, int left, int top)
{
    const int rows = (TitleHeight + ClientHeight - 10 - top) / LossRow;
    canvas.brush = platform::Brush{0x101C28, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{left - 4, top - 4, 2 * LossColumn + 8, rows * LossRow + 8});
    const auto counts = DestroyedCounts(game_.state, side);
    canvas.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    canvas.brush.style = platform::BrushStyle::Clear;
    if (counts.empty())
    {
        canvas.TextOut(left + 4, top + 4, "NONE");
        return;
    }
    for (std::size_t i = 0; i < counts.size() && static_cast<int>(i) < 2 * rows; ++i)
    {
        const auto [c, count] = counts[i];
        const ClassRec& cls = game_.classes.Class(c);
        const int x = left + static_cast<int>(i) / rows * LossColumn;
        const int y = top + static_cast<int>(i) % rows * LossRow;
        DrawFrameIn(canvas, Rect{x, y + 2, 66, 22}, classPictures_, cls.Icon);
        canvas.TextOut(x + 72, y + 5, cls.Abbrev.Str() + "  x " + std::to_string(count));
    }
}

} // namespace olvane
