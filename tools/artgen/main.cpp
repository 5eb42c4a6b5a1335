// olvane-artgen: draws every picture and synthesises every sound of the game folder.
//   olvane-artgen --out DIR                 writes BMP/... and EFF/... under DIR
//   olvane-artgen --out DIR --sheet F.png   also lays every sprite, tile, marker and icon on one PNG
//   --only TEXT, --zoom N                   (with --sheet) only the sheets whose name contains TEXT,
//                                           enlarged N times
//   --preview DIR                           also writes every poster as PNG into DIR, for review
//   --sheet-only                            do not generate; make the contact sheet of DIR as it is

#include "contact_sheet.h"
#include "generate.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    std::string out;
    std::string sheet;
    std::string only;
    std::string zoom = "1";
    std::string preview;
    bool generate = true;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if ((arg == "--out" || arg == "--sheet" || arg == "--only" || arg == "--zoom" || arg == "--preview") && i + 1 < argc)
        {
            (arg == "--out" ? out : arg == "--sheet" ? sheet : arg == "--only" ? only : arg == "--zoom" ? zoom : preview) =
                argv[++i];
        }
        else if (arg == "--sheet-only")
        {
            generate = false;
        }
        else
        {
            std::fprintf(stderr, "usage: olvane-artgen --out DIR [--sheet FILE.png [--only TEXT]] [--sheet-only]\n");
            return 2;
        }
    }
    if (out.empty())
    {
        std::fprintf(stderr, "olvane-artgen: --out DIR is required\n");
        return 2;
    }
    try
    {
        if (generate)
        {
            olvane::artgen::GenerateAll(out, preview);
        }
        if (!sheet.empty())
        {
            olvane::artgen::WriteContactSheet(out, sheet, only, std::atoi(zoom.c_str()));
        }
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "olvane-artgen: %s\n", e.what());
        return 1;
    }
    // Hand back the font caches the lettering filled, so a leak check sees only our own memory.
    cairo_debug_reset_static_data();
    FcFini();
    return 0;
}
