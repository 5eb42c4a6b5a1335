#pragma once

// The game's sound effects: each wave file under EFF/ and the sound codes that play it. A code is
// a class number for that class's radar siren, the class number + 100 for its explosion, 250 for
// a sinking and 253 or 254 for a button click. All files are 16-bit PCM, mono, 22050 Hz.

#include <array>
#include <string_view>

namespace olvane::art
{

constexpr int SoundRate = 22050;

struct SoundFile
{
    std::string_view file;
    std::string_view description;
    double seconds; ///< the generated length
};

constexpr std::array<SoundFile, 14> SoundFiles{{
    {"EFF/1CLICK.wav", "button click", 0.06},
    {"EFF/SIR10.WAV", "radar siren, small ships (high)", 0.9},
    {"EFF/SIR20.WAV", "radar siren, cruisers (middle)", 1.0},
    {"EFF/SIR30.WAV", "radar siren, battleships and carriers (low)", 1.1},
    {"EFF/SIR_SON.WAV", "sonar ping", 1.2},
    {"EFF/SIR_AV.WAV", "aircraft siren", 1.0},
    {"EFF/BUM_FRCO.WAV", "explosion of a small ship or shore installation", 0.9},
    {"EFF/BUM_SUB.WAV", "underwater explosion of a submarine", 1.1},
    {"EFF/BUM_DE.WAV", "explosion of a destroyer", 1.0},
    {"EFF/BUM_CR.WAV", "explosion of a cruiser", 1.3},
    {"EFF/BUM_BB.WAV", "explosion of a battleship, magazine going up", 1.7},
    {"EFF/BUM_AV.WAV", "explosion of an aircraft or carrier", 1.2},
    {"EFF/BUM_ART.WAV", "port artillery shell burst", 0.8},
    {"EFF/POTOP.WAV", "a ship sinking", 2.2},
}};

/// The file a sound code plays ("" for a code without a file; 251 and 252 play nothing either).
constexpr std::string_view SoundFileForCode(int code)
{
    struct Range
    {
        int first, last;
        std::string_view file;
    };
    constexpr std::array<Range, 18> ranges{{
        {2, 9, "EFF/SIR10.WAV"},       {10, 19, "EFF/SIR_SON.WAV"},   {20, 49, "EFF/SIR10.WAV"},
        {50, 59, "EFF/SIR20.WAV"},     {60, 79, "EFF/SIR30.WAV"},     {80, 89, "EFF/SIR_AV.WAV"},
        {90, 99, "EFF/SIR10.WAV"},     {102, 109, "EFF/BUM_FRCO.WAV"}, {110, 119, "EFF/BUM_SUB.WAV"},
        {120, 130, "EFF/BUM_FRCO.WAV"}, {140, 149, "EFF/BUM_DE.WAV"},  {150, 159, "EFF/BUM_CR.WAV"},
        {160, 169, "EFF/BUM_BB.WAV"},  {170, 189, "EFF/BUM_AV.WAV"},   {190, 199, "EFF/BUM_FRCO.WAV"},
        {200, 209, "EFF/BUM_ART.WAV"}, {250, 250, "EFF/POTOP.WAV"},    {253, 254, "EFF/1CLICK.wav"},
    }};
    for (const Range& r : ranges)
    {
        if (code >= r.first && code <= r.last)
        {
            return r.file;
        }
    }
    return {};
}

} // namespace olvane::art
