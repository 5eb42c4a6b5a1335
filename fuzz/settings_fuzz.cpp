// Settings: any bytes read as settings whose every field holds a value the game can use; what
// is read writes back to text that reads the same and is written the same again; the file read
// from a folder is the text read; the lines of problems stay few.
#include "fuzz_folder.h"
#include "state/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    static const fuzz::FuzzFolder folder("settings-fuzz");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> problems;
    const Settings s = ParseSettings(text, problems);
    const int divisor = EnemyPhaseDivisor(s.enemyPhaseSpeed);
    if (s.landSet < ScenarioLandSet || s.landSet >= LandSetCount ||
        (divisor != 0 && divisor != 1 && divisor != 2 && divisor != 4) ||
        (!s.submissionAddress.empty() && !ValidSubmissionAddress(s.submissionAddress)) ||
        problems.size() > 21)
    {
        std::abort();
    }

    const std::string written = FormatSettings(s);
    std::vector<std::string> again;
    if (ParseSettings(written, again) != s || !again.empty() ||
        FormatSettings(ParseSettings(written, again)) != written)
    {
        std::abort();
    }

    const auto path = folder.Path() / "settings.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    std::vector<std::string> fromFile;
    if (ReadSettingsFile(path, fromFile) != s || fromFile != problems)
    {
        std::abort();
    }
    return 0;
}
