#pragma once

// A game folder of one fuzzing process under the system's temporary folder, removed when the
// process ends, so long fuzzing runs leave nothing behind.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace olvane::fuzz
{

class FuzzFolder
{
public:
    explicit FuzzFolder(std::string_view name)
        : path_(std::filesystem::temp_directory_path() /
                ("olvane-" + std::string(name) + "-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }

    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace olvane::fuzz
