#include "flow/flow_window.h"

namespace olvane
{

FlowWindow::FlowWindow() : titleBar(this)
{
    colour = platform::colours::Black;
    MakeCentred(ClientWidth, ClientHeight + TitleHeight);
    titleBar.SetBounds(0, 0, ClientWidth, TitleHeight);
    titleBar.colour = platform::colours::Highlight;
    titleBar.font = platform::Font{"ARIAL", 10, platform::FontStyle::Bold, false, platform::colours::White};
}

} // namespace olvane
