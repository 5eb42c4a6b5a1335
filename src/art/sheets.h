#pragma once

// Every picture and sound of the game folder: which file, how big its frames are, and what each
// row and frame holds. The art generator draws exactly these files and the game cuts them with
// the same numbers, so the two can never disagree. Header only; no drawing library needed.
//
// ---------------------------------------------------------------------------------------------
// Conventions
// ---------------------------------------------------------------------------------------------
// - Names are given as the game asks for them, with forward slashes, relative to the game folder.
//   Lookups are case-insensitive, so "uvod1024.bmp" and "UVOD1024.BMP" are one file.
// - BMP files are 24-bit, uncompressed, bottom-up (what SDL_LoadBMP reads). JPEG files are
//   baseline 4:2:0. Sounds are RIFF WAVE, 16-bit signed PCM, mono, 22050 Hz.
// - A sheet is a grid of frames: frame k sits at column k % Columns, row k / Columns, its top
//   left pixel at (column * PitchX, row * PitchY). Unused slots of the last row are key colour.
// - Keyed sheets use KeyColour (pure magenta) for "nothing here": copy them with a colour key.
//   Opaque sheets never contain the key colour where it matters; tints are blended (TintAlpha).
// - Facing f of a frame is the heading of the game's step codes: 0 east, 1 south-east, 2 south,
//   3 south-west, 4 west, 5 north-west, 6 north, 7 north-east (rows grow downwards).
//
// ---------------------------------------------------------------------------------------------
// Units
// ---------------------------------------------------------------------------------------------
// The sprite list of a side holds SpriteRowCount rows of 8 frames of 42 x 42 (frame = row * 8 +
// facing). It is stored in three files per side, cut one after the other:
//   player:   BMP/MR_OBJ.BMP (rows 0..19), BMP/MR_OBJ2.BMP (rows 20..39), BMP/MR_OBJ3.BMP (40..54)
//   computer: BMP/MR_OBJpc.BMP, BMP/MR_OBJ2pc.BMP, BMP/MR_OBJ3pc.BMP, the same rows.
// Players' units are light steel-blue with navy trim; the computer's are rust red with dark trim.
// Row roles (the class table's Sprite values point here):
//    0/1 heavy and fleet carrier bow/stern     2/3 battleship bow/stern      4 destroyer
//    5/6 heavy cruiser bow/stern               7 fighter                     8 strategic bomber
//    9 naval aircraft                          10 corvette / frigate         11 submarine
//   12/13 battlecruiser bow/stern             14/15 cruiser bow/stern       16/17 light cruiser
//   18/19 carrier bow/stern                   20 bomber                     21/22 heavy AS cruiser
//   23/24 heavy battleship bow/stern          25 motor launch (spare row)   26/27 light carrier
//   28 light submarine                        29 transporter                30 patrol/torpedo boat
//   31/32 anti-sub carrier bow/stern          33 auxiliary                  34 fleet destroyer
//   35 long-range fighter                     36 long-range naval aircraft  37 fleet submarine
//   38/39 fleet battleship bow/stern          40 heavy bomber               41/42/43 port guns
//   44 radar station                          45/46 fleet cruiser           47/48 escort cruiser
//   49/50 anti-sub cruiser                    51/52 fast carrier            53/54 escort carrier
// Two-cell ships: row Sprite is the bow half (the unit's own cell, the cell it heads into) and row
// Sprite + 1 the stern half (the second cell, one step behind). For a diagonal facing each half
// holds the part of the hull inside its own cell; the corners the hull crosses are in the large
// pictures below.
// Port guns (rows 41..43, light/medium/heavy): frame = turret facing, the barrels point that way.
// Radar station (row 44): frames 0..4 the dish turning (0, 36, 72, 108, 144 degrees); frames 5, 6
// and 7 the three stations: short-range (class 107), anti-sub (108), long-range (109).
//
// Large pictures, BMP/MR_new.BMP (player) and BMP/MR_newPC.BMP (computer): frames of 84 x 84,
// 8 per row, one row per large picture number (BigSprite - 100), frame = row * 8 + facing. A
// frame shows the whole ship over the 2 x 2 block of cells whose top-left cell is (min(bow x,
// stern x), min(bow y, stern y)): for diagonal facings the hull runs corner to corner across the
// block, for facing 0/4 it lies in the block's top row, for 2/6 in its left column.
//
// Class pictures, side-neutral, indexed by the class's Icon (0..47):
//   BMP/MR_SIM.BMP  silhouettes, 60 x 20, keyed, 8 per row: black side views for lists.
//   BMP/VELIKA.BMP  painted side views, 120 x 40, keyed, 8 per row: purchase and loss panels.
//
// ---------------------------------------------------------------------------------------------
// Map cells
// ---------------------------------------------------------------------------------------------
// A cell is composed bottom to top:
//  1. Sea: BMP/0.BMP, 8 opaque frames; SeaVariant(x, y) when the sea option varies the sea,
//     else frame 5 (calm). BMP/0-blank.BMP is one plain frame for the space outside the map.
//  2. Land and coasts come from the land sheet of the chosen set, BMP/jungle<suffix>.BMP (suffix
//     "" default, "1" snow, "2" rocks, "3" tropical forest, "4" deciduous forest, "5" steppe,
//     "6" stones): 8 columns x 6 rows of 42 x 42. LandLayers() picks the frames of a cell:
//       row 0   inland ground, opaque; column LandVariant(x, y), or 0 when land does not vary;
//       row 1,2 coast shapes, opaque: frame LandShapeFrame(mask), mask bit 1 sea to the north,
//               2 east, 4 south, 8 west; the land is inset from the sea sides, edged with a sand
//               beach and a thin coastline, and the inset is the shallows colour;
//       row 3   columns 0..3 inner notches, keyed: the bit of shallows and beach drawn over a land
//               cell whose diagonal neighbour NW, NE, SE, SW is sea while both cells beside that
//               corner are land; columns 4..7 relief overlays, keyed;
//       row 4   shallows drawn over sea cells, keyed: columns 0..3 land to the N, E, S, W;
//               columns 4..7 land only at the NW, NE, SE, SW corner;
//       row 5   relief overlays, keyed (hill, hills, ridge, peak, grove, rocks, knoll, dunes ...):
//               LandReliefFrame(LandRelief(x, y)) on inland cells when land varies.
//  3. Sea cells: BMP/0.BMP under the shallows overlays of step 2.
//  4. The map picture's feature: BMP/MR_TEX.BMP, keyed, 52 columns x 18 rows of 42 x 42; row =
//     map picture - 1, column = TerrainColumn(code / 100). Columns 0..4 are the coast-line codes
//     (object codes 8..12, bases 370, 407, 444, 481, 518; lines drawn with object code 60 are
//     base 370), columns 5..51 the ground codes 13..59 (bases 555..601). The feature of each
//     column is TerrainFeatureNames[column]; rows only change the regional style (roofs, trees, snow).
//  5. Coast corners from the corner layer: BMP/MR_COSAK.BMP, keyed, 8 frames of 42 x 42: frames
//     0..3 corners 1..4 (towards NW, NE, SE, SW) that block a diagonal step, 4..7 the same
//     corners with the passable flag (a narrower cut).
//  6. Ports (bases 37..40): BMP/MR_POZ.BMP, opaque, 4 frames of 42 x 42: player major port,
//     enemy major port, player port, enemy port (frame = base - 37). They replace steps 1..5.
//  7. Markings on the sea: BMP/MR_ZEM.BMP, keyed, 8 per row: frames 0..19 zone markers 1..20
//     (bases 1..20, a small numbered chart buoy), frames 20..22 sector lines (bases 41..43).
//  8. Last-seen markers (bases 44..77): BMP/MR_OZN2.BMP, keyed, 8 per row, frame = base - 44:
//     a stippled ghost of the class seen there with its abbreviation and a question mark.
//     Marker number m is base m + 36; LastSeenGenericMarker (41, base 77) is the marker for
//     classes the marker table does not list (the generic frame: a dotted ring and "?").
//  9. Coverage tints and the reach highlight: BMP/MR_SARA.BMP, opaque colour fields of 42 x 42,
//     blended over the composed ground at TintAlpha[frame]: frames 0..3 coverage states 1..4,
//     frame 4 the reach highlight (highlight digit 1).
// 10. Units (above), then their marks from BMP/MR_OZN.BMP (player) or BMP/MR_OZNpc.BMP
//     (computer), keyed, 8 per row of 42 x 42: frames 0..7 the facing mark for facing 0..7 (a
//     small wedge at the cell's edge), frames 8..23 the armour bar for armour 0..15 (higher
//     values use frame 23).
// 11. Explosions: BMP/MR_BUM.BMP, keyed, 9 frames of 42 x 42 in one row: 0..4 a hit, 4..8 a kill.
// The strategic view shrinks composed cells to 30 x 30; every tile is drawn to read at that size.
// The place and sea names lettered over the map are in art/lettering.h; sounds in art/sounds.h.
//
// ---------------------------------------------------------------------------------------------
// Screens' small pictures
// ---------------------------------------------------------------------------------------------
//   BMP/ZASTAVE.BMP    8 flags of 60 x 40 in one row, index nation - 1 (1 United States,
//                      2 Germany: the plain black-white cross, 3 Great Britain, 4 Japan,
//                      5 Canada, 6 Australia, 7 New Zealand, 8 Italy).
//   BMP/MR_MZAS.BMP    the same 8 flags at 21 x 14.
//   BMP/MR_MED.BMP     6 medals of 70 x 100, two rows of three, pitch 71 x 101: index 0 major
//                      victory, 1 victory, 2 minor victory; + 3 for the second set (nations 2, 4, 8).
//   BMP/MR_MED2.BMP    the same 6 medals at 22 x 31, pitch 23 x 32, same indexes.
//   BMP/MR_STETA.BMP   attack marks, 4 frames of 16 x 16: torpedo, artillery, air attack, port
//                      artillery.
//   BMP/ssMR_TECH.BMP  technology marks, 16 x 16, 4 columns (armour, fire, speed, radar) x
//                      3 rows (mark 1..3).
//   BMP/LABELS.BMP     the eight level label pictures of 51 x 15 in one row: label picture d of
//                      the difficulty screen is frame d (LevelLabelText; 1 PLAYER, 2 ENEMY).
//   BMP/BRUSH2.BMP     a 64 x 64 tileable steel texture for panels and frames.
//   BMP/MENI/maska.BMP, maska2.BMP   the information-box masks, 205 x 285 and 205 x 156.
//   BMP/MENI/LOGO.BMP  the game's title lettering, keyed.   BMP/MENI2/ZNAK.BMP the emblem, keyed.
//   BMP/MENI/backmain1024.BMP (264 x 768), BMP/MENI/flip2.bmp (356 x 768): the command panel
//   grounds; BMP/MENI/label1024.BMP (262 x 171) the panel's lower plate.
// Backgrounds and posters are listed in Pictures below with their sizes.

