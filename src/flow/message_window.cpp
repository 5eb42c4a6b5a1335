#include "flow/message_window.h"

#include "flow/flow_art.h"
#include "platform/file_dialog.h"
#include "state/data_files.h"
#include "state/mission_texts.h"
#include "state/save_file.h"

#include <algorithm>

namespace olvane
{

namespace
{

using platform::Colour;
using platform::Font;
using platform::FontStyle;

constexpr int CodeMissionStatus = 1;
constexpr int CodeAbout = 53;

constexpr Colour TextColour = platform::colours::White;
constexpr Colour TitleColour = platform::colours::Yellow;
// A dark band under the lines keeps them readable over any painting.
constexpr Colour BandColour = 0x101C28;

constexpr int FlagX = 16;
constexpr int FlagY = 14;
constexpr int TextLeft = 24;
constexpr int TextWidth = TF70_PORUKA::ClientWidth - 2 * TextLeft;
constexpr int FirstLineTop = 76;
constexpr int LineStep = 30;
constexpr int LongObjective = 59;

bool IsAirMessage(int code)
{
    return code == 51 || code == 52 || code == 54;
}

bool IsLiberated(int code)
{
    return code >= 101 && code <= 130;
}

bool IsConquered(int code)
{
    return code >= 131 && code <= 160;
}

void Style(platform::Label& label, int size, Colour colour)
{
    label.transparent = true;
    label.font = Font{"ARIAL", size, FontStyle::Bold, false, colour};
}

} // namespace

TF70_PORUKA::TF70_PORUKA(Game& game, const DataFiles& files)
    : LB1(this), LB2(this), LB3(this), LB4(this), lb5(this), lbObjective(this), lb0(this), BTsave(this),
      game_(game), files_(files)
{
    MakeCentred(ClientWidth, ClientHeight);
    colour = BandColour;
    keyPreview = true;
    visible = false;

    LB1.SetBounds(FlagX + 72, 22, ClientWidth - FlagX - 72 - TextLeft, 30);
    Style(LB1, 16, TitleColour);
    platform::Label* lines[] = {&LB2, &LB3, &LB4, &lb5};
    for (int i = 0; i < 4; ++i)
    {
        lines[i]->SetBounds(TextLeft, FirstLineTop + i * LineStep, TextWidth, 24);
        Style(*lines[i], 12, TextColour);
    }
    lbObjective.SetBounds(TextLeft, FirstLineTop + 4 * LineStep, TextWidth, 18);
    Style(lbObjective, 9, TitleColour);
    lbObjective.caption = "OBJECTIVE:";
    lb0.SetBounds(TextLeft, FirstLineTop + 4 * LineStep + 18, TextWidth, 40);
    Style(lb0, 10, TextColour);
    lb0.wordWrap = true;

    BTsave.SetBounds(ClientWidth - 150, ClientHeight - 44, 130, 30);
    BTsave.caption = "SAVE GAME";
    BTsave.font = Font{"ARIAL", 10, FontStyle::Bold, false, platform::colours::Black};
    BTsave.onClick = [this] { BTsaveClick(); };

    // A click anywhere closes the window; the about message's web line opens its page instead.
    onClick = [this] { CloseMessage(); };
    for (platform::Label* label : {&LB1, &LB2, &LB4, &lb5, &lbObjective, &lb0})
    {
        label->onClick = [this] { CloseMessage(); };
    }
    LB3.onClick = [this] {
        if (game_.state.Flow.MessageCode == CodeAbout && openPage)
        {
            openPage("https://" + std::string(AboutWebLine));
            return;
        }
        CloseMessage();
    };
    onKeyDown = [this](SDL_Keycode& key, platform::ShiftState) {
        key = 0;
        CloseMessage();
    };
    onActivate = [this] { FormActivate(); };

    plain_ = LoadGamePicture(files_, "BMP/MENI/PORUKA.JPG");
    air_ = LoadGamePicture(files_, "BMP/MENI/AVIO.JPG");
    captured_ = LoadGamePicture(files_, "BMP/MENI/LUKAPC.JPG");
    lost_ = LoadGamePicture(files_, "BMP/MENI/LUKA.JPG");
    flags_ = LoadSheet(files_, art::FlagSheet);
}

void TF70_PORUKA::ShowCode(int code)
{
    game_.state.Flow.MessageCode = static_cast<std::uint8_t>(std::clamp(code, 0, 255));
    FormActivate();
    ShowModal();
}

void TF70_PORUKA::FormActivate()
{
    const MessageLines m = MessageTexts(game_.state, game_.classes, game_.state.Flow.MessageCode);
    LB1.caption = m.title;
    LB2.caption = m.lines[0];
    LB3.caption = m.lines[1];
    LB4.caption = m.lines[2];
    lb5.caption = m.lines[3];
    lb0.caption = m.objective;
    lb0.font.size = static_cast<int>(m.objective.size()) > LongObjective ? 9 : 10;
    lb0.visible = m.objectiveShown;
    lbObjective.visible = m.objectiveShown;
    BTsave.visible = m.saveShown;
    LB3.font.underline = game_.state.Flow.MessageCode == CodeAbout;
}

void TF70_PORUKA::BTsaveClick()
{
    const std::string suggested = DefaultSaveName(game_.state);
    if (const auto path = platform::RunFileDialog(platform::FileDialogMode::Save, files_.SaveDir(), suggested))
    {
        if (SaveFromMissionStatus(game_, path->parent_path(), path->filename().string()))
        {
            BTsave.visible = false;
            CloseMessage();
        }
    }
}

void TF70_PORUKA::CloseMessage()
{
    if (!Showing())
    {
        return;
    }
    Close();
    if (onClosed)
    {
        onClosed();
    }
}

const platform::Picture& TF70_PORUKA::Background() const
{
    const int code = game_.state.Flow.MessageCode;
    if (IsAirMessage(code))
    {
        return air_;
    }
    if (IsLiberated(code))
    {
        return captured_;
    }
    return IsConquered(code) ? lost_ : plain_;
}

void TF70_PORUKA::Paint(platform::Canvas& canvas)
{
    Form::Paint(canvas);
    const platform::Picture& background = Background();
    if (!background.Empty())
    {
        canvas.StretchDraw(platform::Rect{0, 0, ClientWidth, ClientHeight}, background);
    }
    canvas.brush.colour = BandColour;
    canvas.FillRect(platform::Rect{TextLeft - 8, FirstLineTop - 6, TextWidth + 16, 4 * LineStep + 64});
    platform::DrawBevel(canvas, platform::Rect{0, 0, ClientWidth, ClientHeight}, true);
    // The flag of the player's nation; a lost port shows the taker's over it. A nation of 0 is
    // drawn as the first without being written back.
    const int nation = std::max<int>(game_.state.PlayerNation, 1);
    DrawFrame(canvas, FlagX, FlagY, flags_, nation - 1);
    if (IsConquered(game_.state.Flow.MessageCode) && game_.state.EnemyNation >= 1)
    {
        DrawFrame(canvas, FlagX, FlagY, flags_, game_.state.EnemyNation - 1);
    }
}

} // namespace olvane
