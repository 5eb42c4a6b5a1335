#include "platform/picture.h"

#include "platform/game_file.h"
#include "platform/image_codecs.h"

#include <stdexcept>

namespace olvane::platform
{

namespace
{

constexpr Uint32 FramePixelFormat = SDL_PIXELFORMAT_RGB888;

std::uint64_t drawingGeneration = 0;
// What was drawn since the frame was last composed: anything at all, or only these parts.
bool drawnAnything = true;
std::vector<DrawnPart> drawnParts;
// Beyond this many separate pictures drawn, the whole frame is as cheap to compose.
constexpr std::size_t MostDrawnParts = 64;

SurfacePtr NewSurface(int width, int height)
{
    SurfacePtr s(SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1), 32, FramePixelFormat));
    if (!s)
    {
        throw std::runtime_error(std::string("cannot create a picture: ") + SDL_GetError());
    }
    return s;
}

Uint32* PixelAddress(SDL_Surface* s, int x, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch) + x;
}

} // namespace

std::uint64_t DrawingGeneration()
{
    return drawingGeneration;
}

void MarkDrawn()
{
    ++drawingGeneration;
    drawnAnything = true;
    drawnParts.clear();
}

void MarkDrawn(const SDL_Surface* surface, const Rect& area)
{
    ++drawingGeneration;
    if (drawnAnything || area.Empty())
    {
        return;
    }
    // Drawing comes in runs on one picture (the fields of a move, the lines of a panel).
    if (!drawnParts.empty() && drawnParts.back().surface == surface)
    {
        drawnParts.back().area = drawnParts.back().area.Union(area);
    }
    else if (drawnParts.size() < MostDrawnParts)
    {
        drawnParts.push_back(DrawnPart{surface, area});
    }
    else
    {
        MarkDrawn();
    }
}

std::optional<std::vector<DrawnPart>> TakeDrawnParts()
{
    std::optional<std::vector<DrawnPart>> parts;
    if (!drawnAnything)
    {
        parts = std::move(drawnParts);
    }
    drawnParts.clear();
    drawnAnything = false;
    return parts;
}

Picture::Picture(int width, int height, Colour fill)
{
    // A new picture is shown nowhere yet: making one (a scratch to measure text on) changes
    // nothing on the screen.
    if (width > 0 && height > 0)
    {
        surface_ = NewSurface(width, height);
        SDL_FillRect(surface_.get(), nullptr, fill);
    }
}

Picture::Picture(const Picture& other) : transparent(other.transparent), transparentColour(other.transparentColour)
{
    if (other.surface_)
    {
        surface_.reset(SDL_DuplicateSurface(other.surface_.get()));
    }
}

Picture& Picture::operator=(const Picture& other)
{
    if (this != &other)
    {
        Picture copy(other);
        *this = std::move(copy);
    }
    return *this;
}

// A picture given new pixels may be shown anywhere: the next frame is composed whole.
Picture& Picture::operator=(Picture&& other) noexcept
{
    surface_ = std::move(other.surface_);
    sheet_ = std::move(other.sheet_);
    transparent = other.transparent;
    transparentColour = other.transparentColour;
    MarkDrawn();
    return *this;
}

void Picture::SetSize(int width, int height, Colour fill)
{
    sheet_.reset();
    MarkDrawn();
    if (width <= 0 || height <= 0)
    {
        surface_.reset();
        return;
    }
    surface_ = NewSurface(width, height);
    SDL_FillRect(surface_.get(), nullptr, fill);
}

std::optional<Picture> Picture::FromSurface(SDL_Surface* surface)
{
    if (surface == nullptr)
    {
        return std::nullopt;
    }
    SurfacePtr converted(SDL_ConvertSurfaceFormat(surface, FramePixelFormat, 0));
    if (!converted)
    {
        return std::nullopt;
    }
    Picture p;
    p.surface_ = std::move(converted);
    return p;
}

std::optional<std::string> Picture::Load(const std::filesystem::path& path)
{
    return LoadRows(path, 0, 0);
}

std::optional<std::string> Picture::LoadRows(const std::filesystem::path& path, int top, int height)
{
    std::string error;
    const std::optional<std::string> bytes = ReadGameFile(path, error);
    if (!bytes)
    {
        return error;
    }
    const std::optional<std::string> band = height > 0 ? BmpRows(*bytes, top, height) : std::nullopt;
    SurfacePtr loaded = DecodePicture(band ? *band : *bytes, error);
    if (!loaded)
    {
        return path.string() + ": " + error;
    }
    std::optional<Picture> picture;
    if (loaded->format->format == FramePixelFormat)
    {
        picture.emplace();
        picture->surface_.reset(loaded.release());
    }
    else
    {
        picture = FromSurface(loaded.get());
    }
    if (!picture)
    {
        return path.string() + ": " + SDL_GetError();
    }
    if (height > 0 && !band)
    {
        picture = picture->Cut(Rect{0, top, picture->Width(), height});
    }
    surface_ = std::move(picture->surface_);
    sheet_.reset();
    MarkDrawn();
    return std::nullopt;
}

std::optional<std::string> Picture::SavePng(const std::filesystem::path& path) const
{
    if (!surface_)
    {
        return "an empty picture cannot be saved";
    }
    return EncodePng(surface_.get(), path);
}

Colour Picture::Pixel(int x, int y) const
{
    if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height())
    {
        return colours::Black;
    }
    return *PixelAddress(surface_.get(), x, y) & 0xFFFFFF;
}

void Picture::SetPixel(int x, int y, Colour c)
{
    if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height())
    {
        return;
    }
    *PixelAddress(surface_.get(), x, y) = c & 0xFFFFFF;
    MarkDrawn(surface_.get(), Rect{x, y, 1, 1});
}

Picture Picture::Cut(const Rect& part) const
{
    Picture p(part.width, part.height);
    if (surface_ && !p.Empty())
    {
        SDL_Rect src{part.x, part.y, part.width, part.height};
        SDL_BlitSurface(surface_.get(), &src, p.surface_.get(), nullptr);
    }
    p.transparent = transparent;
    p.transparentColour = transparentColour;
    return p;
}

Colour Picture::KeyColour() const
{
    if (transparentColour)
    {
        return *transparentColour;
    }
    return Pixel(0, Height() - 1);
}

PictureList PictureList::FromSheet(Picture sheet, const std::vector<Rect>& parts)
{
    PictureList list;
    if (sheet.Empty())
    {
        return list;
    }
    const std::shared_ptr<SDL_Surface> pixels(sheet.surface_.release(), SdlDeleter{});
    auto view = [&](const Rect& part) {
        Picture frame;
        frame.surface_.reset(SDL_CreateRGBSurfaceWithFormatFrom(PixelAddress(pixels.get(), part.x, part.y), part.width,
                                                               part.height, 32, pixels->pitch, FramePixelFormat));
        if (!frame.surface_)
        {
            throw std::runtime_error(std::string("cannot cut a sheet: ") + SDL_GetError());
        }
        frame.sheet_ = pixels;
        frame.transparent = sheet.transparent;
        frame.transparentColour = sheet.transparentColour;
        return frame;
    };
    const Rect whole{0, 0, pixels->w, pixels->h};
    for (const Rect& part : parts)
    {
        list.Add(!part.Empty() && part.Intersect(whole) == part ? view(part) : view(whole).Cut(part));
    }
    return list;
}

const Picture& PictureList::operator[](int index) const
{
    return pictures_.at(static_cast<std::size_t>(index));
}

Picture& PictureList::operator[](int index)
{
    return pictures_.at(static_cast<std::size_t>(index));
}

} // namespace olvane::platform
