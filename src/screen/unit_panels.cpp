// The command panel and the information box: STAND, REPAIR and the windows the panel opens, a
// unit's or a group's information, and the strip of boxes under the map.

#include "platform/application.h"
#include "rules/movement.h"
#include "rules/ports.h"
#include "rules/target_preview.h"
#include "rules/unit_kinds.h"
#include "screen/main_window.h"
#include "state/cell_code.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <cmath>

namespace olvane
{

namespace
{

using platform::Canvas;
using platform::Colour;
using platform::Rect;
namespace colours = platform::colours;

constexpr int InfoWidth = 205;
constexpr int InfoHeight = 290;
constexpr int EnemyInfoTop = 130;
constexpr int StatsTop = 62;
constexpr int StatRowPitch = 15;
constexpr int StatValueLeft = 44;
constexpr int StatMarksLeft = 59;
constexpr int StatMarkPitch = 7;
constexpr int MaxStatMarks = 20;
constexpr int AttackMarksLeft = 113;
constexpr int AttackMarkPitch = 18;
constexpr int GroupBandHeight = 25;
constexpr int GroupShown = 10;
constexpr int StripLeft = 9;
constexpr int StripPitch = 12;
constexpr int StripBoxWidth = 9;
// The class line and the unit's name stand right of the picture, up to the box's edge.
constexpr int TitleLeft = 90;
constexpr int TitleWidth = InfoWidth - TitleLeft - 3;

int Scaled(int points)
{
    return static_cast<int>(std::lround(points * platform::FontFactor()));
}

/// While a target is awaited, the enemy's part of the box ends in what the next shot would do.
void DrawTargetPreview(Canvas& canvas, const Game& game, int enemy, int top)
{
    const TargetPreview preview = PreviewShot(game, game.state.SelectedUnit, enemy);
    if (!preview.possible)
    {
        return;
    }
    const std::string text = TargetPreviewText(preview);
    const Rect band{2, top + 128, InfoWidth - 4, 20};
    canvas.brush =
        platform::Brush{preview.SinksIt() ? colours::Red : colours::Maroon, platform::BrushStyle::Solid};
    canvas.FillRect(band);
    platform::Font font{"ARIAL", Scaled(8), platform::FontStyle::Bold, false, colours::Yellow};
    canvas.font = font;
    while (font.size > 5 && canvas.TextWidth(text) > band.width - 4)
    {
        --font.size;
        canvas.font = font;
    }
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.TextOut(band.x + (band.width - canvas.TextWidth(text)) / 2,
                   band.y + (band.height - canvas.TextHeight(text)) / 2, text);
}

void Box(Canvas& canvas, const Rect& r, Colour border, Colour fill)
{
    canvas.brush = platform::Brush{border, platform::BrushStyle::Solid};
    canvas.FillRect(r);
    canvas.brush.colour = fill;
    canvas.FillRect(Rect{r.x + 1, r.y + 1, r.width - 2, r.height - 2});
}

void Text(Canvas& canvas, int x, int y, std::string_view text, const platform::Font& font)
{
    canvas.font = font;
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.TextOut(x, y, text);
}

/// The largest of the font's size and the two below it at which the text fits the title's width.
platform::Font FittedFont(Canvas& canvas, std::string_view text, platform::Font font)
{
    for (int step = 0; step < 2; ++step)
    {
        canvas.font = font;
        if (canvas.TextWidth(text) <= TitleWidth)
        {
            break;
        }
        --font.size;
    }
    return font;
}

/// The class line of the information box: the abbreviation and the full class name, smaller
/// when it is long and on two lines when even that is too wide, never cut.
void DrawClassTitle(Canvas& canvas, int top, const std::string& text)
{
    platform::Font title{"ARIAL", Scaled(9), platform::FontStyle::Bold, false, colours::Yellow};
    title = FittedFont(canvas, text, title);
    canvas.font = title;
    if (canvas.TextWidth(text) <= TitleWidth)
    {
        Text(canvas, TitleLeft, top + 8, text, title);
        return;
    }
    // Broken at the last space that leaves a first line that fits.
    std::size_t cut = text.rfind(' ');
    while (cut != std::string::npos && cut > 0 && canvas.TextWidth(text.substr(0, cut)) > TitleWidth)
    {
        cut = text.rfind(' ', cut - 1);
    }
    if (cut == std::string::npos || cut == 0)
    {
        cut = text.find(' ');
    }
    const std::string first = text.substr(0, cut);
    std::string second = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    second.erase(0, second.find_first_not_of(' '));
    Text(canvas, TitleLeft, top + 1, first, title);
    Text(canvas, TitleLeft, top + 13, second, FittedFont(canvas, second, title));
}

} // namespace

// ---- Commands -------------------------------------------------------------------------------------

void TForm1::btSTANDClick()
{
    GameState& s = game_.state;
    const int unit = s.SelectedUnit;
    if (deploymentPending || !IsUnitCode(unit) || IsEnemy(unit) || s.FireMode != FireModeMove || groupCount_ > 0 ||
        viewMode_ != ViewMode::Tactical)
    {
        return;
    }
    UnitRec& u = s.Unit(unit);
    if (u.Active == 0 || u.MovedThisTurn != 0)
    {
        return;
    }
    u.DestX = u.X;
    u.DestY = u.Y;
    MoveUnit(game_, unit);
    CompleteSelection();
}

int TForm1::RepairAmount(int unit) const
{
    const GameState& s = game_.state;
    const UnitRec& u = s.Unit(unit);
    const bool twoCells = HasSecondUnit(u.Class);
    const UnitRec* stern = twoCells ? &s.Unit(SecondCell(unit)) : nullptr;
    auto within = [](const UnitRec& a, const UnitRec& b) { return std::abs(a.X - b.X) < 2 && std::abs(a.Y - b.Y) < 2; };
    for (int slot = 1; slot <= s.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        const UnitRec& aux = s.Unit(id);
        if (id == unit || aux.Active == 0 || !IsAuxiliary(aux.Class) || aux.X == 0)
        {
            continue;
        }
        const bool beside = within(aux, u) && !(aux.X == u.X && aux.Y == u.Y);
        const bool besideStern = stern != nullptr && stern->X != 0 && within(aux, *stern);
        if (beside || besideStern)
        {
            // The first auxiliary found decides, even one that cannot repair.
            switch (aux.Class)
            {
                case 90:
                case 93:
                    return 2;
                case 96:
                    return 3;
                default:
                    return 0;
            }
        }
    }
    auto inOwnPort = [&](const UnitRec& cell) {
        const int kind = DecodeCode(cell.Under).portKind;
        return cell.X != 0 && (kind == CellPlayerMajorPort || kind == CellPlayerPort);
    };
    if (inOwnPort(u) || (stern != nullptr && inOwnPort(*stern)))
    {
        return 2;
    }
    return 0;
}

void TForm1::UpdateRepairButton(int unit)
{
    const GameState& s = game_.state;
    bool allowed = false;
    if (IsUnitCode(unit) && !IsEnemy(unit))
    {
        const UnitRec& u = s.Unit(unit);
        allowed = u.MovedThisTurn == 0 && !IsAircraft(u.Class) && u.Active != 0 &&
                  u.Armor < game_.classes.Class(u.Class).Armor && RepairAmount(unit) > 0;
    }
    BtREPAIR.enabled = allowed;
    platform::MarkDrawn();
}

void TForm1::BtREPAIRClick()
{
    GameState& s = game_.state;
    const int unit = s.SelectedUnit;
    if (groupCount_ > 0 || !IsUnitCode(unit) || IsEnemy(unit) || s.FireMode != FireModeMove)
    {
        return;
    }
    UnitRec& u = s.Unit(unit);
    if (u.MovedThisTurn != 0 || u.Active == 0)
    {
        return;
    }
    const ClassRec& c = game_.classes.Class(u.Class);
    const int amount = std::max(0, std::min(RepairAmount(unit), c.Armor - u.Armor));
    u.Armor = static_cast<std::uint8_t>(u.Armor + amount);
    s.LBinfo.insert(s.LBinfo.begin(), "           repaired for " + std::to_string(amount) + " armor");
    s.LBinfo.insert(s.LBinfo.begin(), c.Abbrev.Str() + "    " + TrimmedName(u));
    RefreshMessageList();
    ShowUnitInfo(unit, true);
    BtREPAIR.enabled = false;
    olvane::HideReach(game_, unit);
    u.MovedThisTurn = 1;
    DrawUnit(unit);
    DrawUnitStrip();
    VictoryCheckAfterMove(game_);
    if (s.GameOver != 0)
    {
        RunEndOfGame(game_);
        return;
    }
    if (unit < PlayerBaseId + 90)
    {
        SelectNextPlayerUnit(game_);
    }
}

void TForm1::btHQClick()
{
    if (onOpenHQ && game_.state.FireMode != FireModeTarget && !deploymentPending)
    {
        onOpenHQ();
        RedrawView();
    }
}

void TForm1::sbtKupiClick()
{
    if (onOpenProduction && !deploymentPending)
    {
        onOpenProduction();
        RedrawView();
    }
}

void TForm1::sbtTechClick()
{
    if (onOpenTechnology)
    {
        onOpenTechnology();
    }
}

void TForm1::CompleteSelection()
{
    GameState& s = game_.state;
    if (s.GameOver != 0 || !MainWindowActive())
    {
        return;
    }
    const int selected = s.SelectedUnit;
    if (selected == 0)
    {
        // Nobody is left to act: the player phase ends.
        EndPlayerPhase(game_);
        return;
    }
    if (!IsUnitCode(selected) || IsEnemy(selected))
    {
        return;
    }
    UnitRec& u = s.Unit(selected);
    if (u.Highlighted != 0 || u.MovedThisTurn != 0 || u.Active == 0)
    {
        return;
    }
    // The turn cycle named the next unit without making it current: finish that here, and take
    // the marker off whoever acted before.
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        UnitRec& other = s.Unit(PlayerBaseId + slot);
        if (other.Highlighted != 0 && PlayerBaseId + slot != selected)
        {
            other.Highlighted = 0;
            DrawUnit(PlayerBaseId + slot);
        }
    }
    SelectUnit(game_, selected);
    UpdateRepairButton(selected);
}

