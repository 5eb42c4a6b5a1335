#include "platform/message_box.h"

#include "platform/button.h"
#include "platform/form.h"
#include "platform/label.h"

#include <algorithm>

namespace olvane::platform
{

namespace
{

constexpr int TitleHeight = 20;
constexpr int Margin = 16;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int WidestText = 460;

/// The box itself: a title strip, the text, and its buttons in a row under it.
class MessageBoxForm : public Form
{
public:
    MessageBoxForm(std::string_view text, MessageButtons buttons, std::string_view title)
        : text_(this), first_(this), second_(this)
    {
        caption = title.empty() ? "Olvane" : std::string(title);
        font = Font{"ARIAL", 9, FontStyle::Regular, false, colours::Black};
        text_.font = font;
        text_.caption = std::string(text);
        text_.wordWrap = true;
        text_.transparent = true;

        Picture scratch(1, 1);
        Canvas measure(scratch);
        measure.font = font;
        text_.bounds.width = WidestText;
        int widest = 0;
        auto lines = text_.Lines(measure);
        for (const std::string& line : lines)
        {
            widest = std::max(widest, measure.TextWidth(line));
        }
        int lineHeight = measure.TextHeight("Ag");
        int buttonCount = buttons == MessageButtons::YesNo ? 2 : 1;
        int buttonsWidth = buttonCount * ButtonWidth + (buttonCount - 1) * 8;
        int width = std::max(widest, buttonsWidth) + 2 * Margin;
        int textHeight = std::max(1, static_cast<int>(lines.size())) * lineHeight;
        int height = TitleHeight + Margin + textHeight + Margin + ButtonHeight + 12;
        MakeCentred(std::max(width, 180), height);
        text_.bounds = Rect{Margin, TitleHeight + Margin, bounds.width - 2 * Margin, textHeight};

        int x = (bounds.width - buttonsWidth) / 2;
        int y = bounds.height - ButtonHeight - 12;
        first_.SetBounds(x, y, ButtonWidth, ButtonHeight);
        first_.font = font;
        second_.SetBounds(x + ButtonWidth + 8, y, ButtonWidth, ButtonHeight);
        second_.font = font;
        first_.clickSound = false;
        second_.clickSound = false;
        if (buttons == MessageButtons::YesNo)
        {
            first_.caption = "Yes";
            first_.modalResult = ResultYes;
            second_.caption = "No";
            second_.modalResult = ResultNo;
            cancelButton = &second_;
        }
        else
        {
            first_.caption = "OK";
            first_.modalResult = ResultOk;
            second_.visible = false;
            cancelButton = &first_;
        }
        defaultButton = &first_;
        first_.SetFocus();
    }

    void Paint(Canvas& canvas) override
    {
        Form::Paint(canvas);
        Rect r{0, 0, bounds.width, bounds.height};
        DrawBevel(canvas, r, true);
        canvas.brush.colour = colours::Navy;
        canvas.FillRect(Rect{3, 3, bounds.width - 6, TitleHeight - 3});
        canvas.font = Font{"ARIAL", 9, FontStyle::Bold, false, colours::White};
        canvas.brush.style = BrushStyle::Clear;
        canvas.TextOut(8, 3 + (TitleHeight - 3 - canvas.TextHeight(caption)) / 2, caption);
    }

private:
    Label text_;
    Button first_;
    Button second_;
};

} // namespace

int ShowMessageBox(std::string_view text, MessageButtons buttons, std::string_view title)
{
    MessageBoxForm box(text, buttons, title);
    int result = box.ShowModal();
    if (buttons == MessageButtons::YesNo)
    {
        return result == ResultYes ? ResultYes : ResultNo;
    }
    return ResultOk;
}

void ShowMessage(std::string_view text)
{
    ShowMessageBox(text, MessageButtons::Ok);
}

bool AskYesNo(std::string_view text)
{
    return ShowMessageBox(text, MessageButtons::YesNo) == ResultYes;
}

} // namespace olvane::platform
