#include <cstdlib>

namespace
{

// The platform tests never need a real screen or sound card: SDL's dummy drivers run them
// anywhere, unless whoever runs the tests chose drivers of their own.
const bool headless = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

} // namespace
