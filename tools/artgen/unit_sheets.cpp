#include "art/sheets.h"
#include "image_io.h"
#include "state/class_table.h"
#include "units.h"

#include <algorithm>
#include <array>

namespace olvane::artgen
{

namespace
{

constexpr std::array<int, 8> Dx{1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int, 8> Dy{0, 1, 1, 1, 0, -1, -1, -1};

Design Ship(Kind kind, double length, double beam, int fore, int aft, int funnels, double turret, int variant = 0)
{
    return Design{kind, length, beam, fore, aft, funnels, turret, variant};
}

Design Plane(Kind kind, double length, double span)
{
    return Design{kind, length, span, 0, 0, 0, 0, 0};
}

} // namespace

Design DesignForClass(int c)
{
    switch (c)
    {
        case 2: return Ship(Kind::Transport, 30, 10, 0, 0, 1, 0);
        case 3: return Ship(Kind::Transport, 35, 11, 0, 0, 1, 0);
        case 6: return Ship(Kind::Transport, 38, 12.5, 0, 0, 1, 0);
        case 10: return Ship(Kind::Submarine, 30, 5.5, 0, 0, 0, 0);
        case 13: return Ship(Kind::Submarine, 35, 6, 0, 0, 0, 0);
        case 16: return Ship(Kind::Submarine, 37, 6.8, 0, 0, 0, 0, 1);
        case 18: return Ship(Kind::Submarine, 39, 6.5, 0, 0, 0, 0, 1);
        case 20: return Ship(Kind::SmallCombatant, 29, 8, 1, 0, 1, 4.5);
        case 23: return Ship(Kind::SmallCombatant, 23, 6.5, 1, 0, 0, 3.5);
        case 26: return Ship(Kind::SmallCombatant, 26, 6.5, 1, 0, 0, 3.5, 1);
        case 30: return Ship(Kind::SmallCombatant, 32, 8, 1, 1, 1, 4.5);
        case 40: return Ship(Kind::Destroyer, 36, 7, 1, 1, 2, 4.5);
        case 43: return Ship(Kind::Destroyer, 38, 7.5, 1, 1, 2, 5);
        case 46: return Ship(Kind::Destroyer, 39, 8, 2, 1, 2, 5);
        case 48: return Ship(Kind::Destroyer, 40, 8, 2, 2, 2, 4.8, 1);
        case 50: return Ship(Kind::Cruiser, 72, 12, 2, 2, 2, 7);
        case 51: return Ship(Kind::Cruiser, 66, 11.5, 1, 1, 1, 7);
        case 52: return Ship(Kind::Cruiser, 70, 12, 2, 0, 2, 7, 1);
        case 53: return Ship(Kind::Cruiser, 76, 13, 2, 2, 2, 7.5);
        case 54: return Ship(Kind::Cruiser, 76, 13, 2, 1, 2, 7.5, 1);
        case 56: return Ship(Kind::Cruiser, 78, 14, 2, 1, 2, 8.5);
        case 58: return Ship(Kind::Cruiser, 79, 13.5, 3, 2, 1, 7.5);
        case 60: return Ship(Kind::Battleship, 80, 15, 2, 2, 2, 9.5);
        case 63: return Ship(Kind::Battleship, 80, 18, 2, 2, 1, 11);
        case 66: return Ship(Kind::Battleship, 82, 20, 2, 1, 1, 12.5);
        case 68: return Ship(Kind::Battleship, 82, 18.5, 3, 1, 2, 10.5);
        case 70: return Ship(Kind::Carrier, 74, 16, 0, 0, 0, 0);
        case 71: return Ship(Kind::Carrier, 68, 14.5, 0, 0, 0, 0, 2);
        case 72: return Ship(Kind::Carrier, 74, 16, 0, 0, 0, 0, 1);
        case 73: return Ship(Kind::Carrier, 81, 19, 0, 0, 0, 0);
        case 74: return Ship(Kind::Carrier, 80, 17, 0, 0, 0, 0);
        case 76:
        case 78: return Ship(Kind::Carrier, 82, 21, 0, 0, 0, 0);
        case 80: return Plane(Kind::Fighter, 24, 30);
        case 81: return Plane(Kind::TwinFighter, 26, 34);
        case 82:
        case 83: return Plane(Kind::TorpedoBomber, 28, 33);
        case 84: return Plane(Kind::FlyingBoat, 28, 39);
        case 86: return Plane(Kind::TwinBomber, 30, 36);
        case 87: return Plane(Kind::HeavyBomber, 32, 39);
        case 88: return Plane(Kind::HeavyBomber, 36, 41);
        case 90: return Ship(Kind::Auxiliary, 32, 10, 0, 0, 1, 0);
        case 93:
        case 96: return Ship(Kind::Auxiliary, 36, 11, 0, 0, 1, 0);
        case 100: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 1};
        case 103: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 2};
        case 106: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 3};
        case 107: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 5};
        case 108: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 6};
        case 109: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 7};
        default: return Ship(Kind::Launch, 20, 6, 1, 0, 0, 3);
    }
}

