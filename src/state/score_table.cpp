#include "state/score_table.h"

#include "state/byte_io.h"
#include "state/range_error.h"
#include "state/rank_file.h"
#include "state/records.h"

#include <algorithm>
#include <system_error>

namespace olvane
{

namespace
{

// A campaign has at most 16 missions, so no place can hold more medals than that.
constexpr int MaxMedals = 16;

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte < 0x20 || byte == 0x7F;
    });
}

void EncodeRecord(const ScoreRec& rec, std::span<std::uint8_t> bytes)
{
    ByteWriter w(bytes);
    w.Str(0, rec.Name);
    w.U8(16, rec.Nation);
    w.U8(17, rec.Reserved17);
    w.U16(18, rec.Number);
    w.Str(20, rec.Title);
    w.U8(46, rec.Mode);
    w.U8(47, rec.Reserved47);
    w.U16(48, rec.Score);
    w.U8(50, rec.Major);
    w.U8(51, rec.Victories);
    w.U8(52, rec.Minor);
    w.U8(53, rec.Rank);
}

/// A place as the score table window may show it: every value checked, the texts cut to their
/// length and the reserved bytes zero, so that writing it back gives clean bytes.
ScoreRec DecodeRecord(std::span<const std::uint8_t> bytes)
{
    const ByteReader r(bytes);
    const std::uint8_t mode = r.U8(46);
    const std::uint8_t nation = r.U8(16);
    const std::uint8_t rank = r.U8(53);
    const int medals = r.U8(50) + r.U8(51) + r.U8(52);
    const std::uint8_t nameLength = r.U8(0);
    const std::uint8_t titleLength = r.U8(20);
    if (mode == 0 || mode > ModeCampaign || nation < 1 || nation > NationCount || rank < 1 ||
        rank > RankTitleCount || medals > MaxMedals || nameLength > 15 || titleLength > 25)
    {
        return ScoreRec{};
    }
    ScoreRec rec;
    rec.Name.Set(r.Str<15>(0).Str());
    rec.Title.Set(r.Str<25>(20).Str());
    if (HasControlCharacter(rec.Name.Str()) || HasControlCharacter(rec.Title.Str()))
    {
        return ScoreRec{};
    }
    rec.Nation = nation;
    rec.Number = r.U16(18);
    rec.Mode = mode;
    rec.Score = r.U16(48);
    rec.Major = r.U8(50);
    rec.Victories = r.U8(51);
    rec.Minor = r.U8(52);
    rec.Rank = rank;
    return rec;
}

} // namespace

std::string ScoreTableFileName(int mode)
{
    return "SK" + std::to_string(mode) + ".OBJ";
}

std::filesystem::path ScoreTablePath(const DataFiles& files, int mode)
{
    return files.UserDir() / ScoreTableFileName(mode);
}

std::string EncodeScoreTable(const ScoreTable& table)
{
    std::array<std::uint8_t, ScoreTableSize> bytes{};
    for (std::size_t i = 0; i < table.size(); ++i)
    {
        EncodeRecord(table[i], std::span(bytes).subspan(i * ScoreRecordSize, ScoreRecordSize));
    }
    return std::string(bytes.begin(), bytes.end());
}

ScoreTable DecodeScoreTable(std::string_view bytes)
{
    // A short file is padded with empty places, a long one read to its fifteenth record.
    std::array<std::uint8_t, ScoreTableSize> padded{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), padded.size()), padded.begin());
    ScoreTable table;
    for (std::size_t i = 0; i < table.size(); ++i)
    {
        table[i] =
            DecodeRecord(std::span<const std::uint8_t>(padded).subspan(i * ScoreRecordSize, ScoreRecordSize));
    }
    return table;
}

ScoreTable ReadScoreTable(const DataFiles& files, int mode)
{
    return DecodeScoreTable(
        ReadFileHead(ScoreTablePath(files, mode), ScoreTableSize).value_or(std::string()));
}

bool WriteScoreTable(const DataFiles& files, int mode, const ScoreTable& table)
{
    std::error_code error;
    std::filesystem::create_directories(files.UserDir(), error);
    return WriteFileAtomically(ScoreTablePath(files, mode), EncodeScoreTable(table));
}

bool ClearScoreTable(const DataFiles& files, int mode)
{
    return WriteScoreTable(files, mode, ScoreTable{});
}

int QualifyingPosition(const ScoreTable& table, std::uint16_t score)
{
    for (std::size_t i = 0; i < table.size(); ++i)
    {
        if (table[i].Score < score)
        {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void InsertScore(ScoreTable& table, int position, const ScoreRec& record)
{
    if (position < 1 || position > ScoreTableLength)
    {
        throw RangeError("score table place", position);
    }
    const auto at = table.begin() + (position - 1);
    std::move_backward(at, table.end() - 1, table.end());
    *at = record;
}

std::optional<std::string_view> NameRefusal(std::string_view name)
{
    if (name.size() > MaxScoreNameLength)
    {
        return NameTooLongText;
    }
    if (HasControlCharacter(name))
    {
        return NameControlCharacterText;
    }
    return std::nullopt;
}

} // namespace olvane