// ---- Information box ------------------------------------------------------------------------------

void TForm1::DrawUnitStats(Canvas& canvas, int unit, int top)
{
    const GameState& s = game_.state;
    const UnitRec& u = s.Unit(unit);
    const ClassRec& c = game_.classes.Class(u.Class);
    const int side = IsEnemy(unit) ? 1 : 0;
    const platform::PictureList& sprites = art_.sprites[static_cast<std::size_t>(side)];
    const int facing = IsInstallation(u.Class) ? (u.Class >= 107 ? 5 + u.Class - 107 : u.Facing % 8) : 0;
    const int frame = u.Picture * art::FacingCount + facing;
    const bool twoCells = HasSecondUnit(u.Class) && frame + art::FacingCount < sprites.Count();
    if (twoCells)
    {
        // Heading east, the stern half lies west of the bow.
        canvas.Draw(6, top + 8, sprites[frame + art::FacingCount]);
        canvas.Draw(6 + CellSize, top + 8, sprites[frame]);
    }
    else if (frame < sprites.Count())
    {
        canvas.Draw(6 + CellSize / 2, top + 8, sprites[frame]);
    }
    const platform::Font plain{"ARIAL", Scaled(8), platform::FontStyle::Regular, false, colours::White};
    DrawClassTitle(canvas, top, c.Abbrev.Str() + "  " + c.Name.Str());
    Text(canvas, TitleLeft, top + 26, TrimmedName(u), FittedFont(canvas, TrimmedName(u), plain));

    const platform::Font rows{"CURIER NEW", Scaled(9), platform::FontStyle::Bold, false, colours::White};
    struct Stat
    {
        const char* label;
        int value;
        Colour centre;
    };
    const std::array<Stat, 3> stats{{{"FIRE", u.Fire, colours::Red},
                                     {"ARMOR", u.Armor, colours::Black},
                                     {"SPEED", u.Speed, colours::Blue}}};
    int y = top + StatsTop;
    for (const Stat& stat : stats)
    {
        Text(canvas, 2, y, stat.label, rows);
        Box(canvas, Rect{StatValueLeft, y, StatMarksLeft - StatValueLeft, 13}, colours::Gray, colours::Silver);
        Text(canvas, StatValueLeft + 1, y, std::to_string(stat.value),
             platform::Font{"ARIAL", Scaled(8), platform::FontStyle::Bold, false, colours::Black});
        for (int k = 0; k < std::min(stat.value, MaxStatMarks); ++k)
        {
            Box(canvas, Rect{StatMarksLeft + 2 + k * StatMarkPitch, y + 2, 6, 10}, colours::Yellow, stat.centre);
        }
        y += StatRowPitch;
    }
    Text(canvas, 2, y, "SONAR", rows);
    Text(canvas, StatValueLeft + 4, y, game_.classes.IsSonar(u.Class) ? " Yes " : " No ", rows);

    if (u.Active != 0 && !IsEnemy(unit) && unit < PlayerBaseId + 90)
    {
        std::vector<int> icons;
        const int digits[3] = {u.AttackedBy / 100 % 10, u.AttackedBy / 10 % 10, u.AttackedBy % 10};
        for (int d = 0; d < 3; ++d)
        {
            if (digits[d] != 0)
            {
                icons.push_back(d);
            }
        }
        if (u.PortArtilleryHit != 0)
        {
            icons.push_back(3);
        }
        for (std::size_t i = 0; i < icons.size() && i < 3; ++i)
        {
            if (icons[i] < art_.attackMarks.Count())
            {
                canvas.Draw(AttackMarksLeft + static_cast<int>(i) * AttackMarkPitch, top + 42, art_.attackMarks[icons[i]]);
            }
        }
    }
}

