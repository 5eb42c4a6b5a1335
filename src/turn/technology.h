#pragma once

#include "state/game.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

// The technology center: marks that raise one attribute of every unit of a class category of
// the player's side, now and for the units created later. The technology window and
// olvane-tool act both buy through BuyTechnology.

constexpr std::uint8_t TechArmor = 1;
constexpr std::uint8_t TechFire = 2;
constexpr std::uint8_t TechSpeed = 3;
constexpr std::uint8_t TechRadar = 4;

constexpr int TechMarkCount = 73;

/// One mark of the technology table; the bonus it gives equals its mark.
struct TechEntry
{
    std::uint8_t Category = 0;
    std::uint8_t Attribute = 0;
    std::uint8_t Mark = 0;
    std::uint16_t Price = 0;
};

/// Every mark in the list's order: attribute, then category, then mark.
extern const std::array<TechEntry, TechMarkCount> TechTable;

enum class TechState : std::uint8_t
{
    Available = 0,
    Achieved = 1,
    PreviousNeeded = 2,
};

constexpr std::string_view AlreadyHaveTechText = "You already have this technology";

/// The player's current bonus for a category and attribute (armour, fire, speed, or range for
/// radar).
int CurrentTechBonus(const GameState& state, int category, int attribute);

TechState StateOfMark(const GameState& state, const TechEntry& entry);

/// "Tranporter", "Submarine", ... "Artillery"; empty for a category without a name.
std::string_view TechCategoryName(int category);

/// "Extended Armor 2" and the like.
std::string TechDescription(const TechEntry& entry);

/// "Increases default unit`s armor for 1 point." and the like.
std::string TechEffectText(const TechEntry& entry);

/// The classes a category's marks apply to, as the detail panel lists them.
std::vector<int> TechClassesOf(int category);

/// The marks of one attribute, in table order: indexes into TechTable.
std::vector<int> TechListOf(int attribute);

/// The index into TechTable of a mark; -1 when the table has no such mark.
int TechIndexOf(int category, int attribute, int mark);

/// BUY TECHNOLOGY on a mark of the table. The first failing check refuses with its message box
/// or message code and changes nothing: a mark already achieved, a previous mark missing, too few
/// points, the scenario's restriction. A purchase pays, records the mark as the category's bonus
/// and recomputes the player's units of the category. Returns true when bought.
bool BuyTechnology(Game& game, int index);

} // namespace olvane
