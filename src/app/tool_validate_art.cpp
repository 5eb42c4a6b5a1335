#include "app/tool_validate.h"

#include "art/bmp_file.h"
#include "art/sheets.h"
#include "art/sounds.h"
#include "state/data_files.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace olvane
{

namespace
{

/// The file the game would load under `name`. Missing, or anything but a regular file in its
/// place (a folder, a FIFO), is reported: the game could not load it either.
std::optional<std::filesystem::path> FindFile(const DataFiles& files, std::string_view name, const std::string& kind,
                                              ValidationReport& report)
{
    const auto path = files.Find(name);
    std::error_code error;
    if (!path)
    {
        report.Add(std::string(name), "", "the " + kind + " is missing");
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(*path, error))
    {
        report.Add(std::string(name), "", "is no file (a folder or a device stands in its place), so the " + kind +
                                               " cannot be loaded");
        return std::nullopt;
    }
    return path;
}

void CheckBmpSize(const DataFiles& files, std::string_view name, int width, int height, ValidationReport& report)
{
    const auto path = FindFile(files, name, "picture", report);
    if (!path)
    {
        return;
    }
    const auto image = art::ReadBmp(*path);
    if (!image)
    {
        report.Add(std::string(name), "", "is not an uncompressed 24-bit BMP");
    }
    else if (image->width != width || image->height != height)
    {
        report.Add(std::string(name), "",
                   "is " + std::to_string(image->width) + " x " + std::to_string(image->height) + ", the game draws it as " +
                       std::to_string(width) + " x " + std::to_string(height));
    }
}

} // namespace

void CheckPicturesAndSounds(const DataFiles& files, ValidationReport& report)
{
    for (const art::Sheet* sheet : art::AllSheets)
    {
        CheckBmpSize(files, sheet->file, sheet->Width(), sheet->Height(), report);
    }
    for (const art::Picture& picture : art::Pictures)
    {
        if (picture.format == art::Format::Bmp)
        {
            CheckBmpSize(files, picture.file, picture.width, picture.height, report);
        }
        else
        {
            FindFile(files, picture.file, "picture", report);
        }
    }
    for (const art::SoundFile& sound : art::SoundFiles)
    {
        FindFile(files, sound.file, "sound", report);
    }
}

} // namespace olvane
