#include "source_text.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace olvane::datagen
{

namespace fs = std::filesystem;

SourceError::SourceError(const SourceLine& line, const std::string& what)
    : std::runtime_error(line.file + ":" + std::to_string(line.number) + ": " + what)
{
}

SourceError::SourceError(const std::string& file, const std::string& what) : std::runtime_error(file + ": " + what)
{
}

std::string ReadSourceText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        throw SourceError(path.string(), "cannot be read");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<SourceLine> ReadSourceLines(const fs::path& path)
{
    std::vector<SourceLine> lines;
    std::istringstream in(ReadSourceText(path));
    std::string raw;
    int number = 0;
    while (std::getline(in, raw))
    {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
        {
            raw.pop_back();
        }
        SourceLine line{path.filename().string(), number, {}, raw};
        std::string word;
        bool inWord = false;
        bool quoted = false;
        for (std::size_t i = 0; i < raw.size(); ++i)
        {
            const char c = raw[i];
            if (quoted)
            {
                if (c == '"')
                {
                    quoted = false;
                }
                else
                {
                    word += c;
                }
                continue;
            }
            if (c == '#')
            {
                break;
            }
            if (c == '"')
            {
                quoted = true;
                inWord = true;
                continue;
            }
            if (c == ' ' || c == '\t')
            {
                if (inWord)
                {
                    line.words.push_back(word);
                    word.clear();
                    inWord = false;
                }
                continue;
            }
            word += c;
            inWord = true;
        }
        if (quoted)
        {
            throw SourceError(line, "a quoted text is not closed");
        }
        if (inWord)
        {
            line.words.push_back(word);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<fs::path> SourceFiles(const fs::path& dir, const std::string& extension)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
    {
        if (entry.is_regular_file() && entry.path().extension() == extension)
        {
            files.push_back(entry.path());
        }
    }
    if (error)
    {
        throw SourceError(dir.string(), "folder cannot be read");
    }
    std::sort(files.begin(), files.end());
    return files;
}

int ToInt(const SourceLine& line, const std::string& word, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
    {
        throw SourceError(line, "'" + word + "' is not a number");
    }
    if (value < low || value > high)
    {
        throw SourceError(line, "'" + word + "' is outside " + std::to_string(low) + ".." + std::to_string(high));
    }
    return value;
}

const std::string& Word(const SourceLine& line, std::size_t i)
{
    if (i >= line.words.size())
    {
        throw SourceError(line, "a value is missing");
    }
    return line.words[i];
}

void WriteOutput(const fs::path& path, const std::string& bytes)
{
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
    {
        throw SourceError(path.string(), "cannot be written");
    }
}

std::string Field(const std::string& text, std::size_t width)
{
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    return field;
}

bool IsPlainAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace olvane::datagen