void TForm1::ShowUnitInfo(int unit, bool show)
{
    if (!IsUnitCode(unit))
    {
        return;
    }
    unit = MainUnitOf(unit);
    const bool enemy = IsEnemy(unit);
    const UnitRec& u = game_.state.Unit(unit);
    // Nothing the player has not found is ever described.
    if (enemy && show && u.Visible == 0)
    {
        return;
    }
    // A unit going down (no armour left) or gone is described no more: its part is cleared.
    if (u.Active == 0 || u.Armor == 0)
    {
        show = false;
    }
    // The player's part covers the whole box, the enemy's only its lower part.
    enemyInfoUnit_ = enemy && show ? unit : 0;
    if (ISPIS.picture.Width() != InfoWidth)
    {
        ISPIS.picture.SetSize(InfoWidth, InfoHeight, 0x0A1420);
    }
    Canvas canvas(ISPIS.picture);
    const int top = enemy ? EnemyInfoTop : 0;
    const platform::Picture& mask = enemy ? art_.mask2 : art_.mask;
    if (!mask.Empty())
    {
        canvas.Draw(0, top, mask);
    }
    else
    {
        Box(canvas, Rect{0, top, InfoWidth, enemy ? 156 : 285}, 0x506070, 0x0A1420);
    }
    if (show)
    {
        DrawUnitStats(canvas, unit, top);
        if (enemy)
        {
            DrawTargetPreview(canvas, game_, unit, top);
        }
    }
    else if (groupCount_ > 0 && enemy && game_.state.FireMode != FireModeTarget)
    {
        ShowGroupInfo();
    }
    platform::MarkDrawn();
}

