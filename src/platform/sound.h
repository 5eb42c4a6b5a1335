#pragma once

#include "platform/sdl_handles.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

namespace olvane::platform
{

/// The wave file a sound code plays: sirens by class, explosions by class + 100, the sinking
/// (250) and the click (253, 254). Empty for codes without a file.
std::string_view SoundFileForCode(int code);

/// How long the caller waits after starting a sound, so a carrier's or a submarine's end is
/// heard before the game goes on.
int SoundPauseForCode(int code);

/// Where sounds go. The game's sounds play on one channel: a new one cuts the old one off.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    /// Starts a wave file and returns at once; false when nothing could be played.
    virtual bool Play(const std::filesystem::path& file) = 0;

    /// Called when the program is about to sleep: an output may stop its device while nothing
    /// plays, so an idle game wakes for nothing. True while a sound still plays, so the caller
    /// comes back to rest it when the sound ends.
    virtual bool Rest() { return false; }
};

/// SDL2_mixer on one channel. Without an audio device the game is silent, never in error.
class MixerOutput final : public SoundOutput
{
public:
    MixerOutput();
    ~MixerOutput() override;
    MixerOutput(const MixerOutput&) = delete;
    MixerOutput& operator=(const MixerOutput&) = delete;

    bool Play(const std::filesystem::path& file) override;

    /// Pauses the device once the channel has finished; the next Play starts it again.
    bool Rest() override;

    bool HasDevice() const { return open_; }

    /// True while the channel still plays.
    bool Playing() const;

    /// True while the device runs (a sound plays, or one ended since the last rest).
    bool DeviceRunning() const;

private:
    bool open_ = false;
    SDL_AudioDeviceID device_ = 0;
    std::map<std::filesystem::path, ChunkPtr> chunks_;
};

/// The game's one sound operation with its master switch (the headquarters' "Sound " box).
class SoundEffects
{
public:
    using FindFile = std::function<std::optional<std::filesystem::path>(std::string_view relative)>;
    using Wait = std::function<void(int milliseconds)>;

    /// find resolves a name such as "EFF/SIR10.WAV" under the game folder.
    SoundEffects(FindFile find, SoundOutput& output, Wait wait);

    bool switchOn = true;

    /// Starts the sound of a code (when the switch is on and its file exists), then keeps the
    /// code's pause, which happens with the sound off too.
    void Play(int code);

    SoundOutput& Output() { return output_; }

private:
    FindFile find_;
    SoundOutput& output_;
    Wait wait_;
};

/// The program-wide sound effects that PlaySoundEffect uses; none installed means silence.
void InstallSoundEffects(SoundEffects* effects);
SoundEffects* InstalledSoundEffects();

/// Plays a sound code through the installed sound effects.
void PlaySoundEffect(int code);

/// Lets the installed sound output rest while nothing plays (the event loop, before it sleeps);
/// true while a sound still plays.
bool RestSound();

} // namespace olvane::platform
