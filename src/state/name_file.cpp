#include "state/name_file.h"

#include <array>
#include <charconv>
#include <optional>

namespace olvane
{

namespace
{

constexpr std::size_t NumberFieldWidth = 4;
constexpr std::size_t NameFieldWidth = 16;
constexpr std::size_t NamesPerLine = 5;
constexpr int MandatoryNameLines = 2;
constexpr int MaxNameLines = 4;

constexpr std::array<std::string_view, 8> NameFiles = {
    "F30_NUSA.TXT", "F30_NGER.TXT", "F30_NBRI.TXT", "F30_NJAP.TXT",
    "F30_NCAN.TXT", "F30_NAUS.TXT", "F30_NNEZ.TXT", "F30_NITA.TXT",
};

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
    {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

/// The number field at the head of a line; nothing when it holds no whole number.
std::optional<int> NumberField(std::string_view line)
{
    std::string_view field = TrimBlanks(line.substr(0, NumberFieldWidth));
    if (!field.empty() && field.front() == '+')
    {
        field.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc{} || end != field.data() + field.size())
    {
        return std::nullopt;
    }
    return value;
}

/// Splits the text into lines, accepting both line-end conventions.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty())
    {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
        {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos)
        {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

void AppendNames(std::string_view line, std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < NamesPerLine; ++i)
    {
        const std::size_t start = NumberFieldWidth + i * NameFieldWidth;
        names.emplace_back(start < line.size() ? line.substr(start, NameFieldWidth) : std::string_view{});
    }
}

} // namespace

std::string NameFileOf(int nation)
{
    if (nation < 1 || nation > static_cast<int>(NameFiles.size()))
    {
        return {};
    }
    return "BAZE/IME/" + std::string(NameFiles[static_cast<std::size_t>(nation - 1)]);
}

int NameListClassOf(int c)
{
    switch (c)
    {
        case 18:
            return 16;
        case 48:
            return 46;
        case 51:
        case 52:
            return 50;
        case 54:
            return 53;
        case 58:
            return 56;
        case 60:
            return 63;
        case 68:
            return 66;
        case 71:
        case 72:
            return 70;
        case 74:
            return 73;
        case 78:
            return 20;
        case 81:
            return 80;
        case 82:
        case 84:
            return 83;
        case 87:
        case 88:
            return 86;
        default:
            break;
    }
    if (c >= 90 && c <= 99)
    {
        return 93;
    }
    if (c >= 100 && c <= 103)
    {
        return 100;
    }
    if (c >= 104 && c <= 106)
    {
        return 103;
    }
    if (c >= 107 && c <= 109)
    {
        return 109;
    }
    return c;
}

std::vector<std::string> ReadNameList(std::string_view text, int k)
{
    std::vector<std::string> names;
    const std::vector<std::string_view> lines = Lines(text);
    std::size_t header = 0;
    while (header < lines.size() && NumberField(lines[header]) != k)
    {
        ++header;
    }
    for (int nameLine = 0; nameLine < MaxNameLines; ++nameLine)
    {
        const std::size_t index = header + 1 + static_cast<std::size_t>(nameLine);
        if (index >= lines.size())
        {
            break;
        }
        if (nameLine >= MandatoryNameLines && NumberField(lines[index]) != k)
        {
            break;
        }
        AppendNames(lines[index], names);
    }
    return names;
}

} // namespace olvane
