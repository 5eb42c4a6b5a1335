#pragma once

#include <string>

namespace olvane
{

struct Game;

/// What the next shot at a target would do, for the information box while the player chooses a
/// target. It is read from the same fields and checks the shot itself uses and changes nothing.
struct TargetPreview
{
    /// False when the shooter could not fire at the target now; the rest is then meaningless.
    bool possible = false;
    /// The target's armour as the player sees it: each shot takes one point, none left sinks it.
    int armor = 0;
    int shotsToSink = 0;
    /// The shooter's fire points before the shot.
    int fireLeft = 0;

    bool SinksIt() const { return possible && shotsToSink == 1; }
};

/// The preview of a shot from the shooter at a unit (either cell of a large ship), under the
/// conditions of the player's click while a target is awaited.
TargetPreview PreviewShot(const Game& game, int shooter, int target);

/// "ARMOR 3 - 3 SHOTS TO SINK - FIRE 2 LEFT", or "ARMOR 1 - SINKS IT - FIRE 2 LEFT".
std::string TargetPreviewText(const TargetPreview& preview);

} // namespace olvane
