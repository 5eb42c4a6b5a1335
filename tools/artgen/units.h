#pragma once

#include "draw_util.h"

#include <filesystem>

namespace olvane::artgen
{

enum class Side
{
    Player,
    Computer,
};

/// The colours of a side's units.
struct SidePalette
{
    Colour hull, deck, superstructure, trim, turret, accent;
};

const SidePalette& PaletteOf(Side side);

enum class Kind
{
    Transport,
    Submarine,
    SmallCombatant,
    Destroyer,
    Cruiser,
    Battleship,
    Carrier,
    Auxiliary,
    Launch,
    Fighter,
    TwinFighter,
    TorpedoBomber,
    FlyingBoat,
    TwinBomber,
    HeavyBomber,
    Gun,
    Radar,
};

/// The shape of one class's picture.
struct Design
{
    Kind kind = Kind::Launch;
    double length = 20;  ///< along the heading, in pixels (two-cell ships: over both cells)
    double beam = 6;     ///< across (aircraft: wing span)
    int turretsFore = 0;
    int turretsAft = 0;
    int funnels = 0;
    double turretSize = 0; ///< turret diameter
    int variant = 0;       ///< kind-specific detail (guns: barrels; radar: station; carrier: island)
};

/// The design of a class number (2..109); the spare design for numbers without one.
Design DesignForClass(int shipClass);

bool IsTwoCell(const Design& design);

/// Draws a one-cell unit centred in a 42-pixel cell at the origin, heading `facing`.
void DrawUnit(cairo_t* cr, const Design& design, Side side, int facing);

/// Draws a two-cell ship heading `facing` on a 3 x 3 cell plan: the bow in the centre cell
/// (42..84), the stern one step behind it.
void DrawTwoCellShip(cairo_t* cr, const Design& design, Side side, int facing);

enum class SideStyle
{
    Silhouette, ///< one dark shape, for lists
    Painted,    ///< grey paint and a strip of sea
    Blueprint,  ///< light outlines only
};

/// A ship, aircraft or shore installation seen from the side, bow to the right.
void DrawSideView(cairo_t* cr, const Design& design, double width, double height, SideStyle style);

/// Writes every unit sheet of both sides, the large pictures, icons and class pictures.
void WriteUnitSheets(const std::filesystem::path& root);

} // namespace olvane::artgen
