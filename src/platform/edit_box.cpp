#include "platform/edit_box.h"

namespace olvane::platform
{

int Utf8Length(std::string_view text)
{
    int n = 0;
    for (char c : text)
    {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
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

void EditBox::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = Usable() ? colour : colours::ButtonFace;
    canvas.FillRect(r);
    DrawBevel(canvas, r, false);
    Rect inside = r.Inflate(-3);
    int textWidth = canvas.TextWidth(text);
    // Long texts show their end, where typing happens.
    int x = inside.x + std::min(0, inside.width - textWidth - 2);
    int y = (bounds.height - canvas.TextHeight("Ag")) / 2;
    canvas.brush.style = BrushStyle::Clear;
    if (!Usable())
    {
        canvas.font.colour = colours::GrayText;
    }
    canvas.TextRect(inside, x, y, text);
    if (Focused() && !readOnly)
    {
        canvas.brush.colour = canvas.font.colour;
        canvas.FillRect(Rect{x + textWidth + 1, y, 1, canvas.TextHeight("Ag")}.Intersect(inside));
    }
}

bool EditBox::KeyDown(SDL_Keycode key, ShiftState)
{
    if (key == SDLK_BACKSPACE)
    {
        if (!readOnly && !text.empty())
        {
            // Back over continuation bytes to the start of the last character.
            std::size_t cut = text.size() - 1;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            {
                --cut;
            }
            text.erase(cut);
            if (onChange)
            {
                onChange();
            }
        }
        return true;
    }
    if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && onReturn)
    {
        onReturn();
        return true;
    }
    return false;
}

void EditBox::TextInput(std::string_view typed)
{
    if (readOnly)
    {
        return;
    }
    bool changed = false;
    std::size_t pos = 0;
    while (pos < typed.size())
    {
        std::size_t len = 1;
        while (pos + len < typed.size() && (static_cast<unsigned char>(typed[pos + len]) & 0xC0) == 0x80)
        {
            ++len;
        }
        if (maxLength > 0 && Utf8Length(text) >= maxLength)
        {
            break;
        }
        text.append(typed.substr(pos, len));
        changed = true;
        pos += len;
    }
    if (changed && onChange)
    {
        onChange();
    }
}

} // namespace olvane::platform
