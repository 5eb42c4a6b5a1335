#include "turn/production.h"

#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/unit_creation.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace olvane
{

const std::array<std::uint8_t, PurchaseRowCount + 1> PurchaseClasses = {
    0,  23, 26, 20, 30, 40, 43, 46, 48, 10, 13, 16, 18, 51, 50, 52, 54, 53, 56,  58,  90,  93,  96,  60,
    63, 66, 68, 80, 81, 82, 83, 84, 86, 87, 88, 71, 70, 72, 74, 73, 76, 78, 100, 103, 106, 107, 108, 109,
};

namespace
{

constexpr int AirFieldReach = 3;
// A scenario's restriction on purchases, and the message that refuses a purchase under it.
constexpr int RestrictionNone = 1;
constexpr int RestrictionNoSubmarines = 2;
constexpr int RestrictionNoAircraft = 3;
constexpr int RestrictionNoCarriers = 4;
constexpr int MessageNoPurchases = 251;
// The most units of one type: two-cell ships are bigger, so fewer of them.
constexpr int TwoCellTypeCap = 13;
constexpr int TypeCap = 19;

bool Deployable(int c)
{
    return IsAircraft(c) || IsInstallation(c);
}

/// Aircraft, auxiliaries and installations need a port of the player's.
bool NeedsPort(int c)
{
    return c >= 80 && c <= 109;
}

/// The message that refuses class c under the scenario's purchase restriction; 0 when allowed.
int RestrictionMessage(int restriction, int c)
{
    switch (restriction)
    {
        case RestrictionNone:
            return MessageNoPurchases;
        case RestrictionNoSubmarines:
            return IsSubmarine(c) ? MessageNoPurchases + 1 : 0;
        case RestrictionNoAircraft:
            return IsAircraft(c) ? MessageNoPurchases + 2 : 0;
        case RestrictionNoCarriers:
            return IsCarrier(c) || IsAircraft(c) ? MessageNoPurchases + 3 : 0;
        default:
            return 0;
    }
}

bool OwnsPort(const GameState& state)
{
    for (int p = 1; p <= std::min<int>(state.PortCount, MaxPorts); ++p)
    {
        if (state.Port(p).Owner == SidePlayer)
        {
            return true;
        }
    }
    return false;
}

int ActivePlayerUnitsOfClass(const GameState& state, int c)
{
    int count = 0;
    for (int slot = 1; slot <= std::min<int>(state.PlayerShipCount, MaxSideSlots); ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        count += u.Active != 0 && u.Class == c ? 1 : 0;
    }
    return count;
}

int FreePlayerSlots(const GameState& state)
{
    int free = 0;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        free += state.Unit(PlayerBaseId + slot).Active == 0 ? 1 : 0;
    }
    return free;
}

int ListedDeployables(const PurchaseList& list)
{
    int count = 0;
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        count += Deployable(PurchaseClasses[row]) ? list.Count[row] : 0;
    }
    return count;
}

void CheckRow(int row)
{
    if (row < 1 || row > PurchaseRowCount)
    {
        throw RangeError("purchase row", row);
    }
}

int SlotsPerUnit(int c)
{
    return HasSecondUnit(c) ? 2 : 1;
}

void ShowPoints(Game& game)
{
    game.presenter.SetPanelLabel(PanelLabel::ProductionPoints,
                                 "PP: " + std::to_string(game.state.ProductionPoints));
}

/// Clears a slot's record whole, both cells, so nothing of a lost unit survives into the new one.
void ClearSlot(GameState& state, int id)
{
    state.Unit(id) = UnitRec{};
    state.Unit(SecondCell(id)) = UnitRec{};
}

/// Nothing at all can be bought: FINISH must not hold the player in the window then.
bool NothingPurchasable(const Game& game)
{
    if (game.state.CurrentScenario.PurchaseRestriction == RestrictionNone)
    {
        return true;
    }
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        if (game.classes.Class(PurchaseClasses[row]).Price <= game.state.ProductionPoints)
        {
            return false;
        }
    }
    return true;
}

} // namespace

