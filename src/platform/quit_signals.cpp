#include "platform/quit_signals.h"

#include <csignal>

namespace olvane::platform
{

namespace
{

volatile std::sig_atomic_t signalled = 0;
struct sigaction previousTerm{};
struct sigaction previousInt{};
bool installed = false;

extern "C" void MarkQuit(int)
{
    signalled = 1;
}

} // namespace

void InstallQuitSignals()
{
    if (installed)
    {
        return;
    }
    struct sigaction action{};
    action.sa_handler = MarkQuit;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a wait for input is cut short, so the loop sees the mark at once.
    action.sa_flags = 0;
    sigaction(SIGTERM, &action, &previousTerm);
    sigaction(SIGINT, &action, &previousInt);
    signalled = 0;
    installed = true;
}

void RestoreQuitSignals()
{
    if (!installed)
    {
        return;
    }
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGINT, &previousInt, nullptr);
    installed = false;
}

bool QuitSignalled()
{
    return signalled != 0;
}

} // namespace olvane::platform
