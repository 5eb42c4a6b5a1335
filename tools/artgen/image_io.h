#pragma once

#include "art/sheets.h"

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace olvane::artgen
{

/// An ARGB drawing surface with its cairo context; both freed together.
class Canvas
{
public:
    Canvas(int width, int height);

    cairo_t* Cr() const { return cr_.get(); }

    cairo_surface_t* Surface() const { return surface_.get(); }

    int Width() const { return width_; }

    int Height() const { return height_; }

private:
    struct SurfaceDeleter
    {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };

    struct ContextDeleter
    {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };

    int width_;
    int height_;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
    std::unique_ptr<cairo_t, ContextDeleter> cr_;
};

/// Writes a 24-bit bottom-up BMP. Keyed pictures turn every mostly transparent pixel into the
/// key colour; opaque ones are flattened onto black.
void WriteBmp(const std::filesystem::path& path, const Canvas& canvas, bool keyed);

void WriteJpeg(const std::filesystem::path& path, const Canvas& canvas, int quality);

void WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate);

/// Draws every frame of a sheet with `draw(cr, frame)`, each clipped to its own frame and with the
/// origin at the frame's top left, and writes the sheet under `root`.
using FrameDrawer = std::function<void(cairo_t*, int)>;
void DrawSheet(const std::filesystem::path& root, const art::Sheet& sheet, const FrameDrawer& draw);

/// The same, into a canvas the caller keeps (the contact sheet reuses it).
void DrawFrames(const Canvas& canvas, const art::Sheet& sheet, const FrameDrawer& draw);

/// Creates the folders of `file` under `root` and returns the full path.
std::filesystem::path OutputPath(const std::filesystem::path& root, std::string_view file);

} // namespace olvane::artgen
