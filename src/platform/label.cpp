#include "platform/label.h"

#include <algorithm>

namespace olvane::platform
{

Label::Label(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 65, 17};
    colour = colours::ParentColour;
}

std::vector<std::string> Label::Lines(Canvas& canvas) const
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= caption.size())
    {
        std::size_t end = caption.find('\n', start);
        std::string paragraph = caption.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
        {
            paragraph.pop_back();
        }
        if (!wordWrap)
        {
            lines.push_back(paragraph);
        }
        else
        {
            std::string line;
            std::size_t pos = 0;
            while (pos < paragraph.size())
            {
                std::size_t space = paragraph.find(' ', pos);
                std::size_t wordEnd = space == std::string::npos ? paragraph.size() : space;
                std::string word = paragraph.substr(pos, wordEnd - pos);
                std::string candidate = line.empty() ? word : line + " " + word;
                if (!line.empty() && canvas.TextWidth(candidate) > bounds.width)
                {
                    lines.push_back(line);
                    line = word;
                }
                else
                {
                    line = candidate;
                }
                pos = wordEnd + 1;
            }
            lines.push_back(line);
        }
        if (end == std::string::npos)
        {
            break;
        }
        start = end + 1;
    }
    return lines;
}

void Label::Arrange()
{
    if (!autoSize || wordWrap)
    {
        return;
    }
    Picture scratch(1, 1);
    Canvas measure(scratch);
    measure.font = font;
    int width = 0;
    auto lines = Lines(measure);
    for (const std::string& line : lines)
    {
        width = std::max(width, measure.TextWidth(line));
    }
    bounds.width = width;
    bounds.height = static_cast<int>(lines.size()) * measure.TextHeight("Ag");
}

void Label::Paint(Canvas& canvas)
{
    if (!transparent)
    {
        canvas.brush.colour = BackgroundColour();
        canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
    }
    canvas.brush.style = BrushStyle::Clear;
    int y = 0;
    int lineHeight = canvas.TextHeight("Ag");
    for (const std::string& line : Lines(canvas))
    {
        int width = canvas.TextWidth(line);
        int x = 0;
        switch (alignment)
        {
            case Alignment::Left:
                break;
            case Alignment::Centre:
                x = (bounds.width - width) / 2;
                break;
            case Alignment::Right:
                x = bounds.width - width;
                break;
        }
        if (!Usable())
        {
            canvas.font.colour = colours::GrayText;
        }
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
}

} // namespace olvane::platform