#include <array>
#include <cstdint>
#include <string_view>

namespace olvane::art
{

constexpr int CellSize = 42;
constexpr int StrategicCellSize = 30;

struct Rgb
{
    std::uint8_t r, g, b;
};

/// The "nothing here" colour of keyed sheets.
constexpr Rgb KeyColour{255, 0, 255};

enum class Format
{
    Bmp,
    Jpeg,
};

/// A sheet of equal frames.
struct Sheet
{
    std::string_view file;
    int frameWidth;
    int frameHeight;
    int columns;
    int frames;
    int pitchX; ///< distance between frame origins across; frameWidth unless the sheet has gaps
    int pitchY;
    bool keyed;

    constexpr int Rows() const { return (frames + columns - 1) / columns; }

    constexpr int Width() const { return columns * pitchX; }

    constexpr int Height() const { return Rows() * pitchY; }

    constexpr int FrameX(int frame) const { return frame % columns * pitchX; }

    constexpr int FrameY(int frame) const { return frame / columns * pitchY; }
};

constexpr Sheet MakeSheet(std::string_view file, int w, int h, int columns, int frames, bool keyed)
{
    return Sheet{file, w, h, columns, frames, w, h, keyed};
}

// ---- Units -----------------------------------------------------------------------------------

constexpr int FacingCount = 8;
constexpr int SpriteRowCount = 55;
constexpr int SpriteRowsPerFile = 20;
constexpr int BigPictureCount = 18;
constexpr int BigFrameSize = 2 * CellSize;
constexpr int IconCount = 48;

constexpr int RadarSpriteRow = 44;
constexpr int FirstGunSpriteRow = 41;
constexpr int SpareSpriteRow = 25;

constexpr std::array<Sheet, 3> PlayerSpriteSheets{
    MakeSheet("BMP/MR_OBJ.BMP", CellSize, CellSize, 8, 20 * 8, true),
    MakeSheet("BMP/MR_OBJ2.BMP", CellSize, CellSize, 8, 20 * 8, true),
    MakeSheet("BMP/MR_OBJ3.BMP", CellSize, CellSize, 8, 15 * 8, true),
};
constexpr std::array<Sheet, 3> ComputerSpriteSheets{
    MakeSheet("BMP/MR_OBJpc.BMP", CellSize, CellSize, 8, 20 * 8, true),
    MakeSheet("BMP/MR_OBJ2pc.BMP", CellSize, CellSize, 8, 20 * 8, true),
    MakeSheet("BMP/MR_OBJ3pc.BMP", CellSize, CellSize, 8, 15 * 8, true),
};
constexpr Sheet PlayerBigSheet = MakeSheet("BMP/MR_new.BMP", BigFrameSize, BigFrameSize, 8, 18 * 8, true);
constexpr Sheet ComputerBigSheet = MakeSheet("BMP/MR_newPC.BMP", BigFrameSize, BigFrameSize, 8, 18 * 8, true);
constexpr Sheet IconSheet = MakeSheet("BMP/MR_SIM.BMP", 60, 20, 8, IconCount, true);
constexpr Sheet ClassPictureSheet = MakeSheet("BMP/VELIKA.BMP", 120, 40, 8, IconCount, true);

/// Where sprite frame `frame` (row * 8 + facing) of a side's list lies: which of the three
/// files, and the frame within it.
struct SpriteLocation
{
    int file;
    int frame;
};

constexpr SpriteLocation LocateSprite(int frame)
{
    const int perFile = SpriteRowsPerFile * FacingCount;
    return SpriteLocation{frame / perFile, frame % perFile};
}

// ---- Map -------------------------------------------------------------------------------------

constexpr int SeaVariantCount = 8;
constexpr int CalmSeaVariant = 5;
constexpr Sheet SeaSheet = MakeSheet("BMP/0.BMP", CellSize, CellSize, 8, SeaVariantCount, false);
constexpr Sheet BlankSeaSheet = MakeSheet("BMP/0-blank.BMP", CellSize, CellSize, 1, 1, false);

constexpr int LandSetCount = 7;
/// The seven land picture sets: default, snow, rocks, tropical forest, deciduous forest,
/// steppe, stones.
constexpr std::array<Sheet, LandSetCount> LandSheets{
    MakeSheet("BMP/jungle.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle1.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle2.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle3.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle4.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle5.BMP", CellSize, CellSize, 8, 48, true),
    MakeSheet("BMP/jungle6.BMP", CellSize, CellSize, 8, 48, true),
};
constexpr std::array<std::string_view, LandSetCount> LandSetNames{
    "default", "snow", "rocks", "tropical forest", "deciduous forest", "steppe", "stones"};

constexpr int SeaNorth = 1;
constexpr int SeaEast = 2;
constexpr int SeaSouth = 4;
constexpr int SeaWest = 8;

constexpr int LandInlandRow = 0;
constexpr int LandNotchFrame = 3 * 8;      ///< + corner 0..3 (NW, NE, SE, SW)
constexpr int LandShallowsFrame = 4 * 8;   ///< + side 0..3 (N, E, S, W)
constexpr int LandShallowsCornerFrame = 4 * 8 + 4; ///< + corner 0..3 (NW, NE, SE, SW)
constexpr int LandReliefCount = 12;

/// The frame of a coast shape; mask 0 (no sea beside) is the plain inland tile.
constexpr int LandShapeFrame(int seaSides)
{
    return 8 + (seaSides & 15);
}

/// Relief overlay k (0..11): row 3 columns 4..7, then row 5.
constexpr int LandReliefFrame(int k)
{
    return k < 4 ? 3 * 8 + 4 + k : 5 * 8 + (k - 4);
}

/// Position hashes, so the map does not repeat in an obvious pattern yet never flickers.
constexpr int CellHash(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h & 0x7fffffffu);
}

