#pragma once

#include "source_text.h"
#include "state/records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace olvane::datagen
{

/// One group of a side's starting forces: count A units of class A, then count B of class B.
struct ForceGroup
{
    int classA = 0;
    int countA = 0;
    int classB = 0;
    int countB = 0;
};

constexpr int ForceGroupCount = 20;

struct ScenarioSource
{
    ScenarioRec rec;
    std::vector<ForceGroup> player;
    std::vector<ForceGroup> enemy;
    SourceLine origin;
};

/// Reads every scenario block of the *.txt files of a folder, in file-name order and then in
/// the order of the blocks; that order is the slot order of the scenario file.
std::vector<ScenarioSource> ReadScenarioSources(const std::filesystem::path& dir);

/// The scenario file: one 246-byte record per scenario, slot 1 first.
std::string CompileScenarioFile(const std::vector<ScenarioSource>& scenarios);

/// The forces file: for every scenario a key line and a line of 81 numbers per side, the player
/// under the scenario's id and the computer under id + 1.
std::string CompileForcesFile(const std::vector<ScenarioSource>& scenarios);

} // namespace olvane::datagen
