#include "state/map_file.h"
#include "state/save_file.h"
#include "state/scenario.h"
#include "state/scenario_record.h"
#include "state/unit_record.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::TestGame;

constexpr std::size_t Record = UnitRecordSize;

// A 30 × 30 sea with a coast line, two player ports and two enemy ports, and one home zone.
constexpr std::string_view SmallMap = "30 30\n"
                                      "1 3 5 5\n"
                                      "1 4 20 20\n"
                                      "1 3 6 9\n"
                                      "1 4 22 25\n"
                                      "1 60 10 3\n"
                                      "1 60 10 7\n"
                                      "0 0 0 0\n"
                                      "0\n0\n0\n"
                                      "1 0 2 2 0 0 0 0 0 1 0\n"
                                      "0 0 0 0 0 0 0 0 0 0 0\n";

void WriteScenarioFile(TestGame& game, int mapNumber = 77)
{
    std::string file;
    for (int slot = 1; slot <= 2; ++slot)
    {
        ScenarioRec rec;
        rec.Slot = static_cast<std::uint16_t>(slot);
        rec.ScenarioId = static_cast<std::uint16_t>(100 + slot);
        rec.Kind = ModeMission;
        rec.Title.Set(slot == 1 ? "LONG CONVOY" : "SKAGERRAK");
        rec.PlayerNation = NationUnitedStates;
        rec.EnemyNation = NationJapan;
        rec.MapNumber = static_cast<std::uint16_t>(mapNumber);
        rec.MapPicture = 3;
        rec.SideSettings[0] = {2, 5, 6, 7, 0, 0, 0, 0, 0, 0, 20};
        const ScenarioBytes bytes = EncodeScenario(rec);
        file.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    game.dir.Write("game/BAZE/SCEN/SCENARIO2.FLS", file);
    game.dir.Write("game/BAZE/ZEM/F" + std::to_string(mapNumber) + "_OST.TXT", SmallMap);
}

void PutUnit(GameState& state, int id, int cls, int x, int y, std::string_view name)
{
    UnitRec& unit = state.Unit(id);
    unit.Id = static_cast<std::uint16_t>(id);
    unit.Active = 1;
    unit.Class = static_cast<std::uint8_t>(cls);
    unit.X = static_cast<std::uint8_t>(x);
    unit.Y = static_cast<std::uint8_t>(y);
    unit.Armor = 4;
    unit.Fire = 2;
    unit.Visible = IsEnemy(id) ? 0 : 1;
    unit.Name.Set(name);
    unit.Under = state.MapGrid(x, y);
    state.MapGrid(x, y) = static_cast<std::uint16_t>(id);
}

/// A game in its fifth turn with ships of both sides, a battleship and its stern, a captured
/// port, a last-seen marker, technology and losses: every part of the save file in use.
void BuildRunningGame(TestGame& game)
{
    WriteScenarioFile(game);
    GameState& state = game.state();
    state.GameMode = ModeCampaign;
    state.Rank = RankCaptain;
    state.ScenarioNumber = 2;
    ASSERT_TRUE(LoadScenario(*game, 2));
    state.MapNumber = state.CurrentScenario.MapNumber;
    state.PlayerNation = NationUnitedStates;
    state.EnemyNation = NationJapan;
    ClearMaps(state);
    ASSERT_TRUE(LoadMapFile(*game, state.MapNumber));
    state.TurnNumber = 300;
    state.ProductionPoints = -150;
    state.CampaignStep = 102;
    state.CampaignAux = 7;
    state.MissionScore = 812;
    state.EnemyForceValue = 420;
    state.SideStats(SidePlayer)[8] = 3;
    state.AIGroupCount = 2;

    PutUnit(state, 60001, 43, 12, 12, "USS Fletcher");
    PutUnit(state, 60002, 63, 14, 14, "USS Iowa");
    PutUnit(state, 60102, 63, 13, 14, "");
    state.Unit(60102).Picture = 3;
    state.Unit(60002).LinkedUnit = 60003;
    PutUnit(state, 60003, 80, 14, 14, "VF-3");
    state.MapGrid(14, 14) = 60002; // the fighter is aboard, not on the cell
    state.Unit(60003).X = 0;
    state.Unit(60003).Y = 0;
    state.Unit(60004).Class = 46; // sunk earlier: inactive, still saved
    state.Unit(60004).Name.Set("USS Gone");
    state.PlayerShipCount = 4;
    PutUnit(state, 60201, 13, 25, 3, "I-58");
    state.Unit(60201).AIGroup = 1;
    state.Unit(60201).AIWork1 = 2;
    state.Unit(60201).HitMark = 100;
    state.EnemyShipCount = 1;

    // The enemy port at (20, 20) has fallen to the player.
    state.Port(2).Owner = SidePlayer;
    state.Port(2).Flag = 1;
    state.MapGrid(20, 20) = CodePlayerPort;

    // A last-seen marker on open sea.
    state.MapObject(0).X = 1;
    state.MapObject(1) = {3, 20, 0};
    state.MapGrid(3, 20) = 1200;

    state.TechBonus(SidePlayer, 4) = {1, 2, 0, 1, 3};
    state.TechBonus(SideEnemy, 12) = {2, 0, 1, 0, 4};
    state.DestroyedList.Count = 2;
    state.DestroyedList.Entries[0] = {43, SideEnemy};
    state.DestroyedList.Entries[1] = {20, SidePlayer};
    state.Campaign.Number = 401;
    state.Campaign.Name.Set("USN OPERATIONS");
    state.Campaign.CarriedPoints = 250;
    state.Campaign.Score = 1900;
    state.Campaign.MissionCounter = 2;
    state.Campaign.Entries[0] = {2, 0, 810, 1000};
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    const auto content = ReadWholeFile(path);
    return content ? std::vector<std::uint8_t>(content->begin(), content->end()) : std::vector<std::uint8_t>{};
}

UnitRec RecordAt(const std::vector<std::uint8_t>& bytes, std::size_t index)
{
    return DecodeUnit(std::span<const std::uint8_t>(bytes).subspan(index * Record).first<Record>());
}

} // namespace