constexpr int SeaVariant(int x, int y)
{
    return CellHash(x, y) % SeaVariantCount;
}

constexpr int LandVariant(int x, int y)
{
    return CellHash(y + 101, x + 7) % 8;
}

/// The relief overlay of an inland cell, or -1 for none (about one cell in five).
constexpr int LandRelief(int x, int y)
{
    const int h = CellHash(x + 31, y + 57);
    return h % 5 == 0 ? (h / 5) % LandReliefCount : -1;
}

// Neighbour bits for LandLayers, clockwise from north. A neighbour off the map counts as the same
// kind as the cell itself, so no beach runs along the map's edge. Ports, markers and sector lines
// are sea.
constexpr int LandN = 1;
constexpr int LandNE = 2;
constexpr int LandE = 4;
constexpr int LandSE = 8;
constexpr int LandS = 16;
constexpr int LandSW = 32;
constexpr int LandW = 64;
constexpr int LandNW = 128;

/// The frames of the land sheet that compose a cell, bottom to top: `ground` (land cells only;
/// -1 for sea, which takes its tile from the sea sheet), then the `overlays` in order.
struct CellLayers
{
    int ground = -1;
    std::array<int, 8> overlays{};
    int overlayCount = 0;

    constexpr void Add(int frame) { overlays[static_cast<std::size_t>(overlayCount++)] = frame; }
};

