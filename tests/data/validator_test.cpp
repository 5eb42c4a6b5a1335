// olvane-tool validate on copies of the generated game folder with faults planted in them.

#include "app/tool_validate.h"
#include "state/data_files.h"
#include "state/scenario.h"
#include "state/scenario_record.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace olvane
{
namespace
{

namespace fs = std::filesystem;

/// A copy of the generated data files (not the pictures and sounds) in a temporary folder.
class BrokenFolder
{
public:
    BrokenFolder()
    {
        for (const char* part : {"BAZE", "help2"})
        {
            fs::copy(fs::path(OLVANE_GAME_DIR) / part, dir.Path() / part, fs::copy_options::recursive);
        }
    }

    fs::path Path(const std::string& relative) const { return dir.Path() / relative; }

    std::string Read(const std::string& relative) const { return ReadWholeFile(Path(relative)).value_or(""); }

    void Write(const std::string& relative, const std::string& bytes) const { dir.Write(relative, bytes); }

    /// Changes one record of the scenario file and writes it back.
    template <typename Change> void EditScenario(const std::string& title, Change change) const
    {
        std::string bytes = Read("BAZE/SCEN/SCENARIO2.FLS");
        for (std::size_t at = 0; at + ScenarioRecordSize <= bytes.size(); at += ScenarioRecordSize)
        {
            std::array<std::uint8_t, ScenarioRecordSize> record{};
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), ScenarioRecordSize, record.begin());
            ScenarioRec rec = DecodeScenario(record);
            if (rec.Title.Str() == title)
            {
                change(rec);
                const ScenarioBytes encoded = EncodeScenario(rec);
                std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
            }
        }
        Write("BAZE/SCEN/SCENARIO2.FLS", bytes);
    }

    std::vector<ValidationProblem> Validate() const { return ValidateGameFolder(dir.Path()); }

    test::TempDir dir;
};

/// True when some problem lies in `file` and says `words`.
bool Reports(const std::vector<ValidationProblem>& problems, const std::string& file, const std::string& words)
{
    return std::any_of(problems.begin(), problems.end(), [&](const ValidationProblem& p) {
        return p.file.find(file) != std::string::npos && (p.where + " " + p.what).find(words) != std::string::npos;
    });
}

std::string Listing(const std::vector<ValidationProblem>& problems)
{
    std::string text;
    for (const ValidationProblem& p : problems)
    {
        text += p.file + ": " + p.where + ": " + p.what + "\n";
    }
    return text;
}

TEST(Validate, FindsBrokenMaps)
{
    BrokenFolder missing;
    fs::remove(missing.Path("BAZE/ZEM/F550_OST.TXT"));
    auto problems = missing.Validate();
    EXPECT_TRUE(Reports(problems, "F550_OST.TXT", "FATAL ERROR LOADING FILE")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "CORAL SEA")) << Listing(problems);

    // A port beyond the map's edge stops the loader at that line.
    BrokenFolder outside;
    std::string map = outside.Read("BAZE/ZEM/F410_OST.TXT");
    map.insert(map.find('\n') + 1, "1 3 250 7\n");
    outside.Write("BAZE/ZEM/F410_OST.TXT", map);
    problems = outside.Validate();
    EXPECT_TRUE(Reports(problems, "F410_OST.TXT", "line 2")) << Listing(problems);

    // A port in open water is no harbour, and a zone list without its home zones strands fleets.
    BrokenFolder adrift;
    map = adrift.Read("BAZE/ZEM/F401_OST.TXT");
    map.insert(map.find('\n') + 1, "1 3 30 60\n");
    const auto homes = map.find("\n1 ", map.find("0 0 0 0\n"));
    map.replace(homes + 1, 1, "9");
    adrift.Write("BAZE/ZEM/F401_OST.TXT", map);
    problems = adrift.Validate();
    EXPECT_TRUE(Reports(problems, "F401_OST.TXT", "on the coast")) << Listing(problems);
}

