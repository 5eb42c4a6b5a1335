#include "platform/quit_signals.h"

#include <SDL.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <semaphore.h>
#include <thread>

namespace olvane::platform
{

namespace
{

volatile std::sig_atomic_t signalled = 0;
struct sigaction previousTerm{};
struct sigaction previousInt{};
bool installed = false;

// The event loop may sleep for as long as nothing is due, and SDL resumes its wait when a signal
// interrupts it. The handler may do almost nothing, so it only posts a semaphore; a waiting
// thread then puts an event in the queue, which wakes the loop to see the mark.
sem_t wake;
std::thread waker;
std::atomic<bool> stopping{false};

extern "C" void MarkQuit(int)
{
    const int saved = errno;
    signalled = 1;
    sem_post(&wake);
    errno = saved;
}

void WakeTheLoop()
{
    for (;;)
    {
        while (sem_wait(&wake) != 0 && errno == EINTR)
        {
        }
        if (stopping)
        {
            return;
        }
        SDL_Event event{};
        event.type = SDL_USEREVENT;
        SDL_PushEvent(&event);
    }
}

} // namespace

void InstallQuitSignals()
{
    if (installed)
    {
        return;
    }
    sem_init(&wake, 0, 0);
    stopping = false;
    waker = std::thread(WakeTheLoop);
    struct sigaction action{};
    action.sa_handler = MarkQuit;
    sigemptyset(&action.sa_mask);
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
    stopping = true;
    sem_post(&wake);
    waker.join();
    sem_destroy(&wake);
    installed = false;
}

bool QuitSignalled()
{
    return signalled != 0;
}

} // namespace olvane::platform
