// The game's data: every table and counter of a game under way, the files it is read from and
// saved to, and Game, which carries them with the services the rest of the core reaches out by.
#pragma once

#include "state/class_table.h"
#include "state/clock.h"
#include "state/data_files.h"
#include "state/game_hooks.h"
#include "state/game_state.h"
#include "state/presenter.h"
#include "state/random.h"

namespace olvane
{

/// The game core's world: the state, the class table, and the services through which it reaches
/// the screen, chance, time and files. Rules take a Game& and nothing global.
struct Game
{
    /// The hooks have no default: a game built for play without the real opponent and turn cycle
    /// would play differently without failing, so every Game names them (PlayHooks() in play).
    Game(Presenter& presenterService, Random& randomService, DataFiles& filesService, Clock& clockService,
         GameHooks hooks)
        : presenter(presenterService), random(randomService), files(filesService), clock(clockService),
          opponent(hooks.opponent), turns(hooks.turns)
    {
    }

    GameState state;
    ClassTable classes;
    Presenter& presenter;
    Random& random;
    DataFiles& files;
    Clock& clock;
    /// Where the rules hand on what the computer opponent and the turn cycle decide.
    Opponent& opponent;
    TurnCycle& turns;
    /// Every player phase of a game under way is saved to the user's autosave files. The game
    /// turns it on; headless runs and tests leave the user's saves alone.
    bool autosave = false;
};

} // namespace olvane
