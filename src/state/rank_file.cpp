#include "state/rank_file.h"

#include "state/text_words.h"

namespace olvane
{

std::string RankFileOf(int nation)
{
    return "BAZE/RANK/" + std::to_string(nation) + "RANK.TXT";
}

RankFile ReadRankFile(std::string_view text)
{
    RankFile file;
    for (int number = 1; !text.empty(); ++number)
    {
        const std::string_view line = NextTextLine(text);
        const std::vector<std::string_view> words = TextWords(line);
        const std::optional<int> index = words.empty() ? std::nullopt : WholeNumber(words[0]);
        if (!index || *index < 1 || *index > RankTitleCount || words.size() < 2)
        {
            file.BadLines.push_back(number);
            continue;
        }
        // The title keeps its inner blanks: it runs from its first word to its last.
        RankTitle rank{*index, std::string(words[1]), ""};
        if (words.size() > 2)
        {
            const std::string_view last = words.back();
            rank.Title.assign(words[2].data(), static_cast<std::size_t>(last.data() + last.size() - words[2].data()));
        }
        file.Titles.push_back(std::move(rank));
    }
    return file;
}

std::string RankTitleOf(const DataFiles& files, int nation, int index)
{
    const std::optional<std::string> text = files.Read(RankFileOf(nation));
    if (!text)
    {
        return {};
    }
    for (const RankTitle& rank : ReadRankFile(*text).Titles)
    {
        if (rank.Index == index)
        {
            return rank.Title;
        }
    }
    return {};
}

} // namespace olvane
