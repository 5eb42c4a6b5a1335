#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvane::platform
{

enum class FileDialogMode : std::uint8_t
{
    Save,
    Open,
};

/// The files of a folder whose names end in the extension (any case), sorted by name.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension);

/// What a typed name means in a folder: the extension is added when missing; a name that leaves
/// the folder (a slash, "..") or is empty gives nothing.
std::optional<std::filesystem::path> FileInFolder(const std::filesystem::path& folder, std::string_view typed,
                                                  std::string_view extension);

/// A modal save or open dialog over one folder: a list of its files with the extension and a
/// name box. Saving over an existing file asks first; opening needs an existing file. Nothing
/// when the player cancels.
std::optional<std::filesystem::path> RunFileDialog(FileDialogMode mode, const std::filesystem::path& folder,
                                                   std::string_view suggestedName, std::string_view extension = ".sav");

} // namespace olvane::platform