/// How a cell at (x, y) is drawn from the land sheet, given whether it is land, which of its
/// eight neighbours are land (LandN ... LandNW) and whether land varies with position.
constexpr CellLayers LandLayers(bool land, int landAround, int x, int y, bool vary)
{
    CellLayers layers;
    auto has = [&](int bit) { return (landAround & bit) != 0; };
    // Corners NW, NE, SE, SW with the two sides beside each.
    constexpr std::array<int, 4> diagonal{LandNW, LandNE, LandSE, LandSW};
    constexpr std::array<int, 4> sideA{LandN, LandN, LandS, LandS};
    constexpr std::array<int, 4> sideB{LandW, LandE, LandE, LandW};
    if (land)
    {
        const int sea = (has(LandN) ? 0 : SeaNorth) | (has(LandE) ? 0 : SeaEast) | (has(LandS) ? 0 : SeaSouth) |
                        (has(LandW) ? 0 : SeaWest);
        layers.ground = sea == 0 ? (vary ? LandVariant(x, y) : 0) : LandShapeFrame(sea);
        for (std::size_t c = 0; c < 4; ++c)
        {
            if (has(sideA[c]) && has(sideB[c]) && !has(diagonal[c]))
            {
                layers.Add(LandNotchFrame + static_cast<int>(c));
            }
        }
        if (sea == 0 && layers.overlayCount == 0 && vary && LandRelief(x, y) >= 0)
        {
            layers.Add(LandReliefFrame(LandRelief(x, y)));
        }
        return layers;
    }
    constexpr std::array<int, 4> sides{LandN, LandE, LandS, LandW};
    for (std::size_t s = 0; s < 4; ++s)
    {
        if (has(sides[s]))
        {
            layers.Add(LandShallowsFrame + static_cast<int>(s));
        }
    }
    for (std::size_t c = 0; c < 4; ++c)
    {
        if (has(diagonal[c]) && !has(sideA[c]) && !has(sideB[c]))
        {
            layers.Add(LandShallowsCornerFrame + static_cast<int>(c));
        }
    }
    return layers;
}