void WriteUnitSheets(const std::filesystem::path& root)
{
    ClassTable table;
    InitShipClasses(table);
    // Which design each sprite row, large picture and icon shows. The class table decides; rows
    // shared by several classes show the first of them.
    std::array<int, art::SpriteRowCount> rowClass{};
    std::array<int, art::SpriteRowCount> rowHalf{}; // 0 one cell, 1 bow, 2 stern
    std::array<int, art::BigPictureCount> bigClass{};
    std::array<int, art::IconCount> iconClass{};
    for (int c = 1; c <= ClassCount; ++c)
    {
        const ClassRec& rec = table.Class(c);
        if (rec.Name.Length == 0)
        {
            continue;
        }
        const int row = rec.Sprite;
        if (rowClass[row] == 0)
        {
            rowClass[row] = c;
            rowHalf[row] = HasSecondUnit(c) ? 1 : 0;
            if (HasSecondUnit(c))
            {
                rowClass[row + 1] = c;
                rowHalf[row + 1] = 2;
            }
        }
        if (rec.BigSprite >= 100 && bigClass[rec.BigSprite - 100] == 0)
        {
            bigClass[rec.BigSprite - 100] = c;
        }
        if (iconClass[rec.Icon] == 0)
        {
            iconClass[rec.Icon] = c;
        }
    }

    for (Side side : {Side::Player, Side::Computer})
    {
        const auto& sheets = side == Side::Player ? art::PlayerSpriteSheets : art::ComputerSpriteSheets;
        for (int file = 0; file < 3; ++file)
        {
            DrawSheet(root, sheets[file], [&](cairo_t* cr, int frame) {
                const int row = file * art::SpriteRowsPerFile + frame / art::FacingCount;
                const int facing = frame % art::FacingCount;
                const Design d = DesignForClass(rowClass[row]);
                if (rowHalf[row] == 0)
                {
                    DrawUnit(cr, d, side, facing);
                    return;
                }
                // The stern cell lies one step behind the bow on the 3 x 3 plan.
                const int cellX = rowHalf[row] == 1 ? 1 : 1 - Dx[facing];
                const int cellY = rowHalf[row] == 1 ? 1 : 1 - Dy[facing];
                cairo_translate(cr, -cellX * art::CellSize, -cellY * art::CellSize);
                DrawTwoCellShip(cr, d, side, facing);
            });
        }
        DrawSheet(root, side == Side::Player ? art::PlayerBigSheet : art::ComputerBigSheet,
                  [&](cairo_t* cr, int frame) {
                      const int facing = frame % art::FacingCount;
                      const Design d = DesignForClass(bigClass[frame / art::FacingCount]);
                      const int blockX = std::min(1, 1 - Dx[facing]);
                      const int blockY = std::min(1, 1 - Dy[facing]);
                      cairo_translate(cr, -blockX * art::CellSize, -blockY * art::CellSize);
                      DrawTwoCellShip(cr, d, side, facing);
                  });
    }
    DrawSheet(root, art::IconSheet, [&](cairo_t* cr, int frame) {
        DrawSideView(cr, DesignForClass(iconClass[frame]), art::IconSheet.frameWidth, art::IconSheet.frameHeight,
                     SideStyle::Silhouette);
    });
    DrawSheet(root, art::ClassPictureSheet, [&](cairo_t* cr, int frame) {
        DrawSideView(cr, DesignForClass(iconClass[frame]), art::ClassPictureSheet.frameWidth,
                     art::ClassPictureSheet.frameHeight, SideStyle::Painted);
    });
}

} // namespace olvane::artgen
