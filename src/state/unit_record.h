#pragma once

#include "state/records.h"

#include <array>
#include <cstdint>
#include <span>

namespace olvane
{

constexpr std::size_t UnitRecordSize = 64;

using UnitBytes = std::array<std::uint8_t, UnitRecordSize>;

/// The 64-byte stored form of a unit record, field by field, little-endian.
UnitBytes EncodeUnit(const UnitRec& unit);

UnitRec DecodeUnit(std::span<const std::uint8_t, UnitRecordSize> bytes);

} // namespace olvane
