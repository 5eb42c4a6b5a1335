#include "flow/main_menu.h"

#include "flow/flow_art.h"
#include "platform/canvas.h"
#include "platform/display_layout.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "state/flow_state.h"
#include "state/game.h"
#include "state/mission_texts.h"
#include "turn/game_flow.h"

namespace olvane
{

namespace
{

using platform::Font;
using platform::FontStyle;
namespace colours = platform::colours;

constexpr int EmblemX = 747;
constexpr int EmblemY = 99;
constexpr int LogoX = 777;
constexpr int LogoY = 257;
constexpr int EntryLeft = 70;
constexpr int EntryTop = 190;
constexpr int EntryWidth = 250;
constexpr int EntryHeight = 38;
constexpr int EntryGap = 10;
constexpr int AboutCode = 53;
constexpr platform::Colour EntryColour = platform::Rgb(16, 28, 44);

bool Layout1024()
{
    return platform::Display().layoutNumber == platform::Layout1024;
}

std::string EditionVersion(int edition)
{
    return edition >= 0 && edition < EditionCount ? std::string(EditionVersions[static_cast<std::size_t>(edition)])
                                                   : std::string();
}

} // namespace

void MenuArt::Load(const DataFiles& files, int edition, std::string_view stem, std::string_view extension)
{
    const std::string folder = EditionPictureFolder(edition);
    background = LoadGamePicture(files, folder + "/" + LayoutPictureName(stem, extension, Layout1024()));
    emblem = LoadGamePicture(files, folder + "/ZNAK.BMP", true);
    logo = LoadGamePicture(files, "BMP/MENI/LOGO.BMP", true);
}

void MenuArt::Draw(platform::Canvas& canvas, int width, int height) const
{
    const int shift = platform::Display().menuShift;
    if (!background.Empty())
    {
        canvas.Draw((width - background.Width()) / 2, (height - background.Height()) / 2, background);
    }
    if (!emblem.Empty())
    {
        canvas.Draw(EmblemX + shift, EmblemY, emblem);
    }
    if (!logo.Empty())
    {
        canvas.Draw(LogoX + shift, LogoY, logo);
    }
}

TF2_MENI::TF2_MENI(const DataFiles& files, int edition)
    : lbTitle(this), lbSubtitle(this), lbVERZIJA(this), SBtDEATH(this), BTsSCEN(this), SBtCAMP(this),
      SBtLOAD(this), sbSKOR(this), sbtTUTOR(this), SBoptions(this), SBtHELP(this), SBtABOUT(this), SBtEXIT(this),
      files_(files), edition_(edition)
{
    colour = colours::Black;
    MakeFullScreen();
    LayOut();
    onActivate = [this] { FormActivate(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void TF2_MENI::LayOut()
{
    const int shift = platform::Display().menuShift;
    const platform::Colour captionColour = Layout1024() ? colours::White : colours::Yellow;

    lbTitle.SetBounds(EmblemX + shift, 30, 300, 50);
    lbTitle.transparent = true;
    lbTitle.font = Font{"ARIAL", 28, FontStyle::Bold, false, colours::Yellow};
    lbTitle.caption = std::string(AboutTitle);
    lbSubtitle.SetBounds(LogoX + shift - 30, LogoY + 72, 320, 24);
    lbSubtitle.transparent = true;
    lbSubtitle.font = Font{"ARIAL", 12, FontStyle::Bold, false, colours::White};
    lbSubtitle.caption = "NAVAL AND AIR WAR AT SEA";
    lbVERZIJA.SetBounds(LogoX + shift, LogoY + 100, 200, 20);
    lbVERZIJA.transparent = true;
    lbVERZIJA.font = Font{"ARIAL", 10, FontStyle::Bold, false, colours::White};

    struct Entry
    {
        platform::SpeedButton* button;
        const char* caption;
        void (TF2_MENI::*handler)();
    };
    const std::array<Entry, 10> entries{{
        {&SBtDEATH, "DEATH MATCH", &TF2_MENI::SBtDEATHClick},
        {&BTsSCEN, "NEW MISSION", &TF2_MENI::BTsSCENClick},
        {&SBtCAMP, "NEW CAMPAIGN", &TF2_MENI::SBtCAMPClick},
        {&SBtLOAD, "LOAD GAME", &TF2_MENI::SBtLOADClick},
        {&sbSKOR, "HALL OF FAME", &TF2_MENI::sbSKORClick},
        {&sbtTUTOR, "TUTORIAL", &TF2_MENI::sbtTUTORClick},
        {&SBoptions, "OPTIONS", &TF2_MENI::SBoptionsClick},
        {&SBtHELP, "HELP", &TF2_MENI::SBtHELPClick},
        {&SBtABOUT, "ABOUT", &TF2_MENI::SBtABOUTClick},
        {&SBtEXIT, "EXIT GAME", &TF2_MENI::SBtEXITClick},
    }};
    int y = EntryTop;
    for (const Entry& e : entries)
    {
        platform::SpeedButton& b = *e.button;
        b.caption = e.caption;
        b.colour = EntryColour;
        b.font = Font{"ARIAL", 13, FontStyle::Bold, false, captionColour};
        b.onClick = [this, handler = e.handler] { (this->*handler)(); };
        // The tutorial entry stays hidden in the menu and takes no place in the column.
        if (&b == &sbtTUTOR)
        {
            b.visible = false;
            continue;
        }
        b.SetBounds(EntryLeft, y, EntryWidth, EntryHeight);
        y += EntryHeight + EntryGap;
    }
}

void TF2_MENI::FormActivate()
{
    if (activated_)
    {
        return;
    }
    activated_ = true;
    art_.Load(files_, edition_, "uvod", ".bmp");
    if (onFirstActivation)
    {
        onFirstActivation();
    }
}

void TF2_MENI::FormPaint(platform::Canvas& canvas)
{
    lbVERZIJA.caption = EditionVersion(edition_);
    art_.Draw(canvas, bounds.width, bounds.height);
}

void TF2_MENI::NewGame(std::uint8_t mode)
{
    if (game_ == nullptr)
    {
        return;
    }
    StartNewGame(game_->state, mode);
    if (onNewGame)
    {
        onNewGame();
    }
}

void TF2_MENI::SBtDEATHClick()
{
    NewGame(ModeDeathMatch);
}

void TF2_MENI::BTsSCENClick()
{
    NewGame(ModeMission);
}

void TF2_MENI::SBtCAMPClick()
{
    NewGame(ModeCampaign);
}

void TF2_MENI::SBtLOADClick()
{
    if (game_ == nullptr)
    {
        return;
    }
    InitShipClasses(game_->classes);
    const std::optional<std::filesystem::path> path =
        onChooseSaveFile ? onChooseSaveFile()
                         : platform::RunFileDialog(platform::FileDialogMode::Open, game_->files.SaveDir(), "");
    // A cancelled or failed load leaves the menu as it was; the loader has said why it failed.
    if (!path || !LoadSavedGame(*game_, *path))
    {
        return;
    }
    if (onGameLoaded)
    {
        onGameLoaded();
    }
}

void TF2_MENI::sbSKORClick()
{
    if (game_ != nullptr)
    {
        game_->state.Flow.ScoreTableOrigin = 1;
    }
    if (onOpenScores)
    {
        onOpenScores();
        return;
    }
    platform::ShowMessage("THE HALL OF FAME IS NOT AVAILABLE YET.");
}

void TF2_MENI::sbtTUTORClick()
{
    if (onOpenTutorial)
    {
        onOpenTutorial();
        return;
    }
    platform::ShowMessage("THE TUTORIAL IS NOT AVAILABLE YET.");
}

void TF2_MENI::SBoptionsClick()
{
    if (onOpenOptions)
    {
        onOpenOptions();
        return;
    }
    platform::ShowMessage("THE OPTIONS ARE NOT AVAILABLE YET.");
}

void TF2_MENI::SBtHELPClick()
{
    const std::string page = "help" + std::to_string(edition_) + "/help.htm";
    const std::optional<std::filesystem::path> path = files_.Find(page);
    if (!path)
    {
        platform::ShowMessage("THE HELP PAGE " + page + " IS MISSING.");
        return;
    }
    if (onOpenPage)
    {
        if (const std::optional<std::string> error = onOpenPage(*path))
        {
            platform::ShowMessage("THE HELP PAGE COULD NOT BE OPENED:\n" + *error);
        }
    }
}

void TF2_MENI::SBtABOUTClick()
{
    if (onShowMessage)
    {
        onShowMessage(AboutCode);
    }
}

void TF2_MENI::SBtEXITClick()
{
    Close();
}

} // namespace olvane