TEST(Validate, FindsFaultsInForcesAndGoals)
{
    BrokenFolder folder;
    std::string forces = folder.Read("BAZE/TAKT.TXT");
    // Drop the computer's forces of LAMANSH (filed under 26) and swell a group of WOLF PACK's.
    const auto key = forces.find("\n26\n");
    ASSERT_NE(key, std::string::npos);
    forces.replace(key + 1, 2, "27");
    const auto wolf = forces.find("\n175\n0 ");
    ASSERT_NE(wolf, std::string::npos);
    forces.replace(wolf + 7, 4, "13 7");
    folder.Write("BAZE/TAKT.TXT", forces);
    folder.EditScenario("CORAL SEA", [](ScenarioRec& rec) { rec.SideSettings[0][5] = 66; });
    folder.EditScenario("CORVETTES", [](ScenarioRec& rec) { rec.SideSettings[0][7] = 24; });
    folder.EditScenario("DEVIL ISLAND", [](ScenarioRec& rec) { rec.SideSettings[0][1] = 30; });
    folder.EditScenario("KRIEGSMARINE", [](ScenarioRec& rec) { rec.CampaignSteps[3] = 511; });

    const auto problems = folder.Validate();
    EXPECT_TRUE(Reports(problems, "TAKT.TXT", "LAMANSH\") the computer has no forces")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "TAKT.TXT", "group 1 has 7 units")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "goal 3 asks to sink")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "goal 4 names port 24")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "DEVIL ISLAND\") goal turns")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "step 4 names scenario 511")) << Listing(problems);

    std::ostringstream out;
    EXPECT_EQ(RunValidate(folder.dir.Path(), out), 1);
    EXPECT_NE(out.str().find("problems in"), std::string::npos);
}

TEST(Validate, FindsFaultsOfPlacementAndZones)
{
    BrokenFolder folder;
    // HAWAII ATTACK: the Japanese player gets fighters, but holds no port on the islands.
    std::string forces = folder.Read("BAZE/TAKT.TXT");
    const auto hawaii = forces.find("\n37\n0 ");
    ASSERT_NE(hawaii, std::string::npos);
    forces.insert(hawaii + 6, "80 2 0 0 ");
    folder.Write("BAZE/TAKT.TXT", forces);
    // CORVETTES: a transporter marked on the island of Alfa; WOLF PACK: a named ship nobody has.
    folder.EditScenario("CORVETTES", [](ScenarioRec& rec) { rec.Marks[0] = {3, 9, 12}; });
    folder.EditScenario("WOLF PACK", [](ScenarioRec& rec) { rec.NamedShipClass1 = 66; });
    folder.EditScenario("MYKONOS", [](ScenarioRec& rec) { rec.EnemyNation = NationGreatBritain; rec.PlayerNation = NationCanada; });
    // Map 410: zone 5 loses its neighbours, so groups there can never reach the other zones.
    std::string map = folder.Read("BAZE/ZEM/F410_OST.TXT");
    map.replace(map.find("\n5 12 1 1 7 16 11"), 18, "\n5 12 1 1 0 0 0 0");
    folder.Write("BAZE/ZEM/F410_OST.TXT", map);

    const auto problems = folder.Validate();
    EXPECT_TRUE(Reports(problems, "TAKT.TXT", "HAWAII ATTACK\") the player has aircraft but no port")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "start on land or a port at 9-12")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "WOLF PACK\") a named ship")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "MYKONOS\") both sides belong to the same alliance")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "F410_OST.TXT", "zone 6 no chain of neighbours")) << Listing(problems);
}

TEST(Validate, FindsShortNameListsAndMissingFiles)
{
    BrokenFolder folder;
    std::string names = folder.Read("BAZE/IME/F30_NITA.TXT");
    const auto list = names.find("  43 ");
    ASSERT_NE(list, std::string::npos);
    names.erase(names.find('\n', list) + 1, names.find('\n', names.find('\n', list) + 1) - names.find('\n', list));
    folder.Write("BAZE/IME/F30_NITA.TXT", names);
    fs::remove(folder.Path("BAZE/RANK/5RANK.TXT"));
    fs::remove(folder.Path("help2/help.htm"));
    fs::remove(folder.Path("BAZE/TXT/GB.TXT"));

    const auto problems = folder.Validate();
    EXPECT_TRUE(Reports(problems, "F30_NITA.TXT", "list 43")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "5RANK.TXT", "missing")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "help.htm", "missing")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "GB.TXT", "ROYAL NAVY")) << Listing(problems);
}

TEST(Validate, NeverCrashesOnGarbage)
{
    BrokenFolder folder;
    std::string noise;
    for (int i = 0; i < 5000; ++i)
    {
        noise += static_cast<char>((i * 7919 + 13) % 256);
    }
    folder.Write("BAZE/SCEN/SCENARIO2.FLS", noise);
    folder.Write("BAZE/TAKT.TXT", noise);
    for (const auto& entry : fs::directory_iterator(folder.Path("BAZE/ZEM")))
    {
        folder.Write("BAZE/ZEM/" + entry.path().filename().string(), noise.substr(0, 700));
    }
    folder.Write("BAZE/LEVEL.TXT", noise.substr(100, 300));
    const auto problems = folder.Validate();
    EXPECT_TRUE(Reports(problems, "SCENARIO2.FLS", "damaged record")) << Listing(problems);
    EXPECT_FALSE(problems.empty());

    test::TempDir empty;
    EXPECT_TRUE(Reports(ValidateGameFolder(empty.Path()), "SCENARIO2.FLS", "missing"));
    EXPECT_TRUE(Reports(ValidateGameFolder(empty.Path() / "nowhere"), "nowhere", "not a folder"));
}

