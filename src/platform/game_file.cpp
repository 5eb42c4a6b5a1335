#include "platform/game_file.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace olvane::platform
{

namespace
{

/// Closes a file descriptor when it goes out of scope.
struct Descriptor
{
    explicit Descriptor(int f) : fd(f) {}

    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    ~Descriptor()
    {
        if (fd >= 0)
        {
            ::close(fd);
        }
    }

    int fd;
};

} // namespace

std::optional<std::string> ReadGameFile(const std::filesystem::path& path, std::string& error, std::size_t limit)
{
    // Opened without waiting, so a FIFO named like a picture or a sound cannot block the game.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info{};
    if (file.fd < 0)
    {
        error = "cannot open " + path.string();
        return std::nullopt;
    }
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        error = path.string() + " is not a file";
        return std::nullopt;
    }
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > limit)
    {
        error = path.string() + " is too large for a game file";
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::vector<char> chunk(65536);
    while (true)
    {
        const ssize_t n = ::read(file.fd, chunk.data(), chunk.size());
        if (n == 0)
        {
            return bytes;
        }
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        // A file that grows while it is read is held to the same limit.
        if (n < 0 || static_cast<std::size_t>(n) > limit - bytes.size())
        {
            error = "cannot read " + path.string();
            return std::nullopt;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
}

} // namespace olvane::platform
