#include "state/game_state.h"
#include "state/map_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Any bytes as a map file: reading must stop cleanly, never throw, never touch memory it should
// not, and never leave a unit number in a cell.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto state = std::make_unique<olvane::GameState>();
    olvane::ResetGame(*state);
    // The first byte picks the side settings, so both readings of codes 1 and 2 are explored.
    if (size > 0)
    {
        state->SideStats(olvane::SidePlayer)[0] = static_cast<std::uint8_t>(data[0] % 3);
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    olvane::ReadMapText(*state, text);
    for (int x = 1; x <= olvane::MapSize; ++x)
    {
        for (int y = 1; y <= olvane::MapSize; ++y)
        {
            if (olvane::IsUnitCode(state->MapGrid(x, y)))
            {
                __builtin_trap();
            }
        }
    }
    if (state->PortCount > olvane::MaxPorts)
    {
        __builtin_trap();
    }
    return 0;
}
