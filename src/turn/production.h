#pragma once

#include "state/game.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace olvane
{

// Unit production: the player's shopping list of new units, paid for as they are listed and
// turned into units when he finishes. The production window shows the list and forwards its
// buttons here; olvane-tool act calls the same commands.

constexpr int PurchaseRowCount = 47;
constexpr int PurchaseSlotCount = 29;
/// Slots 1..20 of a row are drawn in the grid; slot 0 is never used.
constexpr int PurchaseShownSlots = 20;
constexpr std::uint16_t EmptyPurchaseSlot = 200;

/// The origin mark of the production window: FINISH returns to the headquarters when it was
/// opened from there.
constexpr std::uint8_t ProductionFromMainWindow = 0;
constexpr std::uint8_t ProductionFromHQ = 100;

constexpr int MessageOutOfResources = 57;
constexpr int MessageNoFreeLand = 250;
constexpr int MessageNoPort = 255;

constexpr std::string_view TypeCapText = "YOU CAN`T HAVE MORE UNITS OF THIS TYPE.";
constexpr std::string_view NoFreeSlotText = "NO FREE UNIT SLOTS.";
constexpr std::string_view MustBuyText = "YOU MUST BUY SOMETHING.";

/// The class of each purchase row 1..47 (index 0 is the header row).
extern const std::array<std::uint8_t, PurchaseRowCount + 1> PurchaseClasses;

/// The row of a class in the purchase list; 0 for a class that cannot be bought.
int PurchaseRowOf(int c);

/// The list of one visit of the production window: per row the units listed and the sprite
/// frames that draw them, left to right.
struct PurchaseList
{
    std::array<std::uint8_t, PurchaseRowCount + 1> Count{};
    std::array<std::array<std::uint16_t, PurchaseSlotCount>, PurchaseRowCount + 1> Slots{};

    PurchaseList() { Clear(); }

    void Clear();

    int Total() const;
};

/// The sprite frames of one listed unit of class c: two for a cruiser, battleship or carrier,
/// stern first so the hull reads bow-forward from left to right; the station's own frame for a
/// radar; otherwise the class picture's first frame. The second is EmptyPurchaseSlot when unused.
std::array<std::uint16_t, 2> PurchaseFrames(const ClassTable& classes, int c);

/// BUY UNIT on a row. The first failing check refuses with its message and changes nothing:
/// points, the scenario's restriction, a port with free land for aircraft and installations,
/// the per-type cap, a free unit slot. Returns true when the unit was listed and paid for.
bool BuyUnit(Game& game, PurchaseList& list, int row);

/// REMOVE UNIT: the row's last unit leaves the list and its price comes back. False when the row
/// is empty.
bool RemoveUnit(Game& game, PurchaseList& list, int row);

/// Where the game goes when FINISH closes the window.
enum class ProductionExit
{
    /// "YOU MUST BUY SOMETHING.": the window stays open.
    StayOpen,
    Briefing,
    Headquarters,
    MainWindow,
};

struct FinishResult
{
    ProductionExit exit = ProductionExit::MainWindow;
    /// Bought aircraft or installations wait to be placed on the map.
    bool deploymentPending = false;
};

/// FINISH: every listed unit is created in the lowest free player slot, named and, for ships,
/// berthed near the home bases; a ship that finds no berth is refunded. The list is emptied.
/// The origin mark is the window's tag (ProductionFromHQ or ProductionFromMainWindow).
FinishResult FinishProduction(Game& game, PurchaseList& list, int origin);

/// Bought aircraft and shore installations still waiting for a field (active, X = 0).
int UnitsAwaitingDeployment(const GameState& state);

/// The free land fields within 3 fields of the player's ports, each counted once.
int FreeLandNearPorts(const GameState& state);

/// The number of active player aircraft in slots 1..100.
int PlayerAircraftCount(const GameState& state);

/// The highest active player slot 1..100; 0 when none is active.
int HighestActivePlayerSlot(const GameState& state);

} // namespace olvane
