#pragma once

#include "source_text.h"

#include <filesystem>
#include <map>
#include <string>

namespace olvane::datagen
{

/// A nation's name file: for every list class a header line and two to four lines of five
/// 16-character names behind a 4-character number field.
std::string CompileNameFile(const std::filesystem::path& source);

/// A nation's rank file: 28 lines of rank index, a 6-character short form and a 23-character
/// title, highest rank first.
std::string CompileRankFile(const std::filesystem::path& source);

/// The difficulty screen's picture list: lines of four numbers, checked and passed on.
std::string CompileLevelFile(const std::filesystem::path& source);

/// The mission-picture table: one line "step code" per scenario id, in id order.
std::map<int, std::string> ReadMissionPictures(const std::filesystem::path& source);

std::string CompileMissionPictures(const std::map<int, std::string>& pictures);

} // namespace olvane::datagen
