#include "flow/mission_picture.h"

#include "flow/flow_art.h"
#include "turn/game_flow.h"

namespace olvane
{

TF_JPG::TF_JPG(Game& game) : game_(game)
{
    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
    onClick = [this] { FormClick(); };
    titleBar.onClick = [this] { FormClick(); };
    onKeyDown = [this](SDL_Keycode& key, platform::ShiftState) {
        if (key == SDLK_RETURN || key == SDLK_ESCAPE || key == SDLK_SPACE)
        {
            key = 0;
            FormClick();
        }
    };
}

void TF_JPG::FormShow()
{
    SetTitle(" " + MissionPictureTitle(game_.state));
    const std::string code = MissionPictureCode(game_.files, game_.state.CampaignStep);
    picture_ = code.empty() ? platform::Picture() : LoadGamePicture(game_.files, "BMP/1/" + code + ".JPG");
}

void TF_JPG::FormPaint(platform::Canvas& canvas)
{
    if (!picture_.Empty())
    {
        canvas.Draw((ClientWidth - picture_.Width()) / 2, TitleHeight + (PictureHeight - picture_.Height()) / 2,
                    picture_);
    }
}

void TF_JPG::FormClick()
{
    Close();
}

} // namespace olvane
