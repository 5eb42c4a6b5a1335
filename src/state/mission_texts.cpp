#include "state/mission_texts.h"

#include "state/map_file.h"
#include "state/records.h"

#include <string_view>

namespace olvane
{

namespace
{

constexpr std::uint8_t GoalTransporters = 6;

// Codes of the message window that carry fixed lines.
constexpr int CodeMissionStatus = 1;
constexpr int CodeDeploymentDone = 51;
constexpr int CodeDeploymentHelp = 52;
constexpr int CodeAbout = 53;
constexpr int CodePlacementRefused = 54;
constexpr int CodeNextMission = 55;
constexpr int CodeOutOfResources = 57;
constexpr int FirstLiberated = 101;
constexpr int LastLiberated = 130;
constexpr int FirstConquered = 131;
constexpr int LastConquered = 160;
constexpr int FirstWarning = 250;
constexpr int LastWarning = 255;

/// The class name as the lists show it, without the blanks that pad the record.
std::string ClassName(const ClassTable& classes, int c)
{
    if (c < 0 || c > LastClassIndex)
    {
        return {};
    }
    std::string name = classes.Class(c).Name.Str();
    while (!name.empty() && name.back() == ' ')
    {
        name.pop_back();
    }
    return name;
}

std::string Plural(int count)
{
    return count == 1 ? "" : "s";
}

/// The purchase warnings 250..255: up to three lines each.
std::array<std::string_view, 3> WarningLines(int code)
{
    switch (code)
    {
        case 250:
            return {"There is not any free land area", "near your ports to deploy planes.",
                    "Planes can be placed 3 fields around port"};
        case 251:
            return {"Factories under heavy attack", "You can`t purchase any ship/plane in this mission.", ""};
        case 252:
            return {"Storm ocean", "You can`t have subs in this mission.", ""};
        case 253:
            return {"Bad airfields on islands.", "You can`t have planes in this mission.", ""};
        case 254:
            return {"Bad weather.", "You can`t have planes or carriers", "in this mission"};
        default:
            return {"You dont control any port", "to deploy planes around", ""};
    }
}

/// The port's name for a capture message; nothing for a number the map does not hold.
std::string CapturedPortName(const GameState& state, int port)
{
    return port >= 1 && port <= state.PortCount ? PortLabel(state, port) : std::string();
}

void MissionStatus(const GameState& state, const ClassTable& classes, MessageLines& m)
{
    m.objectiveShown = true;
    if (state.Flow.Quit != 0)
    {
        return;
    }
    m.saveShown = true;
    const int turn = state.TurnNumber;
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    m.title = "TURN " + std::to_string(turn);
    m.objective = ObjectiveText(state, classes, SidePlayer);
    const int type = goal[GoalTypeByte];
    if (type == GoalConquerPorts || type == GoalSinkClass || type == GoalDestroyAll)
    {
        m.lines[1] = "MAJOR VICTORY: " + RemainingTime(goal[GoalBestByte], turn);
        m.lines[2] = "VICTORY: " + RemainingTime(goal[GoalMiddleByte], turn);
        m.lines[3] = "MINOR VICTORY: " + RemainingTime(goal[GoalLeastByte], turn);
    }
    else if (type == GoalDefendPorts || type == GoalConvoy)
    {
        const std::string what = type == GoalDefendPorts ? " friendly Major Ports" : " escorted ships";
        m.lines[0] = "Time left: " + RemainingTime(goal[GoalLastTurnByte], turn);
        m.lines[1] = "Major victory: " + std::to_string(goal[GoalBestByte]) + what;
        m.lines[2] = "Victory: " + std::to_string(goal[GoalMiddleByte]) + what;
        m.lines[3] = "Minor victory: " + std::to_string(goal[GoalLeastByte]) + what;
    }
}

} // namespace

std::string ObjectiveText(const GameState& state, const ClassTable& classes, int side)
{
    const SideStatsRec& goal = state.SideStats(side);
    const std::string limit = std::to_string(goal[GoalLastTurnByte]);
    const int count = goal[GoalKillCountByte];
    switch (goal[GoalTypeByte])
    {
        case GoalConquerPorts:
            return "Conquer all enemy major ports";
        case GoalDefendPorts:
            return "Defend your major ports for " + limit + " turns";
        case GoalSinkClass:
            return "Eliminate " + std::to_string(count) + " enemy " + ClassName(classes, goal[GoalClassByte]) +
                   Plural(count);
        case GoalConvoy:
            // The plural follows the count field here too, not the number escorted.
            return "Escort your " + std::to_string(goal[GoalMiddleByte]) + " " +
                   ClassName(classes, goal[GoalClassByte]) + Plural(count) + " to the Port " +
                   PortName(state, goal[GoalPortByte]) + " in " + limit + " turns";
        case GoalDestroyAll:
            return "Destroy all enemy units.";
        case GoalTransporters:
            return "Destroy as many as possible enemy transporters in " + limit + " turns";
        default:
            return {};
    }
}

bool HasSecondObjective(const GameState& state)
{
    return state.SideStats(SideEnemy)[GoalTypeByte] != 0;
}

std::array<std::string, 2> RestrictionLines(const ScenarioRec& scenario)
{
    if (scenario.Title.Str().find("FREE HUNT") != std::string::npos)
    {
        return {"", "MAJOR VICTORY DISABLED IN FREE HUNT MISSIONS"};
    }
    switch (scenario.PurchaseRestriction)
    {
        case 0:
            return {"None", ""};
        case 1:
            return {"Our factories are under attack:", "No purchases in this mission."};
        case 2:
            return {"Storm ocean:", "Submarines can not operate."};
        case 3:
            return {"No airfields on islands:", "Planes can not operate."};
        case 4:
            return {"Bad weather:", "Carriers and planes can not operate"};
        default:
            return {"", ""};
    }
}

std::string RemainingTime(int limit, int turn)
{
    if (limit > turn)
    {
        return std::to_string(limit + 1 - turn) + " TURNS";
    }
    return limit == turn ? "LAST TURN" : "-";
}

std::string TurnLabel(int turn)
{
    return std::to_string(turn == 0 ? 1 : turn) + ". TURN";
}

std::array<std::string, 3> ThresholdLabels(const GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    std::string unit;
    switch (goal[GoalTypeByte])
    {
        case GoalConquerPorts:
        case GoalSinkClass:
        case GoalDestroyAll:
            unit = " TURNS";
            break;
        case GoalDefendPorts:
            unit = " FRIENDLY PORTS";
            break;
        case GoalConvoy:
            unit = " ESCORTED SHIPS";
            break;
        default:
            break;
    }
    return {std::to_string(goal[GoalBestByte]) + unit, std::to_string(goal[GoalMiddleByte]) + unit,
            std::to_string(goal[GoalLeastByte]) + unit};
}

MessageLines MessageTexts(const GameState& state, const ClassTable& classes, int code)
{
    MessageLines m;
    const std::string turn = std::to_string(state.TurnNumber) + ". TURN";
    if (code == CodeMissionStatus)
    {
        MissionStatus(state, classes, m);
    }
    else if (code == CodeDeploymentDone)
    {
        m.title = "INFORMATION";
        m.lines = {"Unit deployment is complete.", "Continue the mission", "", ""};
    }
    else if (code == CodeDeploymentHelp)
    {
        m.title = "INFORMATION";
        m.lines = {"Deploy Air/Artillery/Radar units:", "1. Left click to select unit", "2. Left click to deploy on map",
                   ""};
    }
    else if (code == CodeAbout)
    {
        const int edition = state.EditionNumber < EditionCount ? state.EditionNumber : EditionCount - 1;
        m.title = "INFORMATION";
        m.lines = {std::string(AboutTitle) + " " + std::to_string(edition) + " " +
                       std::string(EditionVersions[static_cast<std::size_t>(edition)]),
                   std::string(AboutWebLine), std::string(AboutUpdatesLine), std::string(AboutRightsLine)};
    }
    else if (code == CodePlacementRefused)
    {
        m.title = "INFORMATION";
        m.lines = {"Unit must be placed on", "clear land in radius of 3 squares", "around friendly controlled port", ""};
    }
    else if (code == CodeNextMission)
    {
        m.title = "INFORMATION";
        m.lines = {"YOUR NEXT MISSION:", state.Flow.MessageHeading, "", ""};
    }
    else if (code == CodeOutOfResources)
    {
        m.title = "INFORMATION";
        m.lines[0] = "OUT OF RESOURCES";
    }
    else if (code >= FirstLiberated && code <= LastLiberated)
    {
        m.title = turn;
        m.lines = {"You have liberated", CapturedPortName(state, code - FirstLiberated + 1), "", ""};
    }
    else if (code >= FirstConquered && code <= LastConquered)
    {
        m.title = turn;
        m.lines = {"Enemy has conquered", CapturedPortName(state, code - FirstConquered + 1), "", ""};
    }
    else if (code >= FirstWarning && code <= LastWarning)
    {
        m.title = "WARNING";
        const auto lines = WarningLines(code);
        m.lines = {std::string(lines[0]), std::string(lines[1]), std::string(lines[2]), ""};
    }
    else
    {
        m.title = "INFORMATION";
    }
    return m;
}

} // namespace olvane
