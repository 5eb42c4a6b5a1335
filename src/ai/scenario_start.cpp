#include "ai/scenario_start.h"

#include "ai/start_positions.h"
#include "state/forces.h"
#include "state/game.h"
#include "state/scenario.h"

namespace olvane
{

namespace
{

constexpr std::uint8_t GrantArmor = 1;
constexpr std::uint8_t GrantFire = 2;
constexpr std::uint8_t GrantSpeed = 3;
constexpr std::uint8_t GrantRadar = 4;

} // namespace

bool ChooseScenario(Game& game, int slot)
{
    GameState& state = game.state;
    const std::vector<ScenarioRec> records = ReadScenarioDatabase(game.files, state.EditionNumber);
    if (slot < 1 || static_cast<std::size_t>(slot) > records.size())
    {
        return false;
    }
    const ScenarioRec& rec = records[static_cast<std::size_t>(slot - 1)];
    if (state.GameMode == ModeCampaign)
    {
        state.CampaignStep = rec.CampaignSteps[0];
        state.PlayerNation = rec.PlayerNation;
        state.Campaign.Number = rec.ScenarioId;
        state.Campaign.Name.Set(rec.Title.Str().substr(0, 15));
        state.Campaign.MissionCounter = 1;
        return true;
    }
    state.ScenarioNumber = static_cast<std::uint16_t>(slot);
    state.CampaignStep = rec.ScenarioId;
    state.MapNumber = rec.MapNumber;
    state.PlayerNation = rec.PlayerNation;
    state.EnemyNation = rec.EnemyNation;
    state.ProductionPoints = rec.StartPoints;
    return true;
}

bool StartScenario(Game& game)
{
    GameState& state = game.state;
    if (state.GameMode == ModeCampaign)
    {
        state.ScenarioNumber = static_cast<std::uint16_t>(SlotOfScenarioId(game, state.CampaignStep));
    }
    if (!LoadScenario(game, state.ScenarioNumber))
    {
        return false;
    }
    const ScenarioRec& scenario = state.CurrentScenario;
    if (state.GameMode == ModeCampaign)
    {
        state.MapNumber = scenario.MapNumber;
        state.PlayerNation = scenario.PlayerNation;
        state.EnemyNation = scenario.EnemyNation;
        state.ProductionPoints = scenario.StartPoints + state.Campaign.CarriedPoints;
    }
    if (state.Unit(PlayerBaseId + 1).X == 0)
    {
        StartScenarioForces(game);
    }
    PlaceEnemyPortDefences(game, scenario.PortDefence, scenario.PortDefenceKinds);
    ApplyTechGrants(game);
    return true;
}

void ApplyTechGrants(Game& game)
{
    GameState& state = game.state;
    for (int side : {SidePlayer, SideEnemy})
    {
        for (const TechGrant& grant : state.CurrentScenario.TechGrants[static_cast<std::size_t>(side - 1)])
        {
            if (grant.Category >= ClassCategoryCount || grant.Attribute < GrantArmor ||
                grant.Attribute > GrantRadar)
            {
                continue;
            }
            TechRow& row = state.TechBonus(side, grant.Category);
            switch (grant.Attribute)
            {
                case GrantArmor:
                    row.Armor = grant.Level;
                    break;
                case GrantFire:
                    row.Fire = grant.Level;
                    break;
                case GrantSpeed:
                    row.Speed = grant.Level;
                    break;
                default:
                    row.Range = grant.Level;
                    break;
            }
            ApplyTechToUnits(state, game.classes, side, grant.Category, TechModeScenarioStart);
        }
    }
}

} // namespace olvane
