#pragma once

#include "state/records.h"

#include <array>
#include <cstdint>
#include <span>

namespace olvane
{

using ScenarioBytes = std::array<std::uint8_t, ScenarioRecordSize>;

/// The 246-byte stored form of a scenario record, field by field, little-endian.
ScenarioBytes EncodeScenario(const ScenarioRec& rec);

ScenarioRec DecodeScenario(std::span<const std::uint8_t, ScenarioRecordSize> bytes);

} // namespace olvane
