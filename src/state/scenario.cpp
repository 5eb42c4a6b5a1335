#include "state/scenario.h"

#include "state/scenario_record.h"

#include <span>

namespace olvane
{

namespace
{

constexpr std::string_view MessageFileNotFound = "SCENARIO FILE NOT FOUND";
constexpr std::string_view MessageSlotNotFound = "SCENARIO NOT FOUND IN FILE";

ScenarioRec RecordAt(std::string_view bytes, std::size_t index)
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data()) + index * ScenarioRecordSize;
    return DecodeScenario(std::span<const std::uint8_t, ScenarioRecordSize>(first, ScenarioRecordSize));
}

std::size_t WholeRecords(std::string_view bytes)
{
    return bytes.size() / ScenarioRecordSize;
}

void AddToByte(std::uint8_t& value, int amount)
{
    value = static_cast<std::uint8_t>(value + amount);
}

/// The part of a database record that a game plays from. The record's own slot, its kind and
/// a campaign header's steps describe the database, not the game, and stay out.
ScenarioRec PlayedPart(const ScenarioRec& rec)
{
    ScenarioRec played;
    played.ScenarioId = rec.ScenarioId;
    played.Title = rec.Title;
    played.Tag = rec.Tag;
    played.PlayerNation = rec.PlayerNation;
    played.EnemyNation = rec.EnemyNation;
    played.MapNumber = rec.MapNumber;
    played.MapPicture = rec.MapPicture;
    played.Word94 = rec.Word94;
    played.Word96 = rec.Word96;
    played.StartPoints = rec.StartPoints;
    played.PortDefence = rec.PortDefence;
    played.PortDefenceKinds = rec.PortDefenceKinds;
    played.AttackInterval = rec.AttackInterval;
    played.Byte104 = rec.Byte104;
    played.Byte105 = rec.Byte105;
    played.PurchaseRestriction = rec.PurchaseRestriction;
    played.PortGroupsFlag = rec.PortGroupsFlag;
    played.ShipName1 = rec.ShipName1;
    played.ShipName2 = rec.ShipName2;
    played.NamedShipClass1 = rec.NamedShipClass1;
    played.NamedShipClass2 = rec.NamedShipClass2;
    played.DisperseClasses1 = rec.DisperseClasses1;
    played.DisperseClasses2 = rec.DisperseClasses2;
    played.Marks = rec.Marks;
    played.MarkFacing = rec.MarkFacing;
    played.TechGrants = rec.TechGrants;
    return played;
}

} // namespace

std::string ScenarioFileOf(int edition)
{
    return "BAZE/SCEN/SCENARIO" + std::to_string(edition) + ".FLS";
}

std::vector<ScenarioRec> ReadScenarioDatabase(const DataFiles& files, int edition)
{
    std::vector<ScenarioRec> records;
    const auto bytes = files.Read(ScenarioFileOf(edition));
    if (!bytes)
    {
        return records;
    }
    const std::size_t count = WholeRecords(*bytes);
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
    {
        records.push_back(RecordAt(*bytes, i));
    }
    return records;
}

void AdjustGoalForRank(SideStatsRec& goal, int rank)
{
    const std::uint8_t type = goal[GoalTypeByte];
    const bool judgedByThresholds = type == GoalConquerPorts || type == GoalDestroyAll;
    const bool judgedByDeadline = type == GoalDefendPorts || type == GoalSinkClass || type == GoalConvoy;
    // A deadline of 0 means the goal has none, at every rank.
    const bool hasDeadline = goal[GoalLastTurnByte] != 0;
    if (rank == RankCadet)
    {
        if (judgedByThresholds)
        {
            AddToByte(goal[GoalBestByte], 2);
            AddToByte(goal[GoalMiddleByte], 2);
            AddToByte(goal[GoalLeastByte], 2);
        }
        else if (judgedByDeadline && hasDeadline)
        {
            AddToByte(goal[GoalLastTurnByte], 3);
        }
    }
    else if (rank == RankAdmiral)
    {
        if (judgedByThresholds)
        {
            AddToByte(goal[GoalBestByte], -1);
            AddToByte(goal[GoalMiddleByte], -2);
            AddToByte(goal[GoalLeastByte], -2);
        }
        else if (judgedByDeadline && hasDeadline)
        {
            AddToByte(goal[GoalLastTurnByte], -2);
        }
    }
}

bool LoadScenario(Game& game, int slot)
{
    const auto bytes = game.files.Read(ScenarioFileOf(game.state.EditionNumber));
    if (!bytes)
    {
        game.presenter.ShowError(MessageFileNotFound);
        return false;
    }
    if (slot < 1 || static_cast<std::size_t>(slot) > WholeRecords(*bytes))
    {
        game.presenter.ShowError(MessageSlotNotFound);
        return false;
    }
    const ScenarioRec rec = RecordAt(*bytes, static_cast<std::size_t>(slot - 1));
    GameState& state = game.state;
    state.CurrentScenario = PlayedPart(rec);
    state.SideStats(SidePlayer) = rec.SideSettings[0];
    state.SideStats(SideEnemy) = rec.SideSettings[1];
    AdjustGoalForRank(state.SideStats(SidePlayer), state.Rank);
    return true;
}

int SlotOfScenarioId(Game& game, int id)
{
    for (const ScenarioRec& rec : ReadScenarioDatabase(game.files, game.state.EditionNumber))
    {
        if (rec.ScenarioId == id)
        {
            return rec.Slot;
        }
    }
    return 0;
}

} // namespace olvane
