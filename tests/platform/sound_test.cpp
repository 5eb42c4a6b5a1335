#include "platform/sound.h"
#include "platform/platform_test_support.h"

#include <fstream>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace olvane::platform
{
namespace
{

class RecordingOutput : public SoundOutput
{
public:
    bool Play(const std::filesystem::path& file) override
    {
        played.push_back(file.filename().string());
        return true;
    }

    std::vector<std::string> played;
};

// A short 8-bit mono wave file: a few milliseconds of a square tone.
void WriteWave(const std::filesystem::path& path, int samples)
{
    auto le32 = [](std::ofstream& out, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
        {
            out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    auto le16 = [](std::ofstream& out, std::uint16_t v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    le32(out, 36 + static_cast<std::uint32_t>(samples));
    out << "WAVEfmt ";
    le32(out, 16);
    le16(out, 1);
    le16(out, 1);
    le32(out, 11025);
    le32(out, 11025);
    le16(out, 1);
    le16(out, 8);
    out << "data";
    le32(out, static_cast<std::uint32_t>(samples));
    for (int i = 0; i < samples; ++i)
    {
        out.put(static_cast<char>((i / 10) % 2 == 0 ? 0x40 : 0xC0));
    }
}

TEST(Sound, CodesChooseTheirWaveFiles)
{
    EXPECT_EQ(SoundFileForCode(12), "SIR_SON.WAV") << "a submarine's siren is the sonar";
    EXPECT_EQ(SoundFileForCode(85), "SIR_AV.WAV");
    EXPECT_EQ(SoundFileForCode(2), "SIR10.WAV");
    EXPECT_EQ(SoundFileForCode(45), "SIR10.WAV");
    EXPECT_EQ(SoundFileForCode(55), "SIR20.WAV");
    EXPECT_EQ(SoundFileForCode(79), "SIR30.WAV");
    EXPECT_EQ(SoundFileForCode(185), "BUM_AV.WAV") << "aircraft and carriers share their explosion";
    EXPECT_EQ(SoundFileForCode(172), "BUM_AV.WAV");
    EXPECT_EQ(SoundFileForCode(115), "BUM_SUB.WAV");
    EXPECT_EQ(SoundFileForCode(130), "BUM_FRCO.WAV");
    EXPECT_EQ(SoundFileForCode(205), "BUM_ART.WAV");
    EXPECT_EQ(SoundFileForCode(250), "POTOP.WAV");
    EXPECT_EQ(SoundFileForCode(253), "1CLICK.wav");
    EXPECT_EQ(SoundFileForCode(254), "1CLICK.wav");
    for (int silent : {0, 1, 100, 101, 131, 139, 210, 249, 251, 252, 255})
    {
        EXPECT_EQ(SoundFileForCode(silent), "") << silent;
    }
}

TEST(Sound, PausesHappenWithTheSoundOffAndMissingFilesAreSilence)
{
    RecordingOutput output;
    std::vector<int> waits;
    std::vector<std::string> looked;
    SoundEffects effects(
        [&](std::string_view name) -> std::optional<std::filesystem::path> {
            looked.emplace_back(name);
            if (name == "EFF/POTOP.WAV")
            {
                return std::nullopt;
            }
            return std::filesystem::path("/game") / name;
        },
        output, [&](int ms) { waits.push_back(ms); });

    effects.Play(175);
    effects.Play(112);
    effects.Play(253);
    effects.Play(250); // its file is missing
    effects.Play(251); // does nothing at all
    effects.Play(131); // no file
    EXPECT_EQ(output.played, (std::vector<std::string>{"BUM_AV.WAV", "BUM_SUB.WAV", "1CLICK.wav"}));
    EXPECT_EQ(waits, (std::vector<int>{500, 220}));
    EXPECT_EQ(looked.back(), "EFF/POTOP.WAV");

    effects.switchOn = false;
    output.played.clear();
    waits.clear();
    effects.Play(180);
    effects.Play(119);
    effects.Play(60);
    EXPECT_TRUE(output.played.empty());
    EXPECT_EQ(waits, (std::vector<int>{500, 220}));

    InstallSoundEffects(&effects);
    PlaySoundEffect(110);
    InstallSoundEffects(nullptr);
    PlaySoundEffect(110);
    EXPECT_EQ(waits.size(), 3u);
}

TEST(Sound, TheMixerPlaysWaveFilesOnOneChannel)
{
    test::TempFolder dir;
    WriteWave(dir.path / "1CLICK.wav", 11025);
    WriteWave(dir.path / "SIR10.WAV", 11025);
    MixerOutput mixer;
    if (!mixer.HasDevice())
    {
        GTEST_SKIP() << "no audio device, not even the dummy one";
    }
    EXPECT_FALSE(mixer.DeviceRunning()) << "no sound yet: the device rests";
    EXPECT_TRUE(mixer.Play(dir.path / "1CLICK.wav"));
    EXPECT_TRUE(mixer.Playing());
    EXPECT_TRUE(mixer.DeviceRunning());
    EXPECT_TRUE(mixer.Rest()) << "the event loop must come back while a sound plays";
    EXPECT_TRUE(mixer.DeviceRunning()) << "a sound still playing keeps the device going";
    EXPECT_TRUE(mixer.Play(dir.path / "SIR10.WAV")) << "a new sound replaces the one playing";
    EXPECT_TRUE(mixer.Playing());
    EXPECT_FALSE(mixer.Play(dir.path / "BUM_BB.WAV"));
    std::ofstream(dir.path / "broken.wav") << "RIFF....";
    EXPECT_FALSE(mixer.Play(dir.path / "broken.wav"));
    // A FIFO named like a sound: opening it to read would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo((dir.path / "BUM_SS.WAV").c_str(), 0644), 0);
    EXPECT_FALSE(mixer.Play(dir.path / "BUM_SS.WAV"));

    Mix_HaltChannel(0);
    EXPECT_FALSE(mixer.Rest());
    EXPECT_FALSE(mixer.DeviceRunning()) << "silence lets the device rest again";
    EXPECT_TRUE(mixer.Play(dir.path / "1CLICK.wav"));
    EXPECT_TRUE(mixer.DeviceRunning());
}

} // namespace
} // namespace olvane::platform