constexpr int MapPictureCount = 18;
constexpr int TerrainColumnCount = 52;
constexpr Sheet TerrainSheet =
    MakeSheet("BMP/MR_TEX.BMP", CellSize, CellSize, TerrainColumnCount, MapPictureCount * TerrainColumnCount, true);

/// Column of MR_TEX.BMP for a land base code (code div 100); -1 for codes no map file writes.
constexpr int TerrainColumn(int base)
{
    switch (base)
    {
        case 370:
            return 0;
        case 407:
            return 1;
        case 444:
            return 2;
        case 481:
            return 3;
        case 518:
            return 4;
        default:
            break;
    }
    if (base >= 555 && base <= 601)
    {
        return 5 + base - 555;
    }
    return -1;
}

/// What each MR_TEX column shows, for map authors: object code 8 + column draws it.
constexpr std::array<std::string_view, TerrainColumnCount> TerrainFeatureNames{
    "shore",        "cliffs",       "dunes",        "marsh shore",  "rocky shore",  // 8..12
    "plain",        "hills",        "mountains",    "forest",       "woods",        // 13..17
    "village",      "town",         "city",         "airfield",     "fort",         // 18..22
    "lighthouse",   "farmland",     "road",         "river",        "lake",         // 23..27
    "volcano",      "snowfield",    "palms",        "jungle",       "docks",        // 28..32
    "oil tanks",    "factory",      "ruins",        "bridge",       "railway",      // 33..37
    "swamp",        "scrub",        "vineyard",     "orchard",      "quarry",       // 38..42
    "radio mast",   "barracks",     "church",       "castle",       "windmill",     // 43..47
    "crater",       "reef",         "sandbank",     "glacier",      "pass",         // 48..52
    "plateau",      "canyon",       "coast battery", "hangars",     "mine",         // 53..57
    "temple",       "observatory",                                                  // 58..59
};

constexpr Sheet CoastCornerSheet = MakeSheet("BMP/MR_COSAK.BMP", CellSize, CellSize, 8, 8, true);
constexpr Sheet PortSheet = MakeSheet("BMP/MR_POZ.BMP", CellSize, CellSize, 4, 4, false);
constexpr Sheet SeaMarkSheet = MakeSheet("BMP/MR_ZEM.BMP", CellSize, CellSize, 8, 23, true);
constexpr int ZoneMarkerFrame(int base)
{
    return base - 1;
}

