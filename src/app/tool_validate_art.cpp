#include "app/tool_validate.h"

#include "art/bmp_file.h"
#include "art/sheets.h"
#include "art/sounds.h"
#include "state/data_files.h"

#include <string>

namespace olvane
{

namespace
{

void CheckBmpSize(const DataFiles& files, std::string_view name, int width, int height, ValidationReport& report)
{
    const auto path = files.Find(name);
    if (!path)
    {
        report.Add(std::string(name), "", "the picture is missing");
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
        else if (!files.Find(picture.file))
        {
            report.Add(std::string(picture.file), "", "the picture is missing");
        }
    }
    for (const art::SoundFile& sound : art::SoundFiles)
    {
        if (!files.Find(sound.file))
        {
            report.Add(std::string(sound.file), "", "the sound is missing");
        }
    }
}

} // namespace olvane
