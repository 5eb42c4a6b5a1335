#include "state/game_state.h"

#include <algorithm>

namespace olvane
{

namespace
{

// A group record at rest: its number, and the mark byte a fresh record carries.
constexpr std::uint8_t FreshGroupMark = 32;

} // namespace

void ResetGame(GameState& state)
{
    state.MapGrid.Fill(0);
    state.LandGrid.Fill(0);
    state.MarkGrid.Fill(0);
    for (int id = FirstUnitId; id <= LastUnitId; ++id)
    {
        state.Unit(id) = UnitRec{};
    }
    for (int g = 1; g <= GroupCount; ++g)
    {
        state.AIGroup(g) = AIGroupRec{};
        state.AIGroup(g).Number = static_cast<std::uint8_t>(g);
        state.AIGroup(g).Mark = FreshGroupMark;
    }
    state.MapWidth = 96;
    state.MapHeight = 96;
    state.TurnNumber = 0;
    state.EnemyNation = 0;
    state.ScenarioNumber = 0;
    state.CampaignStep = 0;
    state.MapNumber = 0;
    state.PlayerShipCount = 0;
    state.EnemyShipCount = 0;
    state.AIGroupCount = 0;
    state.EnemyForceValue = 0;
    // A campaign keeps its nation from one mission to the next.
    if (state.GameMode != ModeCampaign)
    {
        state.PlayerNation = 0;
    }
    state.DestroyedList = DestroyedListRec{};
    state.SideStats(SidePlayer).fill(0);
    state.SideStats(SideEnemy).fill(0);
    for (int i = 0; i < MapObjectCount; ++i)
    {
        state.MapObject(i) = MapObjectRec{};
    }
    state.PortCount = 0;
    for (int k = 0; k <= 20; ++k)
    {
        state.Port(k) = PortRec{};
    }
    // A new game starts with nothing selected, no fire target awaited and no outcome decided.
    state.SelectedUnit = 0;
    state.FireMode = FireModeMove;
    state.GroupMode = GroupModeNone;
    state.NewContactFound = 0;
    state.LastMovedUnit = 0;
    state.GameOver = 0;
    state.GameResult = ResultDefeat;
    state.BlinkEnabled = 0;
    state.EnemyPhaseRunning = 0;
    state.ContactCount = 0;
    state.ContactList.fill(0);
    state.KnownEnemyCount = 0;
    state.KnownEnemies.fill(0);
    // A new game has not been started by the briefing yet.
    state.Flow.Started = 0;
}

void ResetCampaign(GameState& state)
{
    state.Rank = RankCaptain;
    state.ProductionPoints = 0;
    state.MissionScore = 0;
    state.CampaignAux = 0;
    state.PlayerNation = 0;
    state.Campaign = CampaignRec{};
}

void ClearMaps(GameState& state)
{
    const int width = std::clamp(state.MapWidth, 0, MapSize);
    const int height = std::clamp(state.MapHeight, 0, MapSize);
    for (int x = 1; x <= width; ++x)
    {
        for (int y = 1; y <= height; ++y)
        {
            const bool columnLine = x % SectorLineSpacing == 0;
            const bool rowLine = y % SectorLineSpacing == 0;
            std::uint16_t code = CodeSea;
            if (columnLine && rowLine)
            {
                code = CodeCrossLine;
            }
            else if (columnLine)
            {
                code = CodeColumnLine;
            }
            else if (rowLine)
            {
                code = CodeRowLine;
            }
            state.MapGrid(x, y) = code;
            state.LandGrid(x, y) = 0;
            state.MarkGrid(x, y) = 0;
        }
    }
}

} // namespace olvane
