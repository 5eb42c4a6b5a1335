#pragma once

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace olvane
{

/// The next line of a text, without its line end; the text moves past it.
inline std::string_view NextTextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r')
    {
        line.remove_suffix(1);
    }
    return line;
}

/// The blank-separated words of a line.
inline std::vector<std::string_view> TextWords(std::string_view line)
{
    constexpr std::string_view Blanks = " \t\r";
    std::vector<std::string_view> words;
    for (std::size_t at = line.find_first_not_of(Blanks); at != std::string_view::npos;
         at = line.find_first_not_of(Blanks, at))
    {
        const std::size_t end = std::min(line.find_first_of(Blanks, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

/// A word that is a whole number of int range, sign allowed; nothing otherwise.
inline std::optional<int> WholeNumber(std::string_view word)
{
    if (word.size() > 1 && word.front() == '+')
    {
        word.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size())
    {
        return std::nullopt;
    }
    return value;
}

} // namespace olvane