int PurchaseRowOf(int c)
{
    const auto at = std::find(PurchaseClasses.begin() + 1, PurchaseClasses.end(), c);
    return at == PurchaseClasses.end() ? 0 : static_cast<int>(at - PurchaseClasses.begin());
}

void PurchaseList::Clear()
{
    Count.fill(0);
    for (auto& row : Slots)
    {
        row.fill(EmptyPurchaseSlot);
    }
}

int PurchaseList::Total() const
{
    int total = 0;
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        total += Count[row];
    }
    return total;
}

std::array<std::uint16_t, 2> PurchaseFrames(const ClassTable& classes, int c)
{
    const int sprite = classes.Class(c).Sprite;
    if (HasSecondUnit(c))
    {
        return {static_cast<std::uint16_t>((sprite + 1) * 8), static_cast<std::uint16_t>(sprite * 8)};
    }
    const int variant = c >= 107 && c <= 109 ? c - 102 : 0;
    return {static_cast<std::uint16_t>(sprite * 8 + variant), EmptyPurchaseSlot};
}

int UnitsAwaitingDeployment(const GameState& state)
{
    int count = 0;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        count += u.Active != 0 && u.X == 0 && Deployable(u.Class) ? 1 : 0;
    }
    return count;
}

int FreeLandNearPorts(const GameState& state)
{
    // A field near two ports is one field: mark them, then count.
    std::array<std::array<bool, MapSize + 1>, MapSize + 1> seen{};
    int count = 0;
    for (int p = 1; p <= std::min<int>(state.PortCount, MaxPorts); ++p)
    {
        const PortRec& port = state.Port(p);
        if (port.Owner != SidePlayer)
        {
            continue;
        }
        for (int x = port.X - AirFieldReach; x <= port.X + AirFieldReach; ++x)
        {
            for (int y = port.Y - AirFieldReach; y <= port.Y + AirFieldReach; ++y)
            {
                if (!OnMap(state, x, y) || seen[x][y])
                {
                    continue;
                }
                seen[x][y] = true;
                if (!IsUnitCode(state.MapGrid(x, y)) && IsLandCell(state, x, y))
                {
                    ++count;
                }
            }
        }
    }
    return count;
}

int PlayerAircraftCount(const GameState& state)
{
    int count = 0;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        count += u.Active != 0 && IsAircraft(u.Class) ? 1 : 0;
    }
    return count;
}

int HighestActivePlayerSlot(const GameState& state)
{
    for (int slot = MaxSideSlots; slot >= 1; --slot)
    {
        if (state.Unit(PlayerBaseId + slot).Active != 0)
        {
            return slot;
        }
    }
    return 0;
}

bool BuyUnit(Game& game, PurchaseList& list, int row)
{
    CheckRow(row);
    GameState& state = game.state;
    const int c = PurchaseClasses[row];
    const ClassRec& cls = game.classes.Class(c);
    if (state.ProductionPoints - cls.Price < 0)
    {
        game.presenter.ShowMessage(MessageOutOfResources);
        return false;
    }
    if (const int refusal = RestrictionMessage(state.CurrentScenario.PurchaseRestriction, c); refusal != 0)
    {
        game.presenter.ShowMessage(refusal);
        return false;
    }
    if (NeedsPort(c))
    {
        if (!OwnsPort(state))
        {
            game.presenter.ShowMessage(MessageNoPort);
            return false;
        }
        // Every aircraft and installation bought must find a field of its own, counting those
        // still waiting and those already listed; auxiliaries only need some free land.
        const int needed = Deployable(c) ? UnitsAwaitingDeployment(state) + ListedDeployables(list) + 1 : 1;
        if (FreeLandNearPorts(state) < needed)
        {
            game.presenter.ShowMessage(MessageNoFreeLand);
            return false;
        }
    }
    const int cap = HasSecondUnit(c) ? TwoCellTypeCap : TypeCap;
    if (ActivePlayerUnitsOfClass(state, c) + list.Count[row] > cap)
    {
        game.presenter.ShowError(TypeCapText);
        return false;
    }
    if (list.Total() >= FreePlayerSlots(state))
    {
        game.presenter.ShowError(NoFreeSlotText);
        return false;
    }
    state.ProductionPoints -= cls.Price;
    const std::array<std::uint16_t, 2> frames = PurchaseFrames(game.classes, c);
    const int first = 1 + list.Count[row] * SlotsPerUnit(c);
    for (int i = 0; i < SlotsPerUnit(c); ++i)
    {
        list.Slots[row].at(static_cast<std::size_t>(first + i)) = frames[static_cast<std::size_t>(i)];
    }
    ++list.Count[row];
    ShowPoints(game);
    return true;
}