TEST(Validate, ReportsNegativeClassesAndChecksToTheEnd)
{
    BrokenFolder folder;
    std::string forces = folder.Read("BAZE/TAKT.TXT");
    const auto hawaii = forces.find("\n37\n0 ");
    ASSERT_NE(hawaii, std::string::npos);
    forces.insert(hawaii + 6, "-7 1 0 0 ");
    folder.Write("BAZE/TAKT.TXT", forces);
    folder.Write("BAZE/LEVEL.TXT", folder.Read("BAZE/LEVEL.TXT") + "1 2 2 -5\n");
    folder.Write("BAZE/RANK/2RANK.TXT", folder.Read("BAZE/RANK/2RANK.TXT") + "-3 LT Lieutenant\n");
    // The parts checked after the level file still run.
    fs::remove(folder.Path("help2/help.htm"));

    const auto problems = folder.Validate();
    EXPECT_TRUE(Reports(problems, "TAKT.TXT", "HAWAII ATTACK\") the player lists class -7, which does not exist"))
        << Listing(problems);
    EXPECT_FALSE(Reports(problems, "SCENARIO2.FLS", "checking the scenario failed")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "LEVEL.TXT", "line 25 class -5 does not exist")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "2RANK.TXT", "line 29 a rank line starts with its index")) << Listing(problems);
    EXPECT_TRUE(Reports(problems, "help.htm", "missing")) << Listing(problems);
}

} // namespace
} // namespace olvane

namespace olvane
{

TEST(Validate, FindsMissingAndMisshapenPictures)
{
    test::TempDir dir;
    ValidationReport report;
    CheckPicturesAndSounds(DataFiles(dir.Path(), dir.Path()), report);
    const auto reported = [&](std::string_view file, std::string_view what) {
        return std::any_of(report.Problems().begin(), report.Problems().end(), [&](const ValidationProblem& p) {
            return p.file == file && p.what.find(what) != std::string::npos;
        });
    };
    EXPECT_TRUE(reported("BMP/0.BMP", "missing"));
    EXPECT_TRUE(reported("EFF/1CLICK.wav", "missing"));

    // A sea sheet of the wrong size: a 2 × 1 picture, found whatever the case of its name.
    std::string bmp(54 + 8, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
        {
            bmp[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, static_cast<std::uint32_t>(bmp.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 2, 4);
    put(22, 1, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    dir.Write("bmp/0.bmp", bmp);
    dir.Write("BMP/MENI/maska.BMP", "not a picture");
    ValidationReport again;
    CheckPicturesAndSounds(DataFiles(dir.Path(), dir.Path()), again);
    report = again;
    EXPECT_TRUE(reported("BMP/0.BMP", "is 2 x 1"));
    EXPECT_TRUE(reported("BMP/MENI/maska.BMP", "not an uncompressed 24-bit BMP"));

    // Folders where pictures and sounds should be, and a height of -2^31, which has no positive
    // counterpart: each is reported and the check goes on.
    fs::create_directories(dir.Path() / "BMP/MR_SIM.BMP");
    fs::create_directories(dir.Path() / "BMP/MENI/victory.jpg");
    fs::create_directories(dir.Path() / "EFF/SIR10.WAV");
    put(22, 0x80000000u, 4);
    dir.Write("BMP/VELIKA.BMP", bmp);
    ValidationReport folders;
    CheckPicturesAndSounds(DataFiles(dir.Path(), dir.Path()), folders);
    report = folders;
    EXPECT_TRUE(reported("BMP/MR_SIM.BMP", "is no file"));
    EXPECT_TRUE(reported("BMP/MENI/victory.jpg", "is no file"));
    EXPECT_TRUE(reported("EFF/SIR10.WAV", "is no file"));
    EXPECT_TRUE(reported("BMP/VELIKA.BMP", "not an uncompressed 24-bit BMP"));
    EXPECT_TRUE(reported("EFF/1CLICK.wav", "missing")) << "the check runs to the end";
}

} // namespace olvane
