#include "state/level_file.h"

#include "state/text_words.h"

namespace olvane
{

LevelLayout ReadLevelLayout(std::string_view text)
{
    LevelLayout layout;
    for (int number = 1; !text.empty(); ++number)
    {
        const std::vector<std::string_view> words = TextWords(NextTextLine(text));
        std::optional<int> values[4];
        for (std::size_t i = 0; i < 4 && i < words.size(); ++i)
        {
            values[i] = WholeNumber(words[i]);
        }
        if (!values[0] || !values[1] || !values[2] || !values[3] || *values[0] < 1)
        {
            layout.BadLines.push_back(number);
            continue;
        }
        layout.Entries.push_back({number, *values[0], *values[1], *values[2], *values[3]});
    }
    return layout;
}

} // namespace olvane
