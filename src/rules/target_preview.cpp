#include "rules/target_preview.h"

#include "rules/combat.h"
#include "rules/unit_kinds.h"
#include "state/game.h"

namespace olvane
{

TargetPreview PreviewShot(const Game& game, int shooter, int target)
{
    const GameState& state = game.state;
    TargetPreview preview;
    if (!IsUnitCode(shooter) || !IsUnitCode(target) || !IsEnemy(target) || IsEnemy(shooter) ||
        state.FireMode != FireModeTarget)
    {
        return preview;
    }
    const UnitRec& cell = state.Unit(target);
    const UnitRec& victim = state.Unit(MainUnitOf(target));
    const UnitRec& gun = state.Unit(shooter);
    // The same refusals as the click that fires.
    if (cell.Visible == 0 || victim.Active == 0 || gun.Fire == 0 || !CanTarget(game, shooter, target))
    {
        return preview;
    }
    preview.possible = true;
    preview.armor = victim.Armor;
    // A shot at a unit whose armour already reads 0 still sinks it.
    preview.shotsToSink = victim.Armor > 0 ? victim.Armor : 1;
    preview.fireLeft = gun.Fire;
    return preview;
}

std::string TargetPreviewText(const TargetPreview& preview)
{
    if (!preview.possible)
    {
        return {};
    }
    const std::string shots =
        preview.SinksIt() ? "SINKS IT" : std::to_string(preview.shotsToSink) + " SHOTS TO SINK";
    return "ARMOR " + std::to_string(preview.armor) + " - " + shots + " - FIRE " +
           std::to_string(preview.fireLeft) + " LEFT";
}

} // namespace olvane
