#pragma once

#include "state/data_files.h"
#include "state/pstring.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace olvane
{

/// The hall of fame: one score table per game mode, the best fifteen first.
constexpr int ScoreTableLength = 15;
constexpr std::size_t ScoreRecordSize = 54;
constexpr std::size_t ScoreTableSize = ScoreTableLength * ScoreRecordSize;
constexpr std::size_t MaxScoreNameLength = 15;

constexpr std::string_view NameTooLongText = "Maximum 15 characters";
constexpr std::string_view NameControlCharacterText = "The name cannot contain control characters";
constexpr std::string_view ScoreTableWriteErrorText = "SCORE TABLE COULD NOT BE WRITTEN";

/// One place of a score table. Mode 0 marks an empty place; an empty place is all zero.
struct ScoreRec
{
    PString<15> Name;
    std::uint8_t Nation = 0;
    std::uint8_t Reserved17 = 0;
    /// The scenario's id, or the campaign's number.
    std::uint16_t Number = 0;
    /// The mission's or campaign's name.
    PString<25> Title;
    std::uint8_t Mode = 0;
    std::uint8_t Reserved47 = 0;
    std::uint16_t Score = 0;
    std::uint8_t Major = 0;
    std::uint8_t Victories = 0;
    std::uint8_t Minor = 0;
    std::uint8_t Rank = 0;

    bool Empty() const { return Mode == 0; }

    bool operator==(const ScoreRec&) const = default;
};

static_assert(sizeof(ScoreRec) == ScoreRecordSize);
static_assert(offsetof(ScoreRec, Nation) == 16);
static_assert(offsetof(ScoreRec, Number) == 18);
static_assert(offsetof(ScoreRec, Title) == 20);
static_assert(offsetof(ScoreRec, Mode) == 46);
static_assert(offsetof(ScoreRec, Score) == 48);
static_assert(offsetof(ScoreRec, Rank) == 53);

using ScoreTable = std::array<ScoreRec, ScoreTableLength>;

/// The table of a game mode 1..3 in the user's folder: "SK1.OBJ" .. "SK3.OBJ", the one spelling
/// every reader and writer uses.
std::string ScoreTableFileName(int mode);
std::filesystem::path ScoreTablePath(const DataFiles& files, int mode);

/// The stored form: 15 records of 54 bytes, little-endian, field by field.
std::string EncodeScoreTable(const ScoreTable& table);

/// Reads the stored form. Bytes past the 15th record are ignored and missing ones read as zero;
/// a record whose values no table could hold (a nation outside 1..8, a rank outside 1..28, a
/// mode above 3, medals past a campaign's 16 missions, a name too long or holding control
/// characters) reads as an empty place.
ScoreTable DecodeScoreTable(std::string_view bytes);

/// The table of a game mode from the user's folder; a missing or unreadable one is 15 empty
/// places.
ScoreTable ReadScoreTable(const DataFiles& files, int mode);

/// Writes the whole table of a game mode into the user's folder, creating the folder; false
/// when it could not be written, leaving any earlier table as it was.
bool WriteScoreTable(const DataFiles& files, int mode, const ScoreTable& table);

/// CLEAR TABLE: the mode's table becomes 15 empty places.
bool ClearScoreTable(const DataFiles& files, int mode);

/// The place 1..15 a score earns: the first record with a lower score. 0 when no record's score is
/// lower, so a score equal to the last place's does not get in.
int QualifyingPosition(const ScoreTable& table, std::uint16_t score);

/// Puts a record at place 1..15; the places below move down one and the last drops out.
void InsertScore(ScoreTable& table, int position, const ScoreRec& record);

/// Why a typed name cannot go into the table, as the player is told; nothing when it can. The
/// name is stored as typed, so its bytes count.
std::optional<std::string_view> NameRefusal(std::string_view name);

} // namespace olvane
