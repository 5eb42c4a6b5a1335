#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// The game folder (read-only data, pictures, sounds) and the user's writable folder (saves,
/// score tables, options). The data names mix cases and slash kinds, so lookups ignore both.
class DataFiles
{
public:
    DataFiles(std::filesystem::path baseDir, std::filesystem::path userDir);

    const std::filesystem::path& BaseDir() const { return baseDir_; }

    const std::filesystem::path& UserDir() const { return userDir_; }

    /// Finds a file or folder under the game folder, ignoring case; "\BAZE\TAKT.TXT" and
    /// "baze/takt.txt" name the same file.
    std::optional<std::filesystem::path> Find(std::string_view relative) const;

    /// The whole content of a file under the game folder; nothing when it cannot be read.
    std::optional<std::string> Read(std::string_view relative) const;

    /// The user's saved games.
    std::filesystem::path SaveDir() const { return userDir_ / "SAVE"; }

    /// The default user folder: $XDG_DATA_HOME/olvane, else ~/.local/share/olvane. A relative
    /// XDG_DATA_HOME is ignored, so the folder never depends on where the game was started.
    static std::filesystem::path DefaultUserDir();

private:
    std::filesystem::path baseDir_;
    std::filesystem::path userDir_;
};

/// Finds a path below a folder, matching each component without regard to case (an exact
/// match wins). Either slash separates components; leading slashes are ignored.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& root,
                                                      std::string_view relative);

/// The most any file of the game folder or a save may hold. The largest picture is a few
/// megabytes; a bigger file is damaged, and reading it whole would only exhaust memory.
constexpr std::size_t MaxDataFileBytes = std::size_t{64} << 20;

/// Reads a whole regular file of at most `limit` bytes; nothing when it cannot be opened or read,
/// is larger, or is no regular file (a folder, a FIFO or a device is never waited on).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t limit = MaxDataFileBytes);

/// The first `count` bytes of a regular file, or all of it when it is shorter; nothing when it
/// cannot be opened or read or is no regular file.
std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t count);

/// Writes a file through a temporary name in the same folder and renames it over the target,
/// so an interrupted write never leaves half a file; the folder is synced after the rename. The
/// file gets the permissions the user's umask allows, as any file the user makes. Returns false
/// on any failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace olvane
