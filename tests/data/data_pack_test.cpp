// The data pack the build generates: it validates, its binding rows read back exactly, and the
// compiler writes the same bytes every time.

#include "app/tool_validate.h"
#include "state/data_files.h"
#include "state/scenario.h"
#include "state/scenario_record.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace olvane
{
namespace
{

const std::filesystem::path GameDir = OLVANE_GAME_DIR;

std::vector<ScenarioRec> Database()
{
    return ReadScenarioDatabase(DataFiles(GameDir, GameDir), 2);
}

const ScenarioRec* Find(const std::vector<ScenarioRec>& db, const std::string& title)
{
    const auto at = std::find_if(db.begin(), db.end(), [&](const ScenarioRec& r) { return r.Title.Str() == title; });
    return at == db.end() ? nullptr : &*at;
}

// The whole validation runs, with every free hunt and mission also started and played.
TEST(DataPack, GeneratedFolderValidatesAndEveryScenarioStartsAndPlays)
{
    ValidateOptions options;
    const ScenarioStartCheck play = StartAndPlayCheck(3);
    int started = 0;
    int turnsReached = 0;
    options.startCheck = [&](Game& game, const ScenarioRec& rec, const std::string& where, ValidationReport& report) {
        ++started;
        play(game, rec, where, report);
        turnsReached += game.state.TurnNumber >= 3 || game.state.GameOver != 0 ? 1 : 0;
    };
    for (const ValidationProblem& p : ValidateGameFolder(GameDir, options))
    {
        ADD_FAILURE() << p.file << ": " << p.where << ": " << p.what;
    }
    int playable = 0;
    for (const ScenarioRec& rec : Database())
    {
        playable += rec.Kind == ModeDeathMatch || rec.Kind == ModeMission ? 1 : 0;
    }
    EXPECT_EQ(started, playable) << "every free hunt and mission is started";
    EXPECT_EQ(turnsReached, playable) << "and plays its turns or ends";
}

TEST(DataPack, TellingRowsReadBackExactly)
{
    const std::vector<ScenarioRec> db = Database();
    struct Row
    {
        int id;
        const char* title;
        int kind, player, enemy, map, picture, start, type, t1, t2, t3;
    };
    const Row rows[] = {
        {37, "HAWAII ATTACK", 2, 4, 1, 520, 11, 550, 1, 11, 13, 16},
        {140, "DEVIL ISLAND", 2, 1, 8, 410, 3, 400, 1, 16, 19, 23},
        {174, "WOLF PACK", 2, 1, 2, 401, 1, 50, 3, 9, 13, 16},
        {72, "CORAL SEA", 2, 1, 4, 550, 16, 120, 3, 14, 18, 24},
        {25, "LAMANSH", 2, 2, 3, 70, 7, 0, 1, 8, 10, 12},
        {216, "FREE HUNT PACIFIC", 1, 1, 4, 500, 9, 2950, 5, 3, 54, 69},
        {250, "FREE HUNT ITALY", 1, 1, 8, 260, 6, 2100, 5, 5, 52, 72},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.title);
        const ScenarioRec* rec = Find(db, row.title);
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->ScenarioId, row.id);
        EXPECT_EQ(rec->Kind, row.kind);
        EXPECT_EQ(rec->PlayerNation, row.player);
        EXPECT_EQ(rec->EnemyNation, row.enemy);
        EXPECT_EQ(rec->MapNumber, row.map);
        EXPECT_EQ(rec->MapPicture, row.picture);
        EXPECT_EQ(rec->StartPoints, row.start);
        EXPECT_EQ(rec->SideSettings[0][0], row.type);
        EXPECT_EQ(rec->SideSettings[0][1], row.t1);
        EXPECT_EQ(rec->SideSettings[0][2], row.t2);
        EXPECT_EQ(rec->SideSettings[0][3], row.t3);
    }

    // The two named ships of CORAL SEA stand at byte 130 and 146 of its record.
    const ScenarioRec* coral = Find(db, "CORAL SEA");
    ASSERT_NE(coral, nullptr);
    const ScenarioBytes bytes = EncodeScenario(*coral);
    EXPECT_EQ(std::string(bytes.begin() + 131, bytes.begin() + 131 + bytes[130]), "HMAS PERTH");
    EXPECT_EQ(std::string(bytes.begin() + 147, bytes.begin() + 147 + bytes[146]), "HMAS HOBART");

    const ScenarioRec* km = Find(db, "KRIEGSMARINE");
    ASSERT_NE(km, nullptr);
    const std::array<int, 11> steps = {150, 425, 165, 25, 400, 184, 120, 315, 405, 230, 0};
    for (std::size_t i = 0; i < steps.size(); ++i)
    {
        EXPECT_EQ(km->CampaignSteps[i], steps[i]) << "step " << i + 1;
    }
    for (const char* title : {"USN TRIDENT", "USN OPERATIONS", "KRIEGSMARINE", "ROYAL NAVY", "JAPAN CAMPAIGN", "JAPAN 1941"})
    {
        const ScenarioRec* header = Find(db, title);
        ASSERT_NE(header, nullptr) << title;
        EXPECT_EQ(header->Kind, ModeCampaign) << title;
        EXPECT_EQ(header->MapNumber, 0) << title;
    }
}

