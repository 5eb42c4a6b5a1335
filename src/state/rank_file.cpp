#include "state/rank_file.h"

#include "state/text_words.h"

namespace olvane
{

std::string RankFileOf(int nation)
{
    return "BAZE/RANK/" + std::to_string(nation) + "RANK.TXT";
}

namespace
{

constexpr std::size_t ShortFieldWidth = 6;
constexpr std::size_t TitleFieldWidth = 23;

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view Blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
    {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

} // namespace

RankFile ReadRankFile(std::string_view text)
{
    RankFile file;
    for (int number = 1; !text.empty(); ++number)
    {
        const std::string_view line = NextTextLine(text);
        const std::vector<std::string_view> words = TextWords(line);
        const int index = words.empty() ? 0 : WholeNumber(words[0]).value_or(0);
        // The fields are columns: the short form fills the 6 characters after the index and the
        // title the 23 after it, so a 5-letter short form runs straight into the title. A line
        // whose second word starts inside the short field was written by hand with blanks
        // between its words, and is read by its words.
        const std::size_t afterIndex =
            words.empty() ? line.size()
                          : static_cast<std::size_t>(words[0].data() + words[0].size() - line.data());
        const std::string_view rest = line.substr(afterIndex);
        const bool byWords =
            words.size() > 2 && static_cast<std::size_t>(words[2].data() - rest.data()) < ShortFieldWidth;
        const std::string_view shortForm = byWords ? words[1] : Trimmed(rest.substr(0, ShortFieldWidth));
        if (index < 1 || index > RankTitleCount || shortForm.empty())
        {
            file.BadLines.push_back(number);
            continue;
        }
        std::string_view title;
        if (byWords)
        {
            title = Trimmed(rest.substr(static_cast<std::size_t>(words[2].data() - rest.data())));
        }
        else if (rest.size() > ShortFieldWidth)
        {
            title = Trimmed(rest.substr(ShortFieldWidth, TitleFieldWidth));
        }
        file.Titles.push_back(RankTitle{index, std::string(shortForm), std::string(title)});
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
