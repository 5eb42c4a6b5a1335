#include "turn/autosave.h"

#include "state/game.h"
#include "state/save_file.h"

#include <system_error>

namespace olvane
{

namespace fs = std::filesystem;

fs::path AutosavePath(const DataFiles& files, int slot)
{
    return files.SaveDir() / ("autosave-" + std::to_string(slot) + ".sav");
}

int NextAutosaveSlot(const DataFiles& files)
{
    int oldest = 1;
    fs::file_time_type oldestTime = fs::file_time_type::max();
    for (int slot = 1; slot <= AutosaveSlots; ++slot)
    {
        std::error_code error;
        const fs::file_time_type written = fs::last_write_time(AutosavePath(files, slot), error);
        if (error)
        {
            return slot;
        }
        if (written < oldestTime)
        {
            oldest = slot;
            oldestTime = written;
        }
    }
    return oldest;
}

bool Autosave(Game& game)
{
    const fs::path path = AutosavePath(game.files, NextAutosaveSlot(game.files));
    const std::vector<std::uint8_t> bytes = EncodeSaveFile(game.state);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (WriteFileAtomically(path,
                            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
    {
        return true;
    }
    game.state.LBinfo.insert(game.state.LBinfo.begin(), std::string(AutosaveFailedLine));
    game.presenter.RefreshMessageList();
    return false;
}

} // namespace olvane
