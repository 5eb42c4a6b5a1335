// olvane-datagen: compiles the readable sources under content/ into the data files of the game
// folder. The output depends only on the sources, so every build writes the same bytes.

#include "list_compiler.h"
#include "map_compiler.h"
#include "scenario_compiler.h"
#include "source_text.h"

#include <iostream>
#include <map>
#include <set>
#include <string_view>

namespace olvane::datagen
{

namespace
{

namespace fs = std::filesystem;

struct CompiledMap
{
    const MapSource* source;
    MapVariant variant;
};

void CheckScenarioMaps(const std::vector<ScenarioSource>& scenarios, const std::map<int, CompiledMap>& maps,
                       const std::map<int, std::string>& pictures)
{
    for (const ScenarioSource& s : scenarios)
    {
        if (s.rec.Kind == ModeCampaign)
        {
            continue;
        }
        const auto map = maps.find(s.rec.MapNumber);
        if (map == maps.end())
        {
            throw SourceError(s.origin, "map " + std::to_string(s.rec.MapNumber) + " has no source");
        }
        if (map->second.source->picture != s.rec.MapPicture)
        {
            throw SourceError(s.origin, "map " + std::to_string(s.rec.MapNumber) + " is drawn for picture " +
                                            std::to_string(map->second.source->picture));
        }
        // Nations 1, 3, 5, 6, 7 are the allies; 2, 4, 8 the axis.
        const auto alliance = [](int nation) { return nation == 2 || nation == 4 || nation == 8 ? Alliance::Axis : Alliance::Allies; };
        if (alliance(s.rec.PlayerNation) != map->second.variant.player ||
            alliance(s.rec.EnemyNation) == map->second.variant.player)
        {
            throw SourceError(s.origin, "the nations do not fit the sides of map " + std::to_string(s.rec.MapNumber));
        }
        if (pictures.count(s.rec.ScenarioId) == 0)
        {
            throw SourceError(s.origin, "the scenario has no mission picture");
        }
    }
}

void Compile(const fs::path& content, const fs::path& out)
{
    const fs::path baze = out / "BAZE";

    const std::vector<ScenarioSource> scenarios = ReadScenarioSources(content / "scenarios");

    std::vector<MapSource> sources;
    for (const fs::path& file : SourceFiles(content / "maps", ".map"))
    {
        sources.push_back(ReadMapSource(file));
    }
    std::map<int, CompiledMap> maps;
    for (const MapSource& source : sources)
    {
        for (const MapVariant& variant : source.variants)
        {
            if (!maps.emplace(variant.number, CompiledMap{&source, variant}).second)
            {
                throw SourceError(source.file, "map number " + std::to_string(variant.number) + " used twice");
            }
        }
    }
    const std::map<int, std::string> pictures = ReadMissionPictures(content / "mission_pictures.txt");
    CheckScenarioMaps(scenarios, maps, pictures);

    WriteOutput(baze / "SCEN" / "SCENARIO2.FLS", CompileScenarioFile(scenarios));
    WriteOutput(baze / "TAKT.TXT", CompileForcesFile(scenarios));

    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(baze / "ZEM", ignored))
    {
        fs::remove(entry.path(), ignored); // maps dropped from the sources must not linger
    }
    for (const auto& [number, map] : maps)
    {
        WriteOutput(baze / "ZEM" / ("F" + std::to_string(number) + "_OST.TXT"), CompileMapFile(*map.source, map.variant));
    }

    for (const fs::path& file : SourceFiles(content / "names", ".txt"))
    {
        WriteOutput(baze / "IME" / ("F30_" + file.stem().string() + ".TXT"), CompileNameFile(file));
    }
    for (const fs::path& file : SourceFiles(content / "ranks", ".txt"))
    {
        WriteOutput(baze / "RANK" / (file.stem().string() + "RANK.TXT"), CompileRankFile(file));
    }
    WriteOutput(baze / "LEVEL.TXT", CompileLevelFile(content / "level.txt"));
    WriteOutput(baze / "TXT" / "MISSIONPIC.TXT", CompileMissionPictures(pictures));
    for (const fs::path& file : SourceFiles(content / "texts", ".TXT"))
    {
        WriteOutput(baze / "TXT" / file.filename(), ReadSourceText(file));
    }
    WriteOutput(out / "help2" / "help.htm", ReadSourceText(content / "help" / "help.htm"));
}

} // namespace

} // namespace olvane::datagen

int main(int argc, char** argv)
{
    std::filesystem::path content;
    std::filesystem::path out;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string_view option = argv[i];
        if (option == "--content")
        {
            content = argv[i + 1];
        }
        else if (option == "--out")
        {
            out = argv[i + 1];
        }
    }
    if (content.empty() || out.empty())
    {
        std::cerr << "usage: olvane-datagen --content DIR --out DIR\n";
        return 2;
    }
    try
    {
        olvane::datagen::Compile(content, out);
    }
    catch (const std::exception& error)
    {
        std::cerr << "olvane-datagen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
