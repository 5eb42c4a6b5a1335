// The map's names: each rendered once per font size and kept, then copied piecewise under the
// cells they cross.

#include "screen/map_lettering.h"

#include "art/lettering.h"
#include "art/sheets.h"
#include "platform/fonts.h"
#include "platform/sdl_handles.h"

#include <cctype>
#include <cmath>
#include <map>
#include <string>

namespace olvane
{

namespace
{

using platform::Rect;

struct RenderedLabel
{
    platform::SurfacePtr text;
    Rect area;
};

/// The pixel size the names are rendered at: points times the font factor, as every text of the
/// main window.
int ScaledPoints(int points)
{
    return std::max(1, static_cast<int>(std::lround(points * platform::FontFactor())));
}

platform::Font LabelFont(const art::MapLabel& label)
{
    platform::Font font;
    font.name = "ARIAL";
    font.size = ScaledPoints(label.points);
    switch (label.kind)
    {
    case art::LabelKind::Sea:
        font.style = platform::FontStyle::Italic;
        font.colour = (art::SeaLabelColour.r << 16) | (art::SeaLabelColour.g << 8) | art::SeaLabelColour.b;
        break;
    case art::LabelKind::Country:
        font.style = platform::FontStyle::Bold;
        font.colour = (art::LandLabelColour.r << 16) | (art::LandLabelColour.g << 8) | art::LandLabelColour.b;
        break;
    case art::LabelKind::Place:
        font.colour = (art::LandLabelColour.r << 16) | (art::LandLabelColour.g << 8) | art::LandLabelColour.b;
        break;
    }
    return font;
}

std::string LabelText(const art::MapLabel& label)
{
    std::string text(label.text);
    if (label.kind == art::LabelKind::Country)
    {
        for (char& c : text)
        {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

/// Every name rendered so far, by its place in the table and its pixel size, so a change of the
/// font factor renders afresh instead of drawing stale sizes.
std::map<std::pair<int, int>, RenderedLabel>& Rendered()
{
    static std::map<std::pair<int, int>, RenderedLabel> cache;
    return cache;
}

const RenderedLabel& Render(int index)
{
    const art::MapLabel& label = art::MapLabels[static_cast<std::size_t>(index)];
    const platform::Font font = LabelFont(label);
    auto& cache = Rendered();
    const auto key = std::make_pair(index, font.size);
    if (auto found = cache.find(key); found != cache.end())
    {
        return found->second;
    }
    RenderedLabel result;
    TTF_Font* face = platform::FontCache::Instance().Face(font);
    const std::string text = LabelText(label);
    const SDL_Color colour{static_cast<Uint8>(font.colour >> 16), static_cast<Uint8>(font.colour >> 8),
                           static_cast<Uint8>(font.colour), 255};
    result.text.reset(face != nullptr ? TTF_RenderUTF8_Blended(face, text.c_str(), colour) : nullptr);
    if (result.text)
    {
        SDL_SetSurfaceBlendMode(result.text.get(), SDL_BLENDMODE_BLEND);
        const int w = result.text->w;
        const int h = result.text->h;
        const int cx = (label.x - 1) * art::CellSize + art::CellSize / 2;
        const int cy = (label.y - 1) * art::CellSize + art::CellSize / 2;
        result.area = Rect{cx - w / 2, cy - h / 2, w, h};
    }
    return cache.emplace(key, std::move(result)).first->second;
}

} // namespace

const std::vector<PlacedLabel>& PlacedLabels(int picture)
{
    static std::map<std::pair<int, int>, std::vector<PlacedLabel>> placed;
    const auto key = std::make_pair(picture, ScaledPoints(100));
    if (auto found = placed.find(key); found != placed.end())
    {
        return found->second;
    }
    std::vector<PlacedLabel> list;
    for (std::size_t i = 0; i < art::MapLabels.size(); ++i)
    {
        if (art::MapLabels[i].picture != picture)
        {
            continue;
        }
        const RenderedLabel& r = Render(static_cast<int>(i));
        if (r.text)
        {
            list.push_back(PlacedLabel{static_cast<int>(i), r.area});
        }
    }
    return placed.emplace(key, std::move(list)).first->second;
}

void LetterCell(platform::Canvas& canvas, int left, int top, int picture, int x, int y)
{
    const std::vector<PlacedLabel>& labels = PlacedLabels(picture);
    if (labels.empty())
    {
        return;
    }
    const Rect cell{(x - 1) * art::CellSize, (y - 1) * art::CellSize, art::CellSize, art::CellSize};
    SDL_Surface* target = canvas.Target().Surface();
    if (target == nullptr)
    {
        return;
    }
    for (const PlacedLabel& label : labels)
    {
        const Rect part = label.area.Intersect(cell);
        if (part.Empty())
        {
            continue;
        }
        const RenderedLabel& r = Render(label.index);
        // Only the part over this cell, so the neighbours' units are never overdrawn.
        SDL_Rect from{part.x - label.area.x, part.y - label.area.y, part.width, part.height};
        SDL_Rect to{left + part.x - cell.x, top + part.y - cell.y, part.width, part.height};
        SDL_BlitSurface(r.text.get(), &from, target, &to);
        platform::MarkDrawn(target, Rect{to.x, to.y, part.width, part.height});
    }
}

} // namespace olvane