TEST(SaveName, OfferedAndConfirmedNames)
{
    TestGame game;
    GameState& state = game.state();
    state.GameMode = ModeCampaign;
    state.PlayerNation = NationUnitedStates;
    state.TurnNumber = 7;
    state.CurrentScenario.Title.Set("MIDWAY");
    EXPECT_EQ(DefaultSaveName(state), "Cm_US_MIDWAY T7");
    state.PlayerNation = NationThirdReich;
    state.CurrentScenario.Title.Set("ABCDEFGHIJKLMNOPQRSTUVWXY"); // 25 characters fill the title
    EXPECT_EQ(DefaultSaveName(state), "Cm_GER_ABCDEFGHIJKLMNOPQRSTUVWXY T7");
    state.PlayerNation = NationJapan;
    state.CurrentScenario.Title.Set("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    EXPECT_EQ(DefaultSaveName(state), "Cm_JA_ABCDEFGHIJKLMNOPQRSTUVWXY T7");
    state.PlayerNation = NationItaly;
    EXPECT_EQ(DefaultSaveName(state), "ABCDEFGHIJKLMNOPQRSTUVWXY T7") << "no prefix for Italy";
    state.GameMode = ModeMission;
    state.CurrentScenario.Title.Set("US NAVY I ");
    EXPECT_EQ(DefaultSaveName(state), "US NAVY I  T7") << "trailing blanks of titles are data";

    EXPECT_EQ(SaveFileName("Game1"), "game1.sav");
    EXPECT_EQ(SaveFileName("OLD.SAV"), "old.sav") << "a name picked from the list names that file";
    EXPECT_EQ(SaveFileName(".sav"), ".sav.sav");
    EXPECT_EQ(SaveFileName("../../etc/x"), ".._.._etc_x.sav");
    EXPECT_EQ(SaveFileName(".."), "save...sav");
}

TEST(SaveFile, RecordLayout)
{
    TestGame game;
    GameState& state = game.state();
    state.ProductionPoints = -150;
    state.TurnNumber = 300;
    state.ScenarioNumber = 3;
    state.MapNumber = 410;
    state.GameMode = ModeMission;
    std::vector<std::uint8_t> bytes = EncodeSaveFile(state);
    ASSERT_EQ(bytes.size(), 5824u) << "a game without ships is 91 records";
    const UnitRec header = RecordAt(bytes, 0);
    EXPECT_EQ(header.Under, 150);
    EXPECT_EQ(header.DestY, 1);
    EXPECT_EQ(header.Y, 44) << "turn 300, low 8 bits";
    EXPECT_EQ(bytes[29], 1) << "turn 300, high byte";
    EXPECT_EQ(header.DestX, 3);
    EXPECT_EQ(header.LinkedUnit, 410);

    PutUnit(state, 60001, 63, 10, 10, "Battleship");
    PutUnit(state, 60101, 63, 9, 10, "");
    PutUnit(state, 60002, 43, 12, 10, "Destroyer");
    state.PlayerShipCount = 2;
    bytes = EncodeSaveFile(state);
    ASSERT_EQ(bytes.size(), (91u + 3u) * Record) << "a battleship takes two records, a destroyer one";
    EXPECT_EQ(RecordAt(bytes, 91).Id, 60001);
    EXPECT_EQ(RecordAt(bytes, 92).Id, 60101);
    EXPECT_EQ(RecordAt(bytes, 92).Name.Length, 0) << "a second cell keeps only its position fields";
    EXPECT_EQ(RecordAt(bytes, 93).Id, 60002);

    // A ship standing on a last-seen marker is saved with the marker taken out of its cell code;
    // the marker record keeps the code as the cell shows it.
    state.MapObject(0).X = 1;
    state.MapObject(1) = {12, 10, 39};
    state.Unit(60002).Under = 1234;
    bytes = EncodeSaveFile(state);
    EXPECT_EQ(RecordAt(bytes, 93).Under, 3934);
    const std::size_t markers = 1 + 1 + 17 + 1 + 16 + 13;
    EXPECT_EQ(RecordAt(bytes, markers).X, 1) << "entry 0 carries the count";
    EXPECT_EQ(RecordAt(bytes, markers + 1).Picture, 1234);
    EXPECT_EQ(RecordAt(bytes, markers + 1).Under, 39);
}

TEST(SaveFile, RoundTripReproducesTheGame)
{
    TestGame game;
    BuildRunningGame(game);
    const std::filesystem::path path = game.files.SaveDir() / SaveFileName("Round Trip");
    ASSERT_TRUE(SaveGame(*game, path));
    const std::vector<std::uint8_t> first = FileBytes(path);
    EXPECT_EQ(first.size(), (91u + 4u + 1u + 1u) * Record);

    // A new program: the class table filled, nothing else.
    TestGame loaded;
    std::filesystem::copy(game.files.BaseDir(), loaded.files.BaseDir(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    loaded.state().AIGroup(3).MemberCount = 2; // left over from the game that ran before
    ASSERT_TRUE(LoadGame(*loaded, path));
    EXPECT_TRUE(loaded.presenter.errors.empty());
    const GameState& state = loaded.state();
    EXPECT_EQ(state.TurnNumber, 300);
    EXPECT_EQ(state.ProductionPoints, -150);
    EXPECT_EQ(state.GameMode, ModeCampaign);
    EXPECT_EQ(state.CurrentScenario.Title.Str(), "SKAGERRAK");
    EXPECT_EQ(state.MapGrid(12, 12), 60001);
    EXPECT_EQ(state.MapGrid(13, 14), 60102);
    EXPECT_EQ(state.MapGrid(20, 20), CodePlayerPort);
    EXPECT_EQ(state.MapGrid(3, 20), 1200);
    EXPECT_EQ(state.MapObject(1), (MapObjectRec{3, 20, 0}));
    EXPECT_EQ(state.Port(2).Owner, SidePlayer);
    EXPECT_EQ(state.Port(2).StartOwner, SideEnemy);
    EXPECT_EQ(state.Unit(60003).X, 0);
    EXPECT_EQ(state.Unit(60004).Name.Str(), "USS Gone");
    EXPECT_EQ(state.Campaign, game.state().Campaign);
    EXPECT_EQ(state.DestroyedList, game.state().DestroyedList);
    EXPECT_EQ(state.TechBonus(SideEnemy, 12), game.state().TechBonus(SideEnemy, 12));
    EXPECT_EQ(state.Unit(60201), game.state().Unit(60201));
    EXPECT_EQ(state.SideStats(SidePlayer)[8], 3);

    // The computer's groups are gathered again from its ships: the file keeps no group table.
    EXPECT_EQ(state.AIGroup(1).MemberCount, 1);
    EXPECT_EQ(state.AIGroup(1).Members[0], 60201);
    EXPECT_EQ(state.AIGroup(1).Zone, 2);
    EXPECT_EQ(state.AIGroup(3).MemberCount, 0);

    // Saving the loaded game gives the same file, byte for byte.
    const std::filesystem::path again = loaded.files.SaveDir() / "again.sav";
    ASSERT_TRUE(SaveGame(*loaded, again));
    EXPECT_EQ(FileBytes(again), first);
}

TEST(SaveFile, OlderFilesWithoutTheTurnHighByteStillLoad)
{
    TestGame game;
    BuildRunningGame(game);
    game.state().TurnNumber = 12;
    std::vector<std::uint8_t> bytes = EncodeSaveFile(game.state());
    ASSERT_EQ(bytes[29], 0);
    const auto path = game.dir.Write("old.sav", std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(LoadGame(*game, path));
    EXPECT_EQ(game.state().TurnNumber, 12);
}

TEST(SaveFile, DamagedFilesLeaveTheRunningGameAlone)
{
    TestGame game;
    BuildRunningGame(game);
    const std::vector<std::uint8_t> good = EncodeSaveFile(game.state());
    const auto before = std::make_unique<GameState>(game.state());

    const auto tryLoad = [&](std::vector<std::uint8_t> bytes, std::string_view what) {
        game.presenter.errors.clear();
        const auto path = game.dir.Write("bad.sav", std::string(bytes.begin(), bytes.end()));
        EXPECT_FALSE(LoadGame(*game, path)) << what;
        EXPECT_EQ(game.presenter.errors, std::vector<std::string>{std::string(SaveDamagedError)}) << what;
        EXPECT_TRUE(game.state() == *before) << what;
    };
    const auto setByte = [&](std::size_t record, std::size_t offset, std::uint8_t value,
                             std::vector<std::uint8_t> bytes = {}) {
        if (bytes.empty())
        {
            bytes = good;
        }
        bytes[record * Record + offset] = value;
        return bytes;
    };
    const std::size_t markers = 1 + 1 + 17 + 1 + 16 + 13;

    tryLoad(std::vector<std::uint8_t>(good.begin(), good.end() - 10), "a cut record at the end");
    tryLoad(std::vector<std::uint8_t>(good.begin(), good.begin() + 50 * Record), "too short to hold the game");
    tryLoad(std::vector<std::uint8_t>(good.begin(), good.begin() + 93 * Record), "a battleship without its stern");
    tryLoad({}, "an empty file");
    tryLoad(setByte(91, 1, 0x10), "a unit number outside the table");
    tryLoad(setByte(91, 2, 150), "a column outside the map");
    tryLoad(setByte(91, 3, 101), "a row outside the map");
    tryLoad(setByte(91, 40, 200), "a class outside the table");
    tryLoad(setByte(92, 0, 0x11), "a stern that belongs to another unit");
    tryLoad(setByte(0, 55, 150), "more player ships than slots");
    tryLoad(setByte(markers + 1, 2, 120), "a marker outside the map");
    tryLoad(setByte(markers, 3, 101, setByte(markers, 2, 1)), "the count entry laid outside the map");

    // A file that is not there at all is a different message.
    game.presenter.errors.clear();
    EXPECT_FALSE(LoadGame(*game, game.dir.Path() / "missing.sav"));
    EXPECT_EQ(game.presenter.errors, std::vector<std::string>{std::string(SaveReadError)});
    EXPECT_TRUE(game.state() == *before);
}

TEST(SaveFile, MissingScenarioOrMapLeavesTheRunningGameAlone)
{
    TestGame game;
    BuildRunningGame(game);
    const std::vector<std::uint8_t> good = EncodeSaveFile(game.state());
    const auto before = std::make_unique<GameState>(game.state());
    std::vector<std::uint8_t> bytes = good;
    bytes[23] = 9; // scenario slot 9 is not in the file
    auto path = game.dir.Write("far.sav", std::string(bytes.begin(), bytes.end()));
    EXPECT_FALSE(LoadGame(*game, path));
    EXPECT_FALSE(game.presenter.errors.empty());
    EXPECT_TRUE(game.state() == *before);

    // A map the game folder lacks makes the save useless: refused as damaged.
    game.presenter.errors.clear();
    bytes = good;
    bytes[52] = 99;
    path = game.dir.Write("nomap.sav", std::string(bytes.begin(), bytes.end()));
    EXPECT_FALSE(LoadGame(*game, path));
    EXPECT_EQ(game.presenter.errors.back(), SaveDamagedError);
    EXPECT_TRUE(game.state() == *before);
}

TEST(SaveFile, TheMissionStatusSavesTheTurnBeforeTheOneShown)
{
    TestGame game;
    BuildRunningGame(game);
    game.state().TurnNumber = 8;
    ASSERT_TRUE(SaveFromMissionStatus(*game, game.files.SaveDir(), "Skagerrak T8"));
    EXPECT_EQ(game.state().TurnNumber, 8);
    const std::vector<std::uint8_t> bytes = FileBytes(game.files.SaveDir() / "skagerrak t8.sav");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(RecordAt(bytes, 0).Y, 7);

    // A failed write says so, once, and leaves the turn as it was.
    const auto blocker = game.dir.Write("blocker", "a file where a folder should be");
    EXPECT_FALSE(SaveFromMissionStatus(*game, blocker, "x"));
    EXPECT_EQ(game.presenter.errors, std::vector<std::string>{std::string(SaveWriteError)});
    EXPECT_EQ(game.state().TurnNumber, 8);
}

} // namespace olvane
