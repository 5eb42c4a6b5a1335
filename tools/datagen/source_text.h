#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace olvane::datagen
{

/// One line of a content source, split into words. A quoted word keeps its blanks (titles may
/// end in a blank on purpose); '#' outside quotes starts a comment.
struct SourceLine
{
    std::string file;
    int number = 0;
    std::vector<std::string> words;
    std::string raw;
};

/// A fault in a content source, reported with the file and line it is in.
class SourceError : public std::runtime_error
{
public:
    SourceError(const SourceLine& line, const std::string& what);
    SourceError(const std::string& file, const std::string& what);
};

std::vector<SourceLine> ReadSourceLines(const std::filesystem::path& path);

/// The whole text of a file; throws SourceError when it cannot be read.
std::string ReadSourceText(const std::filesystem::path& path);

/// The files of a content folder with the given extension, in name order, so the compiled data
/// does not depend on the order the file system lists them in.
std::vector<std::filesystem::path> SourceFiles(const std::filesystem::path& dir, const std::string& extension);

int ToInt(const SourceLine& line, const std::string& word, int low, int high);

/// The word at index i; a missing word is a fault of the line.
const std::string& Word(const SourceLine& line, std::size_t i);

/// Writes a file, creating its folders; throws SourceError on failure.
void WriteOutput(const std::filesystem::path& path, const std::string& bytes);

/// Pads or cuts a text to a fixed width.
std::string Field(const std::string& text, std::size_t width);

bool IsPlainAscii(const std::string& text);

} // namespace olvane::datagen