TEST(DataPack, EveryTitleOfTheDatabaseIsThere)
{
    const std::vector<ScenarioRec> db = Database();
    const char* titles[] = {
        "HAWAII ATTACK", "DEVIL ISLAND", "BISMARCK", "WOLF PACK", "RAAF", "CORVETTES", "ATLANTIC 1941",
        "LUFTWAFFE HUNT", "FREE HUNT GB", "DRAGOON CARRIERS", "SINGAPORE", "SWORDFISH HUNT", "PATROL BOATS",
        "AIR SUPREMACY", "ALERT", "PEARL HARBOR", "BATTLESHIPS", "JAVA", "DEFENSE", "FLEET CRUISERS",
        "ATLANTIC ISLAND", "CORAL SEA", "IRON SEA", "MYKONOS", "HMAS PERTH", "IMPERIAL OCEAN", "LONG CONVOY",
        "SKAGERRAK", "SINK CRUISERS", "MIDWAY", "SARATOGA", "YORKTOWN", "TARGET LOS ANGELES", "WEST PACIFIC",
        "HMAS CANBERA", "HMAS AUSTRALIA", "TRIDENT", "LEYTE TRANSPORT", "IWO JIMA", "BRISBANE CONVOY",
        "CLEAR WEST COAST", "US MARINES", "FALL OF AUSTRALIA", "BATTLE FOR LEYTE", "CONQUER OF JAPAN",
        "ROAD TO OKINAWA", "LUFTWAFFE PACIFIC", "ORANGE PORTS", "EMPEROR DEFENSE", "SAN BERNARDINO",
        "PACIFIC RACE", "SOUTH PACIFIC", "HEAVY DUTY", "TOKIO EXPRESS", "TORPEDO BOATS", "BISMARCK ON PACIFIC",
        "DESTROY RAF", "US NAVY SUBS", "GERMANS ON PACIFIC", "SUBMARINES!", "US NAVY I ", "IMPERIAL NAVY II",
        "SILENT HUNT", "ANTIGUA", "RETURN TO MIDWAY", "IMPERIAL NAVY I ", "ROYAL NAVY I", "KRIEGSMARINE II ",
        "ROYAL AIR FORCE", "F. HUNT LANCASTER", "FREE HUNT USN", "FREE HUNT JAPAN", "FREE HUNT RAAF",
        "FREE HUNT U-BOAT", "FREE HUNT CARRIERS", "FREE HUNT HAWAII", "FREE HUNT YAMATO", "FREE HUNT IWO JIMA",
        "FLEET SUBMARINES", "KAMIKAZE", "OPERATION SIDNEY", "BOMBER OPERATION", "FREE HUNT PACIFIC",
        "FREE HUNT TORPEDOS", "FREE HUNT CONVOY", "FREE HUNT PEARL H.", "MIDWAY II", "CONQUER OF ITALY",
        "HEAVY CRUISER", "FRIGATE HUNT", "SANTA CRUZ", "LAMANSH", "AZORES TRANSPORT", "NORWAY CONVOY", "INVASION",
        "GROSSADMIRAL", "NORWAY PORTS", "DRANG NACH OST", "CONVOY PK30", "NORMANDY", "Destroy USAF",
        "KRIEGSMARINE I ", "FREE HUNT GERMANY", "FREE HUNT GERMANY2", "FREE HUNT ITALY", "FREE HUNT MALAYA",
        "FREE HUNT SUBS", "FREE HUNT B-29", "FREE HUNT USN 1944",
    };
    for (const char* title : titles)
    {
        const ScenarioRec* rec = Find(db, title);
        ASSERT_NE(rec, nullptr) << '"' << title << '"';
        const std::string name = title;
        const bool freeHunt = name.rfind("FREE HUNT", 0) == 0 || name.rfind("F. HUNT", 0) == 0;
        EXPECT_EQ(rec->Kind, freeHunt ? ModeDeathMatch : ModeMission) << title;
    }
}

TEST(DataPack, RecordsUseEveryGoalAndTheirOwnSettings)
{
    const std::vector<ScenarioRec> db = Database();
    std::set<int> goals;
    std::set<std::string> tags;
    int raids = 0;
    for (std::size_t i = 0; i < db.size(); ++i)
    {
        const ScenarioRec& rec = db[i];
        EXPECT_EQ(rec.Slot, i + 1);
        const ScenarioBytes bytes = EncodeScenario(rec);
        EXPECT_EQ(bytes[103], rec.AttackInterval); // the raid interval lives in byte 103
        if (rec.Kind == ModeCampaign)
        {
            continue;
        }
        goals.insert(rec.SideSettings[0][0]);
        tags.insert(rec.Tag.Str());
        raids += rec.AttackInterval != 0 ? 1 : 0;
    }
    EXPECT_EQ(goals, (std::set<int>{1, 2, 3, 4, 5}));
    for (const std::string& tag : tags)
    {
        EXPECT_TRUE(tag.empty() || (tag.size() == 1 && tag[0] >= '1' && tag[0] <= '6')) << tag;
    }
    EXPECT_GT(raids, 50);
}

#if defined(OLVANE_DATAGEN_PATH)
TEST(DataPack, CompilerWritesTheSameBytesEveryTime)
{
    test::TempDir first;
    test::TempDir second;
    for (const auto* dir : {&first, &second})
    {
        const std::string command = std::string("\"") + OLVANE_DATAGEN_PATH + "\" --content \"" + OLVANE_CONTENT_DIR +
                                    "\" --out \"" + dir->Path().string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(first.Path()))
    {
        if (!entry.is_regular_file())
        {
            continue;
        }
        ++files;
        const auto relative = std::filesystem::relative(entry.path(), first.Path());
        EXPECT_EQ(ReadWholeFile(entry.path()), ReadWholeFile(second.Path() / relative)) << relative;
        EXPECT_EQ(ReadWholeFile(entry.path()), ReadWholeFile(GameDir / relative)) << relative;
    }
    EXPECT_GT(files, 50);
}
#endif

} // namespace
} // namespace olvane
