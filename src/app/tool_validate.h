#pragma once

#include "state/game.h"
#include "state/records.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace olvane
{

/// One fault of a game folder: the file it is in, the record or line within it, and what is
/// wrong, in words a scenario author can act on.
struct ValidationProblem
{
    std::string file;
    std::string where;
    std::string what;

    bool operator==(const ValidationProblem&) const = default;
};

/// Collects the faults found while a game folder is checked.
class ValidationReport
{
public:
    void Add(std::string file, std::string where, std::string what);

    const std::vector<ValidationProblem>& Problems() const { return problems_; }

private:
    std::vector<ValidationProblem> problems_;
};

/// A check that starts one scenario the way the briefing does and looks at the game it made.
/// `game` holds the loaded scenario; the check reports through `report` under `where`.
using ScenarioStartCheck =
    std::function<void(Game& game, const ScenarioRec& scenario, const std::string& where, ValidationReport& report)>;

struct ValidateOptions
{
    /// Also checks that every picture and sound the game loads is there, at the size it is drawn.
    bool checkPicturesAndSounds = false;

    /// Runs for every scenario whose data checks passed; empty: scenarios are not started.
    ScenarioStartCheck startCheck;
};

/// Checks a game folder: every scenario record, the map each scenario names, both sides'
/// forces, goals against maps and forces, the name lists of every class a nation fields,
/// campaign steps, rank files, the difficulty pictures, side texts and the help page. Never
/// throws on a broken folder: every fault becomes a problem in the list.
std::vector<ValidationProblem> ValidateGameFolder(const std::filesystem::path& base,
                                                  const ValidateOptions& options = {});

/// Every picture sheet, whole picture and sound of the art description: present, and BMP
/// pictures at the size the game cuts them by.
void CheckPicturesAndSounds(const DataFiles& files, ValidationReport& report);

/// A start check that starts the scenario as the briefing does, then plays `turns` whole turns
/// headless (the player's side by the autoplayer), checking the game's invariants after the start
/// and after every turn.
ScenarioStartCheck StartAndPlayCheck(int turns);

/// `olvane-tool validate --base DIR`: prints every problem, one a line, and a summary; returns
/// 0 when the folder is sound and 1 when it holds any problem. Every scenario is also started and
/// played for a few turns.
int RunValidate(const std::filesystem::path& base, std::ostream& out);

} // namespace olvane
