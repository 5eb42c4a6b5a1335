#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace olvane::platform::test
{

/// A fresh folder under the system's temporary folder, removed when the test ends.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device seed;
        path = std::filesystem::temp_directory_path() / ("olvane-platform-" + std::to_string(seed()));
        std::filesystem::create_directories(path);
    }

    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path path;
};

inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace olvane::platform::test
