#pragma once

namespace olvane
{

struct Game;
class GameState;
class HeadlessPresenter;

/// Plays the player's side without a screen, for tests, soak runs and olvane-tool simulate.
/// Every unit it is given sails towards the nearest enemy it can see (a convoy ship towards its
/// goal port, other ships without a sighting towards the computer's nearest port, or else
/// anywhere it can reach), fires at every target its scan allows until its Fire is spent, and
/// shore installations scan where they stand. Its only chance is the game's own Random, so a
/// game with a fixed seed plays out the same every time.
class Autoplayer
{
public:
    /// Takes over the presenter's fire-target wait.
    Autoplayer(Game& game, HeadlessPresenter& presenter);

    /// The unit's action: a destination, then MoveUnit.
    void PlayUnit(int unit);

    /// The target a shooter fires at next: the first unit of its scan it may fire at; 0 when none.
    int ChooseFireTarget(int shooter) const;

    /// Plays the rest of the player phase and, through it, the computer's phase; returns when the
    /// next player phase has started or the game is over.
    void PlayTurn();

private:
    Game& game_;
};

/// The units a side has lost so far, as the list of units lost records them.
int LossesOf(const GameState& state, int side);

} // namespace olvane
