#pragma once

#include "platform/geometry.h"
#include "platform/sdl_handles.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace olvane::platform
{

/// A 32-bit off-screen picture (the game's bitmaps). It may be empty until loaded or sized.
/// A transparent picture is drawn without the pixels of its key colour; the key is the
/// bottom-left pixel unless one is set.
class Picture
{
public:
    Picture() = default;
    Picture(int width, int height, Colour fill = colours::Black);
    Picture(const Picture& other);
    Picture& operator=(const Picture& other);
    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&& other) noexcept;

    /// Loads a BMP or JPEG file, choosing by the file's first bytes. On failure the picture is
    /// left as it was and the reason is returned.
    std::optional<std::string> Load(const std::filesystem::path& path);

    /// Loads only the rows top .. top + height - 1 of a picture file: of an uncompressed BMP only
    /// those rows are decoded, so one row of frames costs no more than its own pixels.
    std::optional<std::string> LoadRows(const std::filesystem::path& path, int top, int height);

    /// Writes the picture as a PNG file; the reason on failure.
    std::optional<std::string> SavePng(const std::filesystem::path& path) const;

    void SetSize(int width, int height, Colour fill = colours::Black);

    int Width() const { return surface_ ? surface_->w : 0; }

    int Height() const { return surface_ ? surface_->h : 0; }

    Rect Bounds() const { return Rect{0, 0, Width(), Height()}; }

    bool Empty() const { return !surface_; }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    /// A copy of one part of the picture; parts outside are black.
    Picture Cut(const Rect& part) const;

    bool transparent = false;
    std::optional<Colour> transparentColour;

    /// The key colour used when drawn transparent.
    Colour KeyColour() const;

    SDL_Surface* Surface() const { return surface_.get(); }

    /// Takes over a surface of any format, converting it to ours.
    static std::optional<Picture> FromSurface(SDL_Surface* surface);

private:
    friend class PictureList;

    SurfacePtr surface_;
    /// For a frame of a sheet: the sheet's surface, whose pixels this picture shows.
    std::shared_ptr<SDL_Surface> sheet_;
};

/// Counts every change drawn into any picture, so the event loop knows when a new frame is
/// worth composing.
std::uint64_t DrawingGeneration();

/// Anything on the screen may have changed: the next frame is composed whole.
void MarkDrawn();

/// Only this part of one picture was drawn: a frame need compose again only where it shows.
void MarkDrawn(const SDL_Surface* surface, const Rect& area);

struct DrawnPart
{
    const SDL_Surface* surface;
    Rect area;
};

/// The parts drawn since the last call, or nothing when anything may have changed; either way
/// the record starts empty again.
std::optional<std::vector<DrawnPart>> TakeDrawnParts();

/// A list of equally sized pictures, such as the frames of a sprite sheet.
class PictureList
{
public:
    /// Cuts a sheet into the given parts without copying pixels: each frame shows its part of the
    /// sheet, whose pixels live as long as any frame. A part reaching outside the sheet is copied
    /// as Picture::Cut copies it. Frames keep the sheet's transparency.
    static PictureList FromSheet(Picture sheet, const std::vector<Rect>& parts);

    void Add(Picture picture) { pictures_.push_back(std::move(picture)); }

    int Count() const { return static_cast<int>(pictures_.size()); }

    /// Frame index, counted from 0; a programming error when out of range.
    const Picture& operator[](int index) const;
    Picture& operator[](int index);

    void Clear() { pictures_.clear(); }

private:
    std::vector<Picture> pictures_;
};

} // namespace olvane::platform
