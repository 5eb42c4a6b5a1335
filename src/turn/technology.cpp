#include "turn/technology.h"

#include "state/class_table.h"

#include <algorithm>
#include <stdexcept>

namespace olvane
{

namespace
{

constexpr std::uint8_t RestrictionTechFirst = 11;
constexpr std::uint8_t RestrictionTechLast = 14;
constexpr int MessageOutOfResources = 57;
// Restrictions 11..14 refuse technology with the purchase warnings 251..254.
constexpr int RestrictionMessageOffset = 240;

/// The marks of one category and attribute with their prices; 0 ends a shorter line.
struct TechLine
{
    std::uint8_t attribute;
    std::uint8_t category;
    std::array<std::uint16_t, 3> prices;
};

constexpr std::array<TechLine, 29> TechLines{{
    {TechArmor, 0, {45, 46, 50}},    {TechArmor, 1, {30, 40, 0}},   {TechArmor, 2, {22, 23, 0}},
    {TechArmor, 4, {50, 60, 0}},     {TechArmor, 5, {65, 66, 67}},  {TechArmor, 6, {67, 67, 68}},
    {TechArmor, 7, {70, 72, 73}},    {TechArmor, 8, {55, 55, 56}},  {TechArmor, 9, {20, 24, 26}},
    {TechFire, 1, {78, 0, 0}},       {TechFire, 2, {65, 67, 0}},    {TechFire, 4, {75, 78, 0}},
    {TechFire, 5, {85, 86, 86}},     {TechFire, 6, {86, 87, 88}},   {TechFire, 7, {88, 90, 92}},
    {TechFire, 8, {65, 69, 70}},     {TechSpeed, 1, {71, 85, 0}},   {TechSpeed, 2, {52, 55, 55}},
    {TechSpeed, 4, {79, 83, 0}},     {TechSpeed, 5, {90, 92, 99}},  {TechSpeed, 6, {99, 110, 120}},
    {TechSpeed, 7, {100, 110, 125}}, {TechSpeed, 8, {75, 85, 120}}, {TechSpeed, 9, {65, 67, 69}},
    {TechRadar, 1, {101, 102, 103}}, {TechRadar, 2, {31, 92, 0}},   {TechRadar, 4, {100, 110, 0}},
    {TechRadar, 5, {115, 136, 0}},   {TechRadar, 6, {120, 0, 0}},
}};

std::array<TechEntry, TechMarkCount> BuildTechTable()
{
    std::array<TechEntry, TechMarkCount> table{};
    std::size_t n = 0;
    for (const TechLine& line : TechLines)
    {
        for (std::size_t m = 0; m < line.prices.size() && line.prices[m] != 0; ++m)
        {
            table.at(n++) =
                TechEntry{line.category, line.attribute, static_cast<std::uint8_t>(m + 1), line.prices[m]};
        }
    }
    if (n != table.size())
    {
        throw std::logic_error("technology table size");
    }
    return table;
}

std::uint8_t& BonusField(TechRow& row, int attribute)
{
    switch (attribute)
    {
        case TechArmor:
            return row.Armor;
        case TechFire:
            return row.Fire;
        case TechSpeed:
            return row.Speed;
        default:
            return row.Range;
    }
}

} // namespace

const std::array<TechEntry, TechMarkCount> TechTable = BuildTechTable();

int CurrentTechBonus(const GameState& state, int category, int attribute)
{
    TechRow row = state.TechBonus(SidePlayer, category);
    return BonusField(row, attribute);
}

TechState StateOfMark(const GameState& state, const TechEntry& entry)
{
    const int bonus = CurrentTechBonus(state, entry.Category, entry.Attribute);
    if (entry.Mark <= bonus)
    {
        return TechState::Achieved;
    }
    return entry.Mark - bonus == 1 ? TechState::Available : TechState::PreviousNeeded;
}

std::string_view TechCategoryName(int category)
{
    switch (category)
    {
        case 0:
            return "Tranporter";
        case 1:
            return "Submarine";
        case 2:
            return "TB/CO/FR";
        case 4:
            return "Destroyer";
        case 5:
            return "Cruiser";
        case 6:
            return "BattleShip";
        case 7:
            return "Carrier";
        case 8:
            return "Fight./Bomb.";
        case 9:
            return "Auxiliary";
        case 11:
            return "Artillery";
        default:
            return {};
    }
}

std::string TechDescription(const TechEntry& entry)
{
    static constexpr std::array<std::string_view, 5> Words = {"", "Extended Armor ", "Extended Fire ",
                                                              "Extended Speed ", "Extended Radar "};
    return std::string(Words.at(entry.Attribute)) + std::to_string(entry.Mark);
}

std::string TechEffectText(const TechEntry& entry)
{
    static constexpr std::array<std::string_view, 5> Words = {"", "armor", "fire", "speed", "radar range"};
    return "Increases default unit`s " + std::string(Words.at(entry.Attribute)) + " for " +
           std::to_string(entry.Mark) + " point" + (entry.Mark >= 2 ? "s" : "") + ".";
}

std::vector<int> TechClassesOf(int category)
{
    switch (category)
    {
        case 0:
            return {2, 3, 6};
        case 1:
            return {10, 13, 16, 18};
        case 2:
            return {20, 23, 26, 30};
        case 4:
            return {40, 43, 46, 48};
        case 5:
            return {50, 51, 52, 53, 54, 56, 58};
        case 6:
            return {60, 63, 66, 68};
        case 7:
            return {70, 71, 72, 73, 74, 76, 78};
        case 8:
            return {80, 81, 82, 83, 84, 86, 87, 88};
        case 9:
            return {90, 93, 96};
        default:
            return {};
    }
}

std::vector<int> TechListOf(int attribute)
{
    std::vector<int> list;
    for (std::size_t i = 0; i < TechTable.size(); ++i)
    {
        if (TechTable[i].Attribute == attribute)
        {
            list.push_back(static_cast<int>(i));
        }
    }
    return list;
}

int TechIndexOf(int category, int attribute, int mark)
{
    for (std::size_t i = 0; i < TechTable.size(); ++i)
    {
        const TechEntry& e = TechTable[i];
        if (e.Category == category && e.Attribute == attribute && e.Mark == mark)
        {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool BuyTechnology(Game& game, int index)
{
    const TechEntry& entry = TechTable.at(static_cast<std::size_t>(index));
    GameState& state = game.state;
    switch (StateOfMark(state, entry))
    {
        case TechState::Achieved:
            game.presenter.ShowError(AlreadyHaveTechText);
            return false;
        case TechState::PreviousNeeded: {
            // The row above in the list: the same category and attribute, one mark lower.
            const TechEntry& previous = TechTable.at(static_cast<std::size_t>(index - 1));
            game.presenter.ShowError("You should have " + TechDescription(previous) + " first.");
            return false;
        }
        case TechState::Available:
            break;
    }
    if (state.ProductionPoints - entry.Price < 0)
    {
        game.presenter.ShowMessage(MessageOutOfResources);
        return false;
    }
    const std::uint8_t restriction = state.CurrentScenario.PurchaseRestriction;
    if (restriction >= RestrictionTechFirst)
    {
        game.presenter.ShowMessage(std::min(restriction, RestrictionTechLast) + RestrictionMessageOffset);
        return false;
    }
    state.ProductionPoints -= entry.Price;
    game.presenter.SetPanelLabel(PanelLabel::ProductionPoints,
                                 "PP: " + std::to_string(state.ProductionPoints));
    BonusField(state.TechBonus(SidePlayer, entry.Category), entry.Attribute) = entry.Mark;
    ApplyTechToUnits(state, game.classes, SidePlayer, entry.Category, TechModePurchase);
    return true;
}

} // namespace olvane