constexpr int SectorLineFrame(int base)
{
    return 20 + base - 41;
}

constexpr int FirstLastSeenBase = 44;
constexpr int LastSeenGenericMarker = 41;
constexpr int LastLastSeenBase = LastSeenGenericMarker + 36;
constexpr Sheet LastSeenSheet =
    MakeSheet("BMP/MR_OZN2.BMP", CellSize, CellSize, 8, LastLastSeenBase - FirstLastSeenBase + 1, true);

/// The class a last-seen marker stands for (the class table of the detection rules, plus the
/// generic marker); the generator draws that class's outline.
struct MarkerClass
{
    int marker;
    int shipClass; ///< 0 for the generic marker
};

constexpr std::array<MarkerClass, 34> MarkerClasses{{
    {8, 1},   {9, 3},   {10, 6},  {11, 10}, {12, 13}, {13, 16}, {14, 20}, {15, 30}, {16, 40},
    {17, 43}, {18, 46}, {19, 50}, {20, 53}, {21, 56}, {22, 60}, {23, 63}, {24, 66}, {25, 70},
    {26, 73}, {27, 76}, {28, 71}, {29, 72}, {30, 78}, {31, 51}, {32, 52}, {33, 23}, {34, 26},
    {35, 18}, {36, 68}, {37, 58}, {38, 54}, {39, 48}, {40, 74}, {LastSeenGenericMarker, 0},
}};

constexpr int TintFrames = 5;
constexpr int ReachTintFrame = 4;
constexpr Sheet TintSheet = MakeSheet("BMP/MR_SARA.BMP", CellSize, CellSize, TintFrames, TintFrames, false);
/// Blend strength (of 255) of each tint frame over the composed cell.
constexpr std::array<int, TintFrames> TintAlpha{110, 120, 110, 130, 110};

constexpr int FacingMarkFrame = 0;
constexpr int ArmourBarFrame = 8;
constexpr int ArmourBarMax = 15;
constexpr Sheet PlayerMarkSheet = MakeSheet("BMP/MR_OZN.BMP", CellSize, CellSize, 8, 24, true);
constexpr Sheet ComputerMarkSheet = MakeSheet("BMP/MR_OZNpc.BMP", CellSize, CellSize, 8, 24, true);

constexpr int ExplosionFrames = 9;
constexpr Sheet ExplosionSheet = MakeSheet("BMP/MR_BUM.BMP", CellSize, CellSize, 9, ExplosionFrames, true);

// ---- Screens' small pictures -------------------------------------------------------------------

constexpr int NationCount = 8;
constexpr Sheet FlagSheet = MakeSheet("BMP/ZASTAVE.BMP", 60, 40, 8, NationCount, false);
constexpr Sheet SmallFlagSheet = MakeSheet("BMP/MR_MZAS.BMP", 21, 14, 8, NationCount, false);
constexpr Sheet MedalSheet = Sheet{"BMP/MR_MED.BMP", 70, 100, 3, 6, 71, 101, true};
constexpr Sheet SmallMedalSheet = Sheet{"BMP/MR_MED2.BMP", 22, 31, 3, 6, 23, 32, true};
constexpr Sheet AttackMarkSheet = MakeSheet("BMP/MR_STETA.BMP", 16, 16, 4, 4, true);
constexpr Sheet TechMarkSheet = MakeSheet("BMP/ssMR_TECH.BMP", 16, 16, 4, 12, true);
constexpr Sheet LevelLabelSheet = MakeSheet("BMP/LABELS.BMP", 51, 15, 8, 8, false);
constexpr std::array<std::string_view, 8> LevelLabelText{"FLEET",  "PLAYER", "ENEMY", "CONVOY",
                                                         "ESCORT", "AIR",    "SUBS",  "PORTS"};

/// Every sheet of frames, for loaders that validate a folder and for the generator's checks.
constexpr std::array<const Sheet*, 35> AllSheets{
    &PlayerSpriteSheets[0], &PlayerSpriteSheets[1], &PlayerSpriteSheets[2],
    &ComputerSpriteSheets[0], &ComputerSpriteSheets[1], &ComputerSpriteSheets[2],
    &PlayerBigSheet, &ComputerBigSheet, &IconSheet, &ClassPictureSheet,
    &SeaSheet, &BlankSeaSheet,
    &LandSheets[0], &LandSheets[1], &LandSheets[2], &LandSheets[3], &LandSheets[4], &LandSheets[5], &LandSheets[6],
    &TerrainSheet, &CoastCornerSheet, &PortSheet, &SeaMarkSheet, &LastSeenSheet, &TintSheet,
    &PlayerMarkSheet, &ComputerMarkSheet, &ExplosionSheet,
    &FlagSheet, &SmallFlagSheet, &MedalSheet, &SmallMedalSheet, &AttackMarkSheet, &TechMarkSheet,
    &LevelLabelSheet,
};

