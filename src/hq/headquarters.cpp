#include "hq/headquarters.h"

#include "platform/message_box.h"
#include "platform/sound.h"
#include "turn/end_of_game.h"
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

constexpr int SoundClose = 252;
constexpr int SummaryTop = 72;
constexpr int SummaryRow = 25;
constexpr int SummaryColumn = 300;
constexpr int SummaryLeft = 10;
constexpr int HeadersTop = 50;
constexpr int SquaresLeft = 190;
constexpr int SpriteLeft = 142;
constexpr int SpriteSize = 21;
constexpr int ButtonLeft = 620;
constexpr int ButtonWidth = 170;
constexpr platform::Colour RowBand = 0x1C2838;

void Square(platform::Canvas& canvas, int x, int y, platform::Colour colour)
{
    canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{x + 1, y + 1, 3, 5});
    canvas.brush.colour = colour;
    canvas.FillRect(Rect{x, y, 3, 5});
}

} // namespace

TF95_HQ::TF95_HQ(Game& game)
    : IMzastava(this), BTobj(this), btORDER(this), btLOSSES(this), btBUY(this), sbtTECH(this), sbtTUTOR(this),
      sbtOptions(this), btHELP(this), btRETURN(this), btEND(this), btWIN(this), cbSound(this), game_(game)
{
    SetTitle("HQ");
    Place(IMzastava, 675, 6, 60, 40);
    IMzastava.stretch = true;

    struct Entry
    {
        platform::Button* button;
        const char* caption;
        std::function<void()> action;
    };

    const Entry entries[] = {
        {&BTobj, "OBJECTIVE", [this] { onObjective ? onObjective() : void(); }},
        {&btORDER, "ORDER OF BATTLE", [this] { onOrderOfBattle ? onOrderOfBattle() : void(); }},
        {&btLOSSES, "DESTROYED UNITS", [this] { onLosses ? onLosses() : void(); }},
        {&btBUY, " UNIT PRODUCTION", [this] { onProduction ? onProduction() : void(); }},
        {&sbtTECH, "TECHNOLOGY", [this] { onTechnology ? onTechnology() : void(); }},
        {&sbtTUTOR, "TUTORIAL", [this] { onTutorial ? onTutorial() : void(); }},
        {&sbtOptions, "Options", [this] { onOptions ? onOptions() : void(); }},
        {&btHELP, "HELP", [this] { onHelp ? onHelp() : void(); }},
        {&btRETURN, "RETURN TO GAME", [this] { btRETURNClick(); }},
        {&btEND, "EXIT TO MENU", [this] { btENDClick(); }},
        {&btWIN, "EXIT TO WINDOWS", [this] { btWINClick(); }},
    };
    int y = 54;
    for (const Entry& e : entries)
    {
        if (e.button == &btRETURN)
        {
            y += 14;
        }
        Place(*e.button, ButtonLeft, y, ButtonWidth, 34);
        e.button->caption = e.caption;
        e.button->font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::Black};
        e.button->onClick = e.action;
        y += 38;
    }
    Place(cbSound, ButtonLeft, y + 6, ButtonWidth, 22);
    cbSound.caption = "Sound ";
    cbSound.checked = true;
    cbSound.colour = colours::ParentColour;
    cbSound.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};
    cbSound.onClick = [this] { cbSoundClick(); };
    cancelButton = &btRETURN;

    // A click on the picture itself returns to the game, as RETURN TO GAME does.
    onClick = [this] { btRETURNClick(); };
    onActivate = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF95_HQ::LoadArt()
{
    if (artLoaded_)
    {
        return;
    }
    artLoaded_ = true;
    background_ = LoadGamePicture(game_.files, HqPicturePath(game_.state.EditionNumber, "HQ.BMP"));
    flags_ = LoadSheet(game_.files, art::FlagSheet);
    sprites_ = LoadSpriteList(game_.files, false);
}

void TF95_HQ::FormActivate()
{
    LoadArt();
    exit_ = HqExit::ReturnToGame;
    const platform::Colour exits = game_.state.GameMode == ModeDeathMatch ? colours::Yellow : colours::Black;
    btEND.font.colour = exits;
    btRETURN.font.colour = exits;
    sbtTECH.visible = EditionHasTechnology(game_.state.EditionNumber);
    const int nation = std::clamp<int>(game_.state.PlayerNation, 1, NationCount);
    if (nation - 1 < flags_.Count())
    {
        IMzastava.picture = flags_[nation - 1];
    }
    if (const platform::SoundEffects* sounds = platform::InstalledSoundEffects())
    {
        cbSound.checked = sounds->switchOn;
    }
}

void TF95_HQ::btRETURNClick()
{
    game_.presenter.PlaySoundEffect(SoundClose);
    exit_ = HqExit::ReturnToGame;
    Close();
}

