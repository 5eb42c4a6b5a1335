#include "turn/end_of_game.h"

#include "rules/awards.h"
#include "state/range_error.h"
#include "state/rank_file.h"
#include "state/rounding.h"
#include "state/scenario.h"
#include "turn/turn_hooks.h"

#include <algorithm>
#include <optional>

namespace olvane
{

namespace
{

constexpr int MissionBase = 550;
constexpr int PointsPerEnemyPort = 8;
constexpr int MissionRankSteps = 13;
constexpr int CampaignRankSteps = 28;
constexpr int CampaignMissions = 16;
constexpr int MaxCarriedPoints = 65535;

/// The index 29 − k of the first of the steps − 1 thresholds the score stays below, k = steps
/// when it reaches them all. Each threshold is its share of the whole, rounded half to even.
int RankBelowThresholds(int whole, int steps, int score)
{
    for (int k = 1; k < steps; ++k)
    {
        const std::int64_t threshold = RoundHalfEven(static_cast<double>(whole) * k / steps);
        if (score < threshold)
        {
            return RankTitleCount + 1 - k;
        }
    }
    return RankTitleCount + 1 - steps;
}

bool HasResult(int result)
{
    return result >= ResultMinorVictory && result <= ResultMajorVictory;
}

std::optional<ScenarioRec> ScenarioWithId(const Game& game, int id, std::optional<int> kind)
{
    for (const ScenarioRec& rec : ReadScenarioDatabase(game.files, game.state.EditionNumber))
    {
        if (rec.ScenarioId == id && (!kind || rec.Kind == *kind))
        {
            return rec;
        }
    }
    return std::nullopt;
}

void UpdateCampaign(Game& game)
{
    GameState& state = game.state;
    CampaignRec& campaign = state.Campaign;
    const int result = state.GameResult;
    if (result == ResultDefeat || result == ResultQuit)
    {
        campaign.Over = CampaignOverFlag;
        return;
    }
    if (CampaignStepOf(game, campaign.MissionCounter + 1) == 0)
    {
        campaign.Over = CampaignOverFlag;
    }
    if (!HasResult(result))
    {
        return;
    }
    campaign.CarriedPoints =
        static_cast<std::uint16_t>(std::clamp(state.ProductionPoints, 0, MaxCarriedPoints));
    // The sum stays at the most a score can hold rather than wrapping round to a small one.
    campaign.Score = static_cast<std::uint16_t>(std::min(campaign.Score + state.MissionScore, 65535));
    if (campaign.MissionCounter >= 1 && campaign.MissionCounter <= CampaignMissions)
    {
        CampaignEntry& entry = campaign.Entries[campaign.MissionCounter - 1];
        entry.Result = static_cast<std::uint8_t>(result);
        entry.Score = state.MissionScore;
        entry.Maximum = MissionMaximum(state);
    }
}

bool InCampaign(const GameState& state)
{
    return state.GameMode == ModeCampaign;
}

int FinalRankIndex(const CampaignRec& campaign)
{
    return CampaignRankIndex(CampaignTotal(campaign), campaign.Score);
}

/// The record the player's name goes in with: the mission's, or the whole campaign's.
ScoreRec ScoreRecordOf(const GameState& state, std::string_view name)
{
    ScoreRec rec;
    rec.Name.Set(name);
    rec.Nation = state.PlayerNation;
    rec.Mode = state.GameMode;
    if (InCampaign(state))
    {
        const CampaignRec& campaign = state.Campaign;
        rec.Number = campaign.Number;
        rec.Title.Set(campaign.Name.Str());
        rec.Score = campaign.Score;
        for (const CampaignEntry& entry : campaign.Entries)
        {
            rec.Major = static_cast<std::uint8_t>(rec.Major + (entry.Result == ResultMajorVictory ? 1 : 0));
            rec.Victories =
                static_cast<std::uint8_t>(rec.Victories + (entry.Result == ResultVictory ? 1 : 0));
            rec.Minor = static_cast<std::uint8_t>(rec.Minor + (entry.Result == ResultMinorVictory ? 1 : 0));
        }
        rec.Rank = static_cast<std::uint8_t>(FinalRankIndex(campaign));
        return rec;
    }
    rec.Number = state.CurrentScenario.ScenarioId;
    rec.Title = state.CurrentScenario.Title;
    rec.Score = state.MissionScore;
    rec.Major = state.GameResult == ResultMajorVictory ? 1 : 0;
    rec.Victories = state.GameResult == ResultVictory ? 1 : 0;
    rec.Minor = state.GameResult == ResultMinorVictory ? 1 : 0;
    rec.Rank = static_cast<std::uint8_t>(MissionRankIndex(MissionMaximum(state), state.MissionScore));
    return rec;
}

/// The place the player's result earns in the game mode's table, 0 when none is offered: a
/// defeat or a quit mission never asks for a name, nor does a campaign before its end.
int QualifyingPlace(const Game& game)
{
    const GameState& state = game.state;
    if (!HasResult(state.GameResult) || state.GameMode < ModeDeathMatch || state.GameMode > ModeCampaign)
    {
        return 0;
    }
    if (InCampaign(state) && state.Campaign.Over == 0)
    {
        return 0;
    }
    const std::uint16_t score = InCampaign(state) ? state.Campaign.Score : state.MissionScore;
    return QualifyingPosition(ReadScoreTable(game.files, state.GameMode), score);
}

} // namespace

std::uint16_t MissionMaximum(const GameState& state)
{
    int enemyPorts = 0;
    for (int k = 0; k <= MaxPorts; ++k)
    {
        const PortRec& port = state.Port(k);
        if (port.StartOwner == SideEnemy && port.Kind == PortKindOrdinary)
        {
            ++enemyPorts;
        }
    }
    const int forces =
        state.SideStats(SidePlayer)[GoalTypeByte] == GoalDestroyAll ? 0 : state.EnemyForceValue;
    // 7 % taken from whole hundredths, so a true half goes to the even side as every score does.
    const std::int64_t share = RoundHalfEven(forces * 7 / 100.0);
    return static_cast<std::uint16_t>(MissionBase + PointsPerEnemyPort * enemyPorts + share);
}

int MissionRankIndex(int maximum, int score)
{
    return RankBelowThresholds(maximum, MissionRankSteps, score);
}

int CampaignTotal(const CampaignRec& campaign)
{
    int total = 0;
    for (const CampaignEntry& entry : campaign.Entries)
    {
        if (entry.Result != ResultDefeat)
        {
            total += entry.Maximum;
        }
    }
    return total;
}

int CampaignRankIndex(int total, int score)
{
    return RankBelowThresholds(total, CampaignRankSteps, score);
}

std::string_view ResultTitle(int result)
{
    switch (result)
    {
        case ResultDefeat:
            return "DEFEAT";
        case ResultMinorVictory:
            return "MINOR VICTORY";
        case ResultVictory:
            return "VICTORY";
        case ResultMajorVictory:
            return "MAJOR VICTORY";
        case ResultQuit:
            return "MISSION ABORTED";
        default:
            return {};
    }
}

int CampaignStepOf(const Game& game, int counter)
{
    if (counter < 1 || counter > CampaignMissions)
    {
        return 0;
    }
    const std::optional<ScenarioRec> header = ScenarioWithId(game, game.state.Campaign.Number, ModeCampaign);
    return header ? header->CampaignSteps[static_cast<std::size_t>(counter - 1)] : 0;
}

void EndMission(Game& game)
{
    AddScore(game, AwardMissionEnd, 0);
    if (InCampaign(game.state))
    {
        UpdateCampaign(game);
    }
}

bool QuitMission(Game& game)
{
    GameState& state = game.state;
    if (state.GameOver != 0)
    {
        return false;
    }
    state.Flow.Quit = 1;
    state.GameOver = 1;
    state.GameResult = ResultQuit;
    RunEndOfGame(game);
    return true;
}

EndOfGameView DescribeEndOfGame(const Game& game)
{
    const GameState& state = game.state;
    EndOfGameView view;
    view.Max = MissionMaximum(state);
    view.RankIndex = MissionRankIndex(view.Max, state.MissionScore);
    view.RankTitle = RankTitleOf(game.files, state.PlayerNation, view.RankIndex);
    view.Title = ResultTitle(state.GameResult);
    view.QualifiesAt = QualifyingPlace(game);
    view.CampaignOver = InCampaign(state) && state.Campaign.Over != 0;
    if (view.CampaignOver)
    {
        view.FinalRankIndex = FinalRankIndex(state.Campaign);
        view.FinalRankTitle = RankTitleOf(game.files, state.PlayerNation, view.FinalRankIndex);
    }
    return view;
}

NameEntry EnterScoreName(Game& game, std::string_view name)
{
    if (const std::optional<std::string_view> refusal = NameRefusal(name))
    {
        game.presenter.ShowError(*refusal);
        return NameEntry::Refused;
    }
    const int place = QualifyingPlace(game);
    if (place == 0)
    {
        return NameEntry::NotQualified;
    }
    const GameState& state = game.state;
    ScoreTable table = ReadScoreTable(game.files, state.GameMode);
    InsertScore(table, place, ScoreRecordOf(state, name));
    if (!WriteScoreTable(game.files, state.GameMode, table))
    {
        game.presenter.ShowError(ScoreTableWriteErrorText);
        return NameEntry::WriteFailed;
    }
    game.state.Flow.ScoreTableOrigin = state.GameMode;
    return NameEntry::Entered;
}

bool ClearHallOfFame(Game& game, int mode)
{
    if (mode < ModeDeathMatch || mode > ModeCampaign)
    {
        throw RangeError("game mode", mode);
    }
    if (!ClearScoreTable(game.files, mode))
    {
        game.presenter.ShowError(ScoreTableWriteErrorText);
        return false;
    }
    return true;
}

FinishNext FinishGame(Game& game)
{
    GameState& state = game.state;
    const int result = state.GameResult;
    state.Flow.Curtain = 0;
    ResetGame(state);
    if (InCampaign(state) && (result == ResultDefeat || result == ResultQuit))
    {
        state.GameMode = ModeMission;
    }
    if (!InCampaign(state))
    {
        ResetCampaign(state);
        return FinishNext::Menu;
    }
    CampaignRec& campaign = state.Campaign;
    campaign.MissionCounter = static_cast<std::uint8_t>(std::min(campaign.MissionCounter + 1, 255));
    state.CampaignStep = static_cast<std::uint16_t>(CampaignStepOf(game, campaign.MissionCounter));
    if (campaign.Over != 0 || state.CampaignStep == 0)
    {
        ResetCampaign(state);
        return FinishNext::Menu;
    }
    const std::optional<ScenarioRec> next = ScenarioWithId(game, state.CampaignStep, std::nullopt);
    state.Flow.MessageHeading = next ? next->Title.Str() : std::string();
    state.Flow.MessageCode = NextMissionMessage;
    return FinishNext::NextMission;
}

} // namespace olvane
