#include "platform/sound.h"

#include "platform/game_file.h"

#include <optional>
#include <string>

namespace olvane::platform
{

namespace
{

SoundEffects* installed = nullptr;

struct CodeRange
{
    int first;
    int last;
    std::string_view file;
};

constexpr CodeRange SoundFiles[] = {
    {2, 9, "SIR10.WAV"},         {10, 19, "SIR_SON.WAV"},    {20, 49, "SIR10.WAV"},     {50, 59, "SIR20.WAV"},
    {60, 79, "SIR30.WAV"},       {80, 89, "SIR_AV.WAV"},     {90, 99, "SIR10.WAV"},     {102, 109, "BUM_FRCO.WAV"},
    {110, 119, "BUM_SUB.WAV"},   {120, 130, "BUM_FRCO.WAV"}, {140, 149, "BUM_DE.WAV"},  {150, 159, "BUM_CR.WAV"},
    {160, 169, "BUM_BB.WAV"},    {170, 189, "BUM_AV.WAV"},   {190, 199, "BUM_FRCO.WAV"}, {200, 209, "BUM_ART.WAV"},
    {250, 250, "POTOP.WAV"},     {253, 254, "1CLICK.wav"},
};

// Codes that are no sound at all: not even a pause is looked up for them.
constexpr int SilentFirst = 251;
constexpr int SilentLast = 252;

} // namespace

std::string_view SoundFileForCode(int code)
{
    for (const CodeRange& r : SoundFiles)
    {
        if (code >= r.first && code <= r.last)
        {
            return r.file;
        }
    }
    return {};
}

int SoundPauseForCode(int code)
{
    if (code >= 170 && code <= 189)
    {
        return 500;
    }
    if (code >= 110 && code <= 119)
    {
        return 220;
    }
    return 0;
}

MixerOutput::MixerOutput()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    {
        return;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    open_ = true;
    // The mixer does not tell which device it opened; it is the one device of ours that runs.
    // Device numbers start at 2 for devices opened this way.
    for (SDL_AudioDeviceID id = 2; id < 16 && device_ == 0; ++id)
    {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED)
        {
            device_ = id;
        }
    }
    Rest();
}

MixerOutput::~MixerOutput()
{
    if (open_)
    {
        Mix_HaltChannel(-1);
        chunks_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool MixerOutput::Play(const std::filesystem::path& file)
{
    if (!open_)
    {
        return false;
    }
    auto found = chunks_.find(file);
    if (found == chunks_.end())
    {
        // Read through the guarded reader, so a FIFO or a huge file named like a sound is only
        // a sound that does not play.
        std::string error;
        const std::optional<std::string> bytes = ReadGameFile(file, error);
        if (!bytes)
        {
            return false;
        }
        ChunkPtr chunk(Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1));
        if (!chunk)
        {
            return false;
        }
        found = chunks_.emplace(file, std::move(chunk)).first;
    }
    if (device_ != 0)
    {
        SDL_PauseAudioDevice(device_, 0);
    }
    return Mix_PlayChannel(0, found->second.get(), 0) == 0;
}

bool MixerOutput::Rest()
{
    if (Playing())
    {
        return true;
    }
    if (device_ != 0 && DeviceRunning())
    {
        SDL_PauseAudioDevice(device_, 1);
    }
    return false;
}

bool MixerOutput::Playing() const
{
    return open_ && Mix_Playing(0) != 0;
}

bool MixerOutput::DeviceRunning() const
{
    return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING;
}

SoundEffects::SoundEffects(FindFile find, SoundOutput& output, Wait wait)
    : find_(std::move(find)), output_(output), wait_(std::move(wait))
{
}

void SoundEffects::Play(int code)
{
    if (code >= SilentFirst && code <= SilentLast)
    {
        return;
    }
    std::string_view file = SoundFileForCode(code);
    if (switchOn && !file.empty())
    {
        // A missing wave file is silence: the game goes on as if the sound had played.
        if (auto path = find_("EFF/" + std::string(file)))
        {
            output_.Play(*path);
        }
    }
    if (int pause = SoundPauseForCode(code); pause > 0 && wait_)
    {
        wait_(pause);
    }
}

void InstallSoundEffects(SoundEffects* effects)
{
    installed = effects;
}

SoundEffects* InstalledSoundEffects()
{
    return installed;
}

void PlaySoundEffect(int code)
{
    if (installed != nullptr)
    {
        installed->Play(code);
    }
}

bool RestSound()
{
    return installed != nullptr && installed->Output().Rest();
}

} // namespace olvane::platform