void TForm1::ShowGroupInfo()
{
    const GameState& s = game_.state;
    enemyInfoUnit_ = 0;
    Canvas canvas(ISPIS.picture);
    if (!art_.mask.Empty())
    {
        canvas.Draw(0, 0, art_.mask);
    }
    else
    {
        Box(canvas, Rect{0, 0, InfoWidth, 285}, 0x506070, 0x0A1420);
    }
    const platform::Font abbrev{"ARIAL", Scaled(7), platform::FontStyle::Bold, false, colours::Black};
    const platform::Font name{"ARIAL", Scaled(8), platform::FontStyle::Bold, false, colours::Yellow};
    const platform::Font shadow{"ARIAL", Scaled(8), platform::FontStyle::Bold, false, colours::Navy};
    for (int i = 0; i < std::min(groupCount_, GroupShown); ++i)
    {
        const int id = groupUnits_[static_cast<std::size_t>(i)];
        const UnitRec& u = s.Unit(id);
        const ClassRec& c = game_.classes.Class(u.Class);
        const int top = 4 + i * GroupBandHeight;
        canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
        canvas.FillRect(Rect{2, top, 20, 12});
        Text(canvas, 3, top, c.Abbrev.Str(), abbrev);
        Text(canvas, 27, top - 1, TrimmedName(u), shadow);
        Text(canvas, 26, top - 2, TrimmedName(u), name);
        const int frame = u.Picture * art::FacingCount;
        if (frame < art_.sprites[0].Count())
        {
            canvas.StretchDraw(Rect{150, top - 2, 24, 24}, art_.sprites[0][frame]);
            if (HasSecondUnit(u.Class) && frame + art::FacingCount < art_.sprites[0].Count())
            {
                canvas.StretchDraw(Rect{174, top - 2, 24, 24}, art_.sprites[0][frame + art::FacingCount]);
            }
        }
        for (int k = 0; k < u.Fire; ++k)
        {
            Box(canvas, Rect{2 + 5 * k, top + 15, 3, 6}, colours::Red, colours::Red);
        }
        for (int k = 0; k < u.Armor && 35 + 5 * k < 78; ++k)
        {
            Box(canvas, Rect{35 + 5 * k, top + 15, 3, 6}, colours::Black, colours::Black);
        }
        for (int k = 0; k < u.Speed; ++k)
        {
            Box(canvas, Rect{80 + 5 * k, top + 15, 3, 6}, colours::Blue, colours::Blue);
        }
    }
    platform::MarkDrawn();
}

// ---- Unit strip -----------------------------------------------------------------------------------

void TForm1::PaintUnitStrip(Canvas& canvas)
{
    const GameState& s = game_.state;
    canvas.brush = platform::Brush{colours::Gray, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{0, 4, unitStrip.bounds.width, 7});
    int active = 0;
    int moved = 0;
    for (int slot = 1; slot <= s.PlayerShipCount; ++slot)
    {
        const UnitRec& u = s.Unit(PlayerBaseId + slot);
        if (u.Active != 0)
        {
            ++active;
            moved += u.MovedThisTurn != 0 ? 1 : 0;
        }
    }
    for (int k = 1; k <= active; ++k)
    {
        const Rect box{StripLeft + StripPitch * (k - 1), 4, StripBoxWidth, 7};
        if (k <= moved)
        {
            Box(canvas, box, colours::Navy, colours::Silver);
        }
        else
        {
            Box(canvas, box, colours::Yellow, colours::Navy);
        }
    }
}

void TForm1::DrawUnitStrip()
{
    platform::MarkDrawn();
}

} // namespace olvane
