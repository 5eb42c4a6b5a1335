#include "flow/curtain.h"

#include "flow/flow_art.h"
#include "platform/display_layout.h"

namespace olvane
{

Tf_zavesa::Tf_zavesa(const DataFiles& files) : files_(files)
{
    visible = false;
    colour = platform::colours::Black;
    MakeFullScreen();
    onShow = [this] { FormShow(); };
    onPaint = [this](platform::Canvas& c) { FormPaint(c); };
}

void Tf_zavesa::FormShow()
{
    Preload();
}

void Tf_zavesa::Preload()
{
    if (picture_.Empty())
    {
        const bool layout1024 = platform::Display().layoutNumber == platform::Layout1024;
        picture_ = LoadGamePicture(files_, "BMP/MENI/" + LayoutPictureName("ram", ".jpg", layout1024));
    }
}

void Tf_zavesa::FormPaint(platform::Canvas& canvas)
{
    if (!picture_.Empty())
    {
        canvas.Draw((bounds.width - picture_.Width()) / 2, (bounds.height - picture_.Height()) / 2, picture_);
    }
}

} // namespace olvane