bool RemoveUnit(Game& game, PurchaseList& list, int row)
{
    CheckRow(row);
    if (list.Count[row] == 0)
    {
        return false;
    }
    const int c = PurchaseClasses[row];
    game.state.ProductionPoints += game.classes.Class(c).Price;
    --list.Count[row];
    const int first = 1 + list.Count[row] * SlotsPerUnit(c);
    for (int i = 0; i < SlotsPerUnit(c); ++i)
    {
        list.Slots[row].at(static_cast<std::size_t>(first + i)) = EmptyPurchaseSlot;
    }
    ShowPoints(game);
    return true;
}

FinishResult FinishProduction(Game& game, PurchaseList& list, int origin)
{
    GameState& state = game.state;
    FinishResult result;
    const bool anyListed = list.Total() > 0;
    for (int row = 1; row <= PurchaseRowCount; ++row)
    {
        const int c = PurchaseClasses[row];
        for (int n = 0; n < list.Count[row]; ++n)
        {
            int slot = 1;
            while (slot <= MaxSideSlots && state.Unit(PlayerBaseId + slot).Active != 0)
            {
                ++slot;
            }
            if (slot > MaxSideSlots)
            {
                // BUY keeps the list within the free slots; a refund keeps the books right anyway.
                state.ProductionPoints += game.classes.Class(c).Price;
                continue;
            }
            const int id = PlayerBaseId + slot;
            ClearSlot(state, id);
            CreateUnit(game, id, c, 0);
            if (!Deployable(c) && state.Unit(id).X == 0)
            {
                const std::string name = TrimmedName(state.Unit(id));
                ClearSlot(state, id);
                state.ProductionPoints += game.classes.Class(c).Price;
                game.presenter.ShowError("NO FREE BERTH NEAR YOUR HOME BASES FOR " + name +
                                         ". ITS PRICE IS REFUNDED.");
            }
        }
    }
    list.Clear();
    if (anyListed)
    {
        state.PlayerShipCount = static_cast<std::uint8_t>(HighestActivePlayerSlot(state));
        state.AircraftCount = static_cast<std::uint8_t>(PlayerAircraftCount(state));
        ShowPoints(game);
    }
    // Units bought on an earlier visit and not yet placed keep the deployment going too.
    result.deploymentPending = UnitsAwaitingDeployment(state) > 0;
    bool anyShip = false;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        anyShip = anyShip || state.Unit(PlayerBaseId + slot).Active != 0;
    }
    if (!anyShip && !NothingPurchasable(game))
    {
        game.presenter.ShowError(MustBuyText);
        result.exit = ProductionExit::StayOpen;
        return result;
    }
    if (state.TurnNumber == 0 || state.Flow.JustLoaded != 0)
    {
        result.exit = ProductionExit::Briefing;
    }
    else
    {
        result.exit = origin == ProductionFromHQ ? ProductionExit::Headquarters : ProductionExit::MainWindow;
    }
    return result;
}

} // namespace olvane