// ---- Whole pictures ----------------------------------------------------------------------------

/// What a whole picture shows, so the generator knows which poster to paint.
enum class Scene
{
    Texture,       ///< BRUSH2: steel texture
    Mask,          ///< information-box masks
    Logo,          ///< title lettering
    Emblem,        ///< the game's emblem
    Panel,         ///< command panel grounds
    Menu,          ///< main menu: fleet at dusk
    Opening,       ///< opening screen: searchlights and sea
    Curtain,       ///< curtain: dark sea and horizon
    Headquarters,  ///< headquarters: chart table
    Difficulty,    ///< difficulty screen
    Selection,     ///< selection screen: convoy
    Campaign,      ///< campaign selection: battle line
    Nation,        ///< a nation's picture (nation field)
    Victory,       ///< victory poster (nation field, 0 for the shared one)
    Defeat,        ///< defeat: sinking ship
    Finish,        ///< purchase window ground
    Technology,    ///< technology center ground
    MessageAir,    ///< message window, aircraft
    MessagePort,   ///< message window, port under attack
    MessageHarbour,///< message window, own harbour
    Message,       ///< message window, plain
    RankPanel,     ///< difficulty panels KIM/SPR/NIM (nation field = rank 1, 2, 3): calm sea
                   ///< under the panel's sprites, the rank's sleeve rings in a corner
    Mission,       ///< mission picture (nation field = picture number)
};

struct Picture
{
    std::string_view file;
    int width;
    int height;
    Format format;
    Scene scene;
    int nation; ///< nation 1..8 for nation pictures, variant number for others, else 0
};

/// Mission pictures BMP/1/<code>.JPG: the step-to-picture table of the data pack names these.
/// Their subjects: M01 U-boats, M02 Pacific fleet, M03 carriers, M04 Atlantic, M05 air war,
/// M06 Mediterranean, M07 Pacific submarines, M08 the Channel, M09 Norway, M10 convoys,
/// M11 Japan, M12 the Indies.
constexpr int MissionPictureCount = 12;
constexpr std::array<std::string_view, MissionPictureCount> MissionPictureCodes{
    "M01", "M02", "M03", "M04", "M05", "M06", "M07", "M08", "M09", "M10", "M11", "M12"};
constexpr int MissionPictureWidth = 800;
constexpr int MissionPictureHeight = 595;

