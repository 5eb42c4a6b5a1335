#pragma once

#include "state/class_table.h"
#include "state/clock.h"
#include "state/data_files.h"
#include "state/game_state.h"
#include "state/presenter.h"
#include "state/random.h"

namespace olvane
{

/// The game core's world: the state, the class table, and the services through which it reaches
/// the screen, chance, time and files. Rules take a Game& and nothing global.
struct Game
{
    Game(Presenter& presenterService, Random& randomService, DataFiles& filesService, Clock& clockService)
        : presenter(presenterService), random(randomService), files(filesService), clock(clockService)
    {
    }

    GameState state;
    ClassTable classes;
    Presenter& presenter;
    Random& random;
    DataFiles& files;
    Clock& clock;
    /// Every player phase of a game under way is saved to the user's autosave files. The game
    /// turns it on; headless runs and tests leave the user's saves alone.
    bool autosave = false;
};

} // namespace olvane
