#include "state/data_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
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
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0')
    {
        return fs::path(xdg) / "olvane";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
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

std::optional<std::string> ReadWholeFile(const fs::path& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
    {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
    {
        return std::nullopt;
    }
    return std::move(content).str();
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
    {
        return false;
    }
    ::fchmod(fd, 0644);
    std::size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0)
        {
            ::close(fd);
            ::unlink(pattern.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed || std::rename(pattern.c_str(), path.c_str()) != 0)
    {
        ::unlink(pattern.c_str());
        return false;
    }
    return true;
}

} // namespace olvane