void TF95_HQ::btENDClick()
{
    if (!platform::AskYesNo("Are you sure you want to quit the mission?"))
    {
        return;
    }
    // The end-of-game window opens once this window has closed.
    QuitMission(game_);
    exit_ = HqExit::ExitToMenu;
    Close();
}

void TF95_HQ::btWINClick()
{
    if (!platform::AskYesNo("Are you sure you want to quit the game?"))
    {
        return;
    }
    game_.state.Flow.Quit = 1;
    exit_ = HqExit::ExitToWindows;
    Close();
}

void TF95_HQ::cbSoundClick()
{
    if (platform::SoundEffects* sounds = platform::InstalledSoundEffects())
    {
        sounds->switchOn = cbSound.checked;
    }
}

void TF95_HQ::FormPaint(platform::Canvas& canvas)
{
    const GameState& state = game_.state;
    if (state.GameMode >= ModeDeathMatch && state.GameMode <= ModeCampaign && !background_.Empty())
    {
        canvas.StretchDraw(ClientRect(), background_);
    }
    const std::string line = HqMissionLine(state);
    if (!line.empty())
    {
        canvas.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Yellow};
        ShadowText(canvas, SummaryLeft + 4, TitleHeight + 14, line, colours::Black);
    }
    PaintSummary(canvas);
}

void TF95_HQ::PaintSummary(platform::Canvas& canvas)
{
    const std::vector<int> units = HqSummaryUnits(game_.state);
    const int columns = units.size() > static_cast<std::size_t>(SummaryColumnRows) ? 2 : 1;
    canvas.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Red};
    for (int c = 0; c < columns; ++c)
    {
        const int left = SummaryLeft + c * SummaryColumn;
        const int top = TitleHeight + HeadersTop;
        // A light band keeps the dark headings readable over the picture.
        canvas.brush = platform::Brush{colours::Silver, platform::BrushStyle::Solid};
        canvas.FillRect(Rect{left + SquaresLeft - 4, top - 1, 108, 17});
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.font.colour = colours::Red;
        canvas.TextOut(left + SquaresLeft, top, "Fire");
        canvas.font.colour = colours::Black;
        canvas.TextOut(left + SquaresLeft + 30, top, "Armor");
        canvas.font.colour = colours::Navy;
        canvas.TextOut(left + SquaresLeft + 68, top, "Speed");
    }
    if (columns == 2)
    {
        canvas.pen.colour = colours::Yellow;
        canvas.Line(SummaryLeft + SummaryColumn - 6, TitleHeight + HeadersTop,
                    SummaryLeft + SummaryColumn - 6,
                    TitleHeight + SummaryTop + SummaryColumnRows * SummaryRow);
    }
    for (std::size_t i = 0; i < units.size(); ++i)
    {
        const int column = static_cast<int>(i) / SummaryColumnRows;
        const int row = static_cast<int>(i) % SummaryColumnRows;
        PaintUnit(canvas, units[i], SummaryLeft + column * SummaryColumn,
                  TitleHeight + SummaryTop + row * SummaryRow);
    }
}

void TF95_HQ::PaintUnit(platform::Canvas& canvas, int unit, int left, int top)
{
    const UnitRec& u = game_.state.Unit(unit);
    const ClassRec& cls = game_.classes.Class(u.Class);
    // A dark band under the row keeps the yellow name readable over the light picture.
    canvas.brush = platform::Brush{RowBand, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{left + 26, top + 1, SquaresLeft - 30, SummaryRow - 3});
    canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
    canvas.FillRect(Rect{left, top + 2, 24, 18});
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::Black};
    canvas.TextOut(left + 3, top + 4, cls.Abbrev.Str());
    canvas.font.colour = colours::Yellow;
    std::string name = u.Name.Str();
    name.erase(name.find_last_not_of(' ') + 1);
    ShadowText(canvas, left + 29, top + 5, name, colours::Navy);

    const int sprite = cls.Sprite * art::FacingCount;
    const Rect first{left + SpriteLeft, top + 1, SpriteSize, SpriteSize};
    if (HasSecondUnit(u.Class))
    {
        // Stern first, so the hull reads bow-forward.
        DrawFrameIn(canvas, first, sprites_, sprite + art::FacingCount);
        DrawFrameIn(canvas, first.Offset(SpriteSize, 0), sprites_, sprite);
    }
    else
    {
        const int variant = u.Class >= 107 && u.Class <= 109 ? u.Class - 102 : 0;
        DrawFrameIn(canvas, first, sprites_, sprite + variant);
    }
    const int values[] = {u.Fire, u.Armor, u.Speed};
    const platform::Colour fills[] = {colours::Red, colours::Black, colours::Navy};
    for (int r = 0; r < 3; ++r)
    {
        const int count = std::min(values[r], 26);
        for (int k = 0; k < count; ++k)
        {
            Square(canvas, left + SquaresLeft + k * 4, top + 3 + r * 7, fills[r]);
        }
    }
}

} // namespace olvane
