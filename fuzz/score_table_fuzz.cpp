// Score tables: any bytes read as 15 places, each either empty or one the score table window can
// show; what is read writes back to bytes that read the same, the file in a user folder reads as
// the bytes do, and a score inserted where it qualifies keeps the table sound.
#include "fuzz_folder.h"
#include "state/rank_file.h"
#include "state/records.h"
#include "state/score_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace
{

bool Sound(const olvane::ScoreRec& rec)
{
    using namespace olvane;
    if (rec.Empty())
    {
        return rec == ScoreRec{};
    }
    const std::string name = rec.Name.Str();
    return rec.Mode <= ModeCampaign && rec.Nation >= 1 && rec.Nation <= NationCount && rec.Rank >= 1 &&
           rec.Rank <= RankTitleCount && rec.Major + rec.Victories + rec.Minor <= 16 && !NameRefusal(name) &&
           rec.Title.Length <= 25 && rec.Reserved17 == 0 && rec.Reserved47 == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    static const fuzz::FuzzFolder folder("score-fuzz");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ScoreTable table = DecodeScoreTable(bytes);
    for (const ScoreRec& rec : table)
    {
        if (!Sound(rec))
        {
            std::abort();
        }
    }
    const std::string encoded = EncodeScoreTable(table);
    if (encoded.size() != ScoreTableSize || DecodeScoreTable(encoded) != table)
    {
        std::abort();
    }

    const DataFiles files(folder.Path() / "game", folder.Path());
    std::ofstream(ScoreTablePath(files, ModeMission), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (ReadScoreTable(files, ModeMission) != table)
    {
        std::abort();
    }

    const auto score = static_cast<std::uint16_t>(size >= 2 ? data[0] | data[1] << 8 : 1);
    const int place = QualifyingPosition(table, score);
    if (place != 0)
    {
        ScoreRec mine;
        mine.Name.Set("Fuzz");
        mine.Nation = NationItaly;
        mine.Mode = ModeMission;
        mine.Score = score;
        mine.Rank = 28;
        InsertScore(table, place, mine);
        if (table[static_cast<std::size_t>(place - 1)] != mine ||
            DecodeScoreTable(EncodeScoreTable(table)) != table)
        {
            std::abort();
        }
    }
    return 0;
}
