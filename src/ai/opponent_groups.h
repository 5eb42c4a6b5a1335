#pragma once

#include "state/game.h"

#include <cstdint>
#include <vector>

namespace olvane
{

// Small questions about the computer's groups, zones and sectors that several of its rules ask.

/// True for a zone number the zone table holds (1..26).
constexpr bool IsZoneNumber(int zone)
{
    return zone >= 1 && zone <= ZoneCount;
}

/// The last zone the map defines: the four home zones and the extra ones.
int LastZone(const GameState& state);

/// The group's listed members that are still afloat, in member-slot order.
std::vector<int> ActiveMembers(const GameState& state, int group);

/// True when a group has members left.
bool GroupInUse(const GameState& state, int group);

/// The sector record of a zone; sector numbers run 1..SectorCount.
ZoneSector& SectorOf(GameState& state, int zone, int sector);
const ZoneSector& SectorOf(const GameState& state, int zone, int sector);

/// True when the unit's zone and sector name a sector that exists.
bool HasValidSector(const GameState& state, int zone, int sector);

/// The room a group needs in a sector: one formation position per ship, a fourth ship sharing
/// the third's, so a group of four fits where three do.
int SectorRoomNeeded(const GameState& state, int group);

/// True when the zone has a free sector that takes `members` ships.
bool HasFreeSector(const GameState& state, int zone, int members);

/// The groups in use whose current zone is `zone`.
int GroupsInZone(const GameState& state, int zone);

/// A zone a group may move on to: it exists, is not a port zone, has a free sector for the group
/// and is not crowded (fewer groups than its sectors less one).
bool ZoneTakesGroup(const GameState& state, int zone, int group);

/// Frees whatever sector the group holds, in whichever zone it lies.
void ReleaseSector(GameState& state, int group);

/// Euclidean distance rounded to the nearest whole field, halves to even.
int RoundedDistance(int dx, int dy);

/// A random search that the layout of the map could keep from succeeding gives up after this
/// many draws.
constexpr int MaxRandomDraws = 100000;

/// Draws 1 + a draw below n, reseeding before each draw, until `fits` holds; checks first that
/// some number fits, so the search always ends. After MaxRandomDraws misses it takes the lowest
/// number that fits. 0 when none does.
template <typename Fits> int DrawUntil(Game& game, int n, Fits fits)
{
    int lowest = 0;
    for (int k = 1; k <= n && lowest == 0; ++k)
    {
        lowest = fits(k) ? k : 0;
    }
    if (lowest == 0)
    {
        return 0;
    }
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        game.random.Reseed();
        const int k = 1 + static_cast<int>(game.random.Below(static_cast<std::uint32_t>(n)));
        if (fits(k))
        {
            return k;
        }
    }
    return lowest;
}

/// Puts a unit on (x, y), giving back the cells it stood on; a cruiser, battleship or carrier
/// brings its second cell to (x2, y2). Both take the facing.
void PutUnitOnCell(GameState& state, int unit, int x, int y, int facing, int x2 = 0, int y2 = 0);

} // namespace olvane