constexpr std::array<Picture, 52> Pictures{{
    {"BMP/BRUSH2.BMP", 64, 64, Format::Bmp, Scene::Texture, 0},
    {"BMP/MENI/maska.BMP", 205, 285, Format::Bmp, Scene::Mask, 1},
    {"BMP/MENI/maska2.BMP", 205, 156, Format::Bmp, Scene::Mask, 2},
    {"BMP/MENI/LOGO.BMP", 240, 64, Format::Bmp, Scene::Logo, 0},
    {"BMP/MENI2/ZNAK.BMP", 180, 130, Format::Bmp, Scene::Emblem, 0},
    {"BMP/MENI/backmain1024.BMP", 264, 768, Format::Bmp, Scene::Panel, 1},
    {"BMP/MENI/flip2.bmp", 356, 768, Format::Bmp, Scene::Panel, 2},
    {"BMP/MENI/label1024.BMP", 262, 171, Format::Bmp, Scene::Panel, 3},
    {"BMP/MENI/ram1366.jpg", 1366, 768, Format::Jpeg, Scene::Curtain, 0},
    {"BMP/MENI/ram1024.jpg", 1024, 768, Format::Jpeg, Scene::Curtain, 0},
    {"BMP/MENI/victory.jpg", 800, 600, Format::Jpeg, Scene::Victory, 0},
    {"BMP/MENI/AVIO.JPG", 520, 340, Format::Jpeg, Scene::MessageAir, 0},
    {"BMP/MENI/LUKAPC.JPG", 520, 340, Format::Jpeg, Scene::MessagePort, 0},
    {"BMP/MENI/LUKA.JPG", 520, 340, Format::Jpeg, Scene::MessageHarbour, 0},
    {"BMP/MENI/PORUKA.JPG", 520, 340, Format::Jpeg, Scene::Message, 0},
    {"BMP/MENI2/uvod1366.bmp", 1366, 768, Format::Bmp, Scene::Menu, 0},
    {"BMP/MENI2/uvod1024.bmp", 1024, 768, Format::Bmp, Scene::Menu, 0},
    {"BMP/MENI2/sareni1366.JPG", 1366, 768, Format::Jpeg, Scene::Opening, 0},
    {"BMP/MENI2/sareni1024.JPG", 1024, 768, Format::Jpeg, Scene::Opening, 0},
    {"BMP/MENI2/HQ.BMP", 800, 600, Format::Bmp, Scene::Headquarters, 0},
    {"BMP/MENI2/LEVEL.JPG", 800, 600, Format::Jpeg, Scene::Difficulty, 0},
    {"BMP/MENI2/tirp.jpg", 800, 600, Format::Jpeg, Scene::Selection, 0},
    {"BMP/MENI2/GOTOVnos.jpg", 800, 600, Format::Jpeg, Scene::Campaign, 0},
    {"BMP/MENI2/KRATKITIRP.jpg", 800, 600, Format::Jpeg, Scene::Finish, 0},
    {"BMP/MENI2/ssTECH.JPG", 800, 600, Format::Jpeg, Scene::Technology, 0},
    {"BMP/MENI2/GOTOVUSA.JPG", 800, 600, Format::Jpeg, Scene::Nation, 1},
    {"BMP/MENI2/GOTOVGER.JPG", 800, 600, Format::Jpeg, Scene::Nation, 2},
    {"BMP/MENI2/GOTOVENG.JPG", 800, 600, Format::Jpeg, Scene::Nation, 3},
    {"BMP/MENI2/GOTOVJAPAN.JPG", 800, 600, Format::Jpeg, Scene::Nation, 4},
    {"BMP/MENI2/GOTOVCAN.JPG", 800, 600, Format::Jpeg, Scene::Nation, 5},
    {"BMP/MENI2/GOTOVaus.JPG", 800, 600, Format::Jpeg, Scene::Nation, 6},
    {"BMP/MENI2/GOTOVitaly.JPG", 800, 600, Format::Jpeg, Scene::Nation, 8},
    {"BMP/MENI2/POBusa.jpg", 800, 600, Format::Jpeg, Scene::Victory, 1},
    {"BMP/MENI2/POBnem.jpg", 800, 600, Format::Jpeg, Scene::Victory, 2},
    {"BMP/MENI2/POBeng.jpg", 800, 600, Format::Jpeg, Scene::Victory, 3},
    {"BMP/MENI2/POBjap.jpg", 800, 600, Format::Jpeg, Scene::Victory, 4},
    {"BMP/MENI2/PORAZ.JPG", 800, 600, Format::Jpeg, Scene::Defeat, 0},
    {"BMP/1/KIM.JPG", 240, 160, Format::Jpeg, Scene::RankPanel, 1},
    {"BMP/1/SPR.JPG", 240, 160, Format::Jpeg, Scene::RankPanel, 2},
    {"BMP/1/NIM.JPG", 240, 160, Format::Jpeg, Scene::RankPanel, 3},
    {"BMP/1/M01.JPG", 800, 595, Format::Jpeg, Scene::Mission, 1},
    {"BMP/1/M02.JPG", 800, 595, Format::Jpeg, Scene::Mission, 2},
    {"BMP/1/M03.JPG", 800, 595, Format::Jpeg, Scene::Mission, 3},
    {"BMP/1/M04.JPG", 800, 595, Format::Jpeg, Scene::Mission, 4},
    {"BMP/1/M05.JPG", 800, 595, Format::Jpeg, Scene::Mission, 5},
    {"BMP/1/M06.JPG", 800, 595, Format::Jpeg, Scene::Mission, 6},
    {"BMP/1/M07.JPG", 800, 595, Format::Jpeg, Scene::Mission, 7},
    {"BMP/1/M08.JPG", 800, 595, Format::Jpeg, Scene::Mission, 8},
    {"BMP/1/M09.JPG", 800, 595, Format::Jpeg, Scene::Mission, 9},
    {"BMP/1/M10.JPG", 800, 595, Format::Jpeg, Scene::Mission, 10},
    {"BMP/1/M11.JPG", 800, 595, Format::Jpeg, Scene::Mission, 11},
    {"BMP/1/M12.JPG", 800, 595, Format::Jpeg, Scene::Mission, 12},
}};

} // namespace olvane::art
