#include "list_compiler.h"

#include <cstdio>
#include <set>
#include <vector>

namespace olvane::datagen
{

namespace
{

constexpr std::size_t NameWidth = 15;
constexpr std::size_t NameField = 16;
constexpr std::size_t NamesPerLine = 5;
constexpr int RankCount = 28;
constexpr std::size_t RankTitleWidth = 23;

std::string NumberField(int n)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%4d", n);
    return buffer;
}

struct NameList
{
    int cls = 0;
    std::string title;
    std::vector<std::string> names;
    SourceLine origin;
};

void AddNames(NameList& list, const SourceLine& line)
{
    std::string name;
    const auto flush = [&] {
        const auto first = name.find_first_not_of(' ');
        if (first == std::string::npos)
        {
            name.clear();
            return;
        }
        name = name.substr(first, name.find_last_not_of(' ') - first + 1);
        if (name.size() > NameWidth || !IsPlainAscii(name))
        {
            throw SourceError(line, "name '" + name + "' is longer than 15 characters or not plain ASCII");
        }
        list.names.push_back(name);
        name.clear();
    };
    for (char c : line.raw)
    {
        if (c == '#')
        {
            break;
        }
        if (c == ',')
        {
            flush();
        }
        else
        {
            name += c;
        }
    }
    flush();
}

} // namespace

std::string CompileNameFile(const std::filesystem::path& source)
{
    std::vector<NameList> lists;
    for (const SourceLine& line : ReadSourceLines(source))
    {
        if (line.words.empty())
        {
            continue;
        }
        if (line.words[0] == "list")
        {
            NameList list;
            list.cls = ToInt(line, Word(line, 1), 1, 109);
            for (std::size_t i = 2; i < line.words.size(); ++i)
            {
                list.title += (i > 2 ? " " : "") + line.words[i];
            }
            list.origin = line;
            lists.push_back(list);
            continue;
        }
        if (lists.empty())
        {
            throw SourceError(line, "names before the first list line");
        }
        AddNames(lists.back(), line);
    }
    std::set<int> seen;
    std::string text;
    for (NameList& list : lists)
    {
        if (!seen.insert(list.cls).second)
        {
            throw SourceError(list.origin, "class listed twice");
        }
        std::set<std::string> unique(list.names.begin(), list.names.end());
        if (unique.size() != list.names.size())
        {
            throw SourceError(list.origin, "a name appears twice in the list");
        }
        // A list holds 10, 15 or 20 names: two, three or four lines of five.
        const std::size_t count = list.names.size() >= 20 ? 20 : list.names.size() >= 15 ? 15 : 10;
        if (list.names.size() != count)
        {
            throw SourceError(list.origin, "a list holds exactly 10, 15 or 20 names, not " +
                                               std::to_string(list.names.size()));
        }
        text += NumberField(list.cls) + " " + list.title + "\n";
        for (std::size_t at = 0; at < count; at += NamesPerLine)
        {
            std::string line = NumberField(list.cls);
            for (std::size_t i = at; i < at + NamesPerLine; ++i)
            {
                line += Field(list.names[i], NameField);
            }
            text += line + "\n";
        }
    }
    return text;
}

std::string CompileRankFile(const std::filesystem::path& source)
{
    std::string text;
    int index = 0;
    for (const SourceLine& line : ReadSourceLines(source))
    {
        if (line.words.empty())
        {
            continue;
        }
        const std::string& shortForm = line.words[0];
        std::string title;
        for (std::size_t i = 1; i < line.words.size(); ++i)
        {
            title += (i > 1 ? " " : "") + line.words[i];
        }
        if (shortForm.size() > 5 || title.empty() || title.size() > RankTitleWidth || !IsPlainAscii(title))
        {
            throw SourceError(line, "a rank line is a short form of up to 5 characters and a title of up to 23");
        }
        ++index;
        text += std::to_string(index) + Field(" " + shortForm, 6) + Field(title, RankTitleWidth) + "\n";
    }
    if (index != RankCount)
    {
        throw SourceError(source.filename().string(), "a rank file holds exactly 28 titles");
    }
    return text;
}

std::string CompileLevelFile(const std::filesystem::path& source)
{
    std::string text;
    for (const SourceLine& line : ReadSourceLines(source))
    {
        if (line.words.empty())
        {
            continue;
        }
        if (line.words.size() != 4)
        {
            throw SourceError(line, "a level line holds panel, column, row and picture");
        }
        const int a = ToInt(line, line.words[0], 1, 39);
        const int b = ToInt(line, line.words[1], 0, 250);
        const int r = ToInt(line, line.words[2], 0, 250);
        const int d = ToInt(line, line.words[3], 1, 109);
        if (a < 10 ? (a > 3 || b < 1 || b > 7 || r < 1 || r > 8) : (a % 10 != 0 || (d > 8 && d != 10)))
        {
            throw SourceError(line, "level picture outside its panel");
        }
        text += std::to_string(a) + ' ' + std::to_string(b) + ' ' + std::to_string(r) + ' ' + std::to_string(d) + "\n";
    }
    return text;
}

std::map<int, std::string> ReadMissionPictures(const std::filesystem::path& source)
{
    std::map<int, std::string> pictures;
    for (const SourceLine& line : ReadSourceLines(source))
    {
        if (line.words.empty())
        {
            continue;
        }
        const std::string& code = line.words[0];
        if (code.size() > 4 || !IsPlainAscii(code))
        {
            throw SourceError(line, "a picture code has at most 4 characters");
        }
        for (std::size_t i = 1; i < line.words.size(); ++i)
        {
            if (!pictures.emplace(ToInt(line, line.words[i], 10, 513), code).second)
            {
                throw SourceError(line, "step " + line.words[i] + " has a picture already");
            }
        }
    }
    return pictures;
}

std::string CompileMissionPictures(const std::map<int, std::string>& pictures)
{
    std::string text;
    for (const auto& [step, code] : pictures)
    {
        text += std::to_string(step) + ' ' + code + "\n";
    }
    return text;
}

} // namespace olvane::datagen
