#include "platform/edit_box.h"

namespace olvane::platform
{

namespace
{

bool Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t PreviousBoundary(const std::string& s, std::size_t at)
{
    if (at == 0)
    {
        return 0;
    }
    --at;
    while (at > 0 && Continuation(s[at]))
    {
        --at;
    }
    return at;
}

std::size_t NextBoundary(const std::string& s, std::size_t at)
{
    if (at >= s.size())
    {
        return s.size();
    }
    ++at;
    while (at < s.size() && Continuation(s[at]))
    {
        ++at;
    }
    return at;
}

} // namespace

int Utf8Length(std::string_view text)
{
    int n = 0;
    for (char c : text)
    {
        if (!Continuation(c))
        {
            ++n;
        }
    }
    return n;
}

EditBox::EditBox(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 121, 21};
    colour = colours::Window;
}

std::size_t EditBox::Caret() const
{
    return caretText_ == text ? caret_ : text.size();
}

void EditBox::Changed()
{
    caretText_ = text;
    if (onChange)
    {
        onChange();
    }
}

int EditBox::TextLeft(Canvas& canvas) const
{
    // Long texts scroll so the caret stays in view.
    int inside = bounds.width - 6;
    int caretX = canvas.TextWidth(std::string_view(text).substr(0, Caret()));
    return 3 + std::min(0, inside - caretX - 2);
}

void EditBox::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = Usable() ? colour : colours::ButtonFace;
    canvas.FillRect(r);
    DrawBevel(canvas, r, false);
    Rect inside = r.Inflate(-3);
    int x = TextLeft(canvas);
    int y = (bounds.height - canvas.TextHeight("Ag")) / 2;
    canvas.brush.style = BrushStyle::Clear;
    if (!Usable())
    {
        canvas.font.colour = colours::GrayText;
    }
    canvas.TextRect(inside, x, y, text);
    if (Focused() && !readOnly)
    {
        int caretX = x + canvas.TextWidth(std::string_view(text).substr(0, Caret()));
        canvas.brush.colour = canvas.font.colour;
        canvas.FillRect(Rect{caretX, y, 1, canvas.TextHeight("Ag")}.Intersect(inside));
    }
}

void EditBox::MouseDown(MouseButton button, ShiftState shift, Point p)
{
    if (button == MouseButton::Left)
    {
        Picture scratch(1, 1);
        Canvas measure(scratch);
        measure.font = font;
        int x = TextLeft(measure);
        // The caret goes to the character boundary nearest the click.
        std::size_t best = 0;
        int bestDistance = std::abs(p.x - x);
        for (std::size_t at = NextBoundary(text, 0); at <= text.size() && at > 0; at = NextBoundary(text, at))
        {
            int distance = std::abs(p.x - (x + measure.TextWidth(std::string_view(text).substr(0, at))));
            if (distance < bestDistance)
            {
                best = at;
                bestDistance = distance;
            }
            if (at == text.size())
            {
                break;
            }
        }
        caret_ = best;
        caretText_ = text;
    }
    Control::MouseDown(button, shift, p);
}

bool EditBox::KeyDown(SDL_Keycode key, ShiftState)
{
    std::size_t caret = Caret();
    switch (key)
    {
        case SDLK_BACKSPACE:
            if (!readOnly && caret > 0)
            {
                std::size_t from = PreviousBoundary(text, caret);
                text.erase(from, caret - from);
                caret_ = from;
                Changed();
            }
            return true;
        case SDLK_DELETE:
            if (!readOnly && caret < text.size())
            {
                text.erase(caret, NextBoundary(text, caret) - caret);
                caret_ = caret;
                Changed();
            }
            return true;
        case SDLK_LEFT:
            caret_ = PreviousBoundary(text, caret);
            caretText_ = text;
            return true;
        case SDLK_RIGHT:
            caret_ = NextBoundary(text, caret);
            caretText_ = text;
            return true;
        case SDLK_HOME:
            caret_ = 0;
            caretText_ = text;
            return true;
        case SDLK_END:
            caret_ = text.size();
            caretText_ = text;
            return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (onReturn)
            {
                onReturn();
                return true;
            }
            return false;
        default:
            return false;
    }
}

void EditBox::TextInput(std::string_view typed)
{
    if (readOnly)
    {
        return;
    }
    std::size_t caret = Caret();
    bool changed = false;
    std::size_t pos = 0;
    while (pos < typed.size())
    {
        std::size_t len = 1;
        while (pos + len < typed.size() && Continuation(typed[pos + len]))
        {
            ++len;
        }
        if (maxLength > 0 && Utf8Length(text) >= maxLength)
        {
            break;
        }
        text.insert(caret, typed.substr(pos, len));
        caret += len;
        changed = true;
        pos += len;
    }
    if (changed)
    {
        caret_ = caret;
        Changed();
    }
}

} // namespace olvane::platform
