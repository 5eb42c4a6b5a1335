#include "state/data_files.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace olvane
{

namespace fs = std::filesystem;

namespace
{

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> SplitPath(std::string_view relative)
{
    std::vector<std::string> parts;
    std::string current;
    for (char ch : relative)
    {
        if (ch == '/' || ch == '\\')
        {
            if (!current.empty())
            {
                parts.push_back(current);
            }
            current.clear();
        }
        else
        {
            current += ch;
        }
    }
    if (!current.empty())
    {
        parts.push_back(current);
    }
    return parts;
}

} // namespace

DataFiles::DataFiles(fs::path baseDir, fs::path userDir) : baseDir_(std::move(baseDir)), userDir_(std::move(userDir))
{
}

std::optional<fs::path> DataFiles::Find(std::string_view relative) const
{
    return FindIgnoringCase(baseDir_, relative);
}

std::optional<std::string> DataFiles::Read(std::string_view relative) const
{
    const auto path = Find(relative);
    if (!path)
    {
        return std::nullopt;
    }
    return ReadWholeFile(*path);
}

fs::path DataFiles::DefaultUserDir()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute())
    {
        return fs::path(xdg) / "olvane";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && fs::path(home).is_absolute())
    {
        return fs::path(home) / ".local" / "share" / "olvane";
    }
    return fs::current_path() / ".olvane";
}

namespace
{

/// Matches the remaining components below `current`, trying the exact name first and then every
/// name equal but for case, so that "BMP" and "bmp" folders side by side are both searched.
std::optional<fs::path> FindBelow(const fs::path& current, const std::vector<std::string>& parts, std::size_t index)
{
    std::error_code error;
    if (index == parts.size())
    {
        return fs::exists(current, error) ? std::optional<fs::path>(current) : std::nullopt;
    }
    const std::string& part = parts[index];
    std::vector<fs::path> candidates;
    if (fs::exists(current / part, error))
    {
        candidates.push_back(current / part);
    }
    std::vector<fs::path> others;
    for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error))
    {
        const std::string name = it->path().filename().string();
        if (name != part && EqualIgnoringCase(name, part))
        {
            others.push_back(it->path());
        }
    }
    std::sort(others.begin(), others.end());
    candidates.insert(candidates.end(), others.begin(), others.end());
    for (const fs::path& candidate : candidates)
    {
        if (auto found = FindBelow(candidate, parts, index + 1))
        {
            return found;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FindIgnoringCase(const fs::path& root, std::string_view relative)
{
    std::vector<std::string> parts;
    for (std::string& part : SplitPath(relative))
    {
        // ".." would leave the game folder: data names never need it.
        if (part == "..")
        {
            return std::nullopt;
        }
        if (part != ".")
        {
            parts.push_back(std::move(part));
        }
    }
    return FindBelow(root, parts, 0);
}

namespace
{

/// Closes a descriptor when it goes out of scope.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}

    ~FileDescriptor()
    {
        if (fd_ >= 0)
        {
            ::close(fd_);
        }
    }

    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }

    /// Closes now, for callers that must know whether the close succeeded.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

/// A name beside the target that no other writer uses: the process and a running count, with a
/// leading dot so a half-written file stays out of listings.
std::string TemporaryName(const fs::path& path)
{
    static std::atomic<unsigned> counter{0};
    return "." + path.filename().string() + "." + std::to_string(::getpid()) + "." + std::to_string(counter++);
}

} // namespace

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t limit)
{
    // Opened without waiting, so a FIFO where a file should be cannot block the game; only a
    // regular file is then read.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info{};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uintmax_t>(info.st_size) > limit)
    {
        return std::nullopt;
    }
    std::string content;
    content.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> chunk{};
    while (true)
    {
        const ssize_t n = ::read(file.Get(), chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n < 0)
        {
            return std::nullopt;
        }
        if (n == 0)
        {
            return content;
        }
        // A file that grows while it is read is held to the same limit.
        if (static_cast<std::size_t>(n) > limit - content.size())
        {
            return std::nullopt;
        }
        content.append(chunk.data(), static_cast<std::size_t>(n));
    }
}

std::optional<std::string> ReadFileHead(const fs::path& path, std::size_t count)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info{};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
    {
        return std::nullopt;
    }
    std::string content(count, '\0');
    std::size_t done = 0;
    while (done < count)
    {
        const ssize_t n = ::read(file.Get(), content.data() + done, count - done);
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n < 0)
        {
            return std::nullopt;
        }
        if (n == 0)
        {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    content.resize(done);
    return content;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    // Created with open and 0666 rather than mkstemp, so the user's umask decides who may read a
    // save, as it does for every other file the user makes.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt)
    {
        temporary = (folder / TemporaryName(path)).string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
        {
            return false;
        }
    }
    FileDescriptor file(fd);
    if (file.Get() < 0)
    {
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t n = ::write(file.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n <= 0)
        {
            file.Close();
            ::unlink(temporary.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(file.Get()) == 0;
    const bool closed = file.Close();
    if (!synced || !closed || std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        ::unlink(temporary.c_str());
        return false;
    }
    // The new name lives in the folder: without syncing it, a crash could bring back the old
    // file even though the new one's bytes reached the disk.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0)
    {
        ::fsync(directory.Get());
    }
    return true;
}

} // namespace olvane
