#include "state/name_file.h"
#include "state/unit_creation.h"
#include "support/test_game.h"
#include "turn/turn_hooks.h"

#include <gtest/gtest.h>
#include <set>

namespace olvane
{

namespace
{

using test::TestGame;

constexpr std::uint16_t Land = 37000;

void SetHomeZone(GameState& state, int z, int key, int facing, int x, int y)
{
    AIZoneRec& zone = state.AIZone(z);
    zone.Key = static_cast<std::uint8_t>(key);
    zone.Size = static_cast<std::uint8_t>(facing);
    zone.OriginX = static_cast<std::uint8_t>(x);
    zone.OriginY = static_cast<std::uint8_t>(y);
}

void FillLand(GameState& state, int x0, int y0, int x1, int y1)
{
    for (int x = x0; x <= x1; ++x)
    {
        for (int y = y0; y <= y1; ++y)
        {
            state.MapGrid(x, y) = Land;
        }
    }
}

/// A name line: the list's number in a 4-character field, then five 16-character names.
std::string NameLine(int k, const std::string& prefix, int first)
{
    std::string number = std::to_string(k);
    std::string line = std::string(4 - number.size(), ' ') + number;
    for (int i = 0; i < 5; ++i)
    {
        std::string name = prefix + std::to_string(first + i);
        line += name + std::string(16 - name.size(), ' ');
    }
    return line + "\n";
}

/// A list of `lines` name lines under a header line, closed by a line of another number.
std::string NameList(int k, const std::string& prefix, int lines)
{
    std::string text = NameLine(k, "", 0).substr(0, 4) + " header text\n";
    for (int i = 0; i < lines; ++i)
    {
        text += NameLine(k, prefix, 1 + 5 * i);
    }
    return text + NameLine(k + 1, "Other", 1);
}

// A presenter with a unit selected, counting how the reach display is toggled.
class SelectingPresenter : public test::RecordingPresenter
{
public:
    void HideReach() override { ++hides; }

    void ShowReach() override { ++shows; }

    bool HasSelectedUnit() override { return true; }

    int hides = 0;
    int shows = 0;
};

} // namespace

TEST(UnitCreation, TakesClassValuesAndThePlayersTechnology)
{
    TestGame game;
    GameState& state = game.state();
    state.TechBonus(SidePlayer, 4).Fire = 2;
    state.TechBonus(SideEnemy, 4).Fire = 5;
    state.Unit(60201).Order = 7;
    state.Unit(60201).LinkedUnit = 60205;
    CreateUnit(*game, 60201, 43, 3);
    const UnitRec& destroyer = state.Unit(60201);
    EXPECT_EQ(destroyer.Fire, 2 + 2) << "even an enemy unit starts from the player's row";
    EXPECT_EQ(destroyer.FireBonus, 0);
    EXPECT_EQ(destroyer.Armor, 5);
    EXPECT_EQ(destroyer.Picture, 4);
    EXPECT_EQ(destroyer.AIGroup, 3);
    EXPECT_EQ(destroyer.Visible, 0);
    EXPECT_EQ(destroyer.Active, 1);
    EXPECT_EQ(destroyer.Order, 7);
    EXPECT_EQ(destroyer.LinkedUnit, 60205);
    EXPECT_EQ(state.EnemyForceValue, 50);

    CreateUnit(*game, 60202, 63, 0);
    EXPECT_EQ(state.EnemyForceValue, 50 + 105);
    CreateUnit(*game, 60001, 63, 0);
    EXPECT_EQ(state.EnemyForceValue, 50 + 105) << "player units cost the enemy nothing";
    EXPECT_EQ(state.Unit(60001).Visible, 1);
    EXPECT_EQ(state.Unit(60001).Planes, 1);

    EXPECT_THROW(CreateUnit(*game, 60150, 43, 0), RangeError) << "a second cell is no slot";
}

TEST(UnitCreation, ShipsBerthAtTheHomeBaseFacingEast)
{
    TestGame game;
    GameState& state = game.state();
    state.PlayerNation = NationUnitedStates;
    SetHomeZone(state, 1, 1, 0, 10, 20);
    state.MapGrid(10, 20) = CodePlayerPort;

    // Aircraft and shore guns wait for their deployment.
    CreateUnit(*game, 60020, 80, 0);
    CreateUnit(*game, 60021, 100, 0);
    EXPECT_EQ(state.Unit(60020).X, 0);
    EXPECT_EQ(state.Unit(60021).X, 0);

    // Single-cell ships take the left cell of each pair first, then the right, then the next row.
    CreateUnit(*game, 60001, 43, 0);
    CreateUnit(*game, 60002, 43, 0);
    CreateUnit(*game, 60003, 20, 0);
    EXPECT_EQ(state.MapGrid(10, 20), 60001);
    EXPECT_EQ(state.Unit(60001).Under, CodePlayerPort);
    EXPECT_EQ(state.Unit(60002).X, 11);
    EXPECT_EQ(state.Unit(60003).Y, 21);
    EXPECT_EQ(state.Unit(60003).X, 10);

    // A battleship needs a whole pair: bow in the right cell, stern in the left.
    CreateUnit(*game, 60004, 63, 0);
    const UnitRec& bow = state.Unit(60004);
    const UnitRec& stern = state.Unit(60104);
    EXPECT_EQ(bow.X, 11);
    EXPECT_EQ(bow.Y, 22);
    EXPECT_EQ(stern.X, 10);
    EXPECT_EQ(stern.Y, 22);
    EXPECT_EQ(state.MapGrid(11, 22), 60004);
    EXPECT_EQ(state.MapGrid(10, 22), 60104);
    EXPECT_EQ(stern.Class, 63);
    EXPECT_EQ(stern.Picture, bow.Picture + 1);
    EXPECT_EQ(stern.Facing, 0);
    EXPECT_EQ(stern.Visible, 1);
}

TEST(UnitCreation, ShipsBerthAtTheHomeBaseFacingWest)
{
    TestGame game;
    GameState& state = game.state();
    state.EnemyNation = NationJapan;
    SetHomeZone(state, 4, 4, 4, 50, 30);
    CreateUnit(*game, 60201, 43, 1);
    EXPECT_EQ(state.Unit(60201).X, 54) << "a west-facing base fills from its outer columns";
    EXPECT_EQ(state.Unit(60201).Facing, 4);
    EXPECT_EQ(state.Unit(60201).Visible, 0);

    CreateUnit(*game, 60202, 73, 1);
    EXPECT_EQ(state.Unit(60202).X, 54);
    EXPECT_EQ(state.Unit(60202).Y, 31);
    EXPECT_EQ(state.Unit(60302).X, 55) << "facing west, the stern lies to the east";
    EXPECT_EQ(state.Unit(60302).Visible, 0);
}

TEST(UnitCreation, PlacementFallsBackToTheSecondBaseAndFurtherOut)
{
    TestGame game;
    GameState& state = game.state();
    state.PlayerNation = NationGreatBritain; // first key 3, second key 1
    SetHomeZone(state, 3, 3, 0, 10, 10);
    SetHomeZone(state, 1, 1, 0, 30, 10);
    FillLand(state, 10, 10, 15, 15);
    CreateUnit(*game, 60001, 43, 0);
    EXPECT_EQ(state.Unit(60001).X, 30);

    FillLand(state, 30, 10, 35, 15);
    CreateUnit(*game, 60002, 43, 0);
    EXPECT_EQ(state.Unit(60002).X, 36) << "the third attempt starts four columns further east";
    EXPECT_EQ(state.Unit(60002).Y, 10);

    // Facing west, further out is further west.
    state.AIZone(1).Size = 4;
    CreateUnit(*game, 60003, 43, 0);
    EXPECT_EQ(state.Unit(60003).X, 28);
}

TEST(UnitCreation, AFullBaseLeavesTheShipOffTheMap)
{
    TestGame game;
    GameState& state = game.state();
    state.PlayerNation = NationUnitedStates;
    state.MapWidth = 100;
    state.MapHeight = 100;
    SetHomeZone(state, 1, 1, 0, 99, 97);
    SetHomeZone(state, 3, 3, 0, 97, 99);
    state.MapGrid(99, 97) = Land;
    state.MapGrid(99, 98) = Land;
    state.MapGrid(99, 99) = Land;
    state.MapGrid(99, 100) = Land;
    state.MapGrid(97, 99) = Land;
    state.MapGrid(98, 99) = Land;
    state.MapGrid(97, 100) = Land;
    state.MapGrid(98, 100) = Land;
    EXPECT_NO_THROW(CreateUnit(*game, 60001, 43, 0));
    EXPECT_EQ(state.Unit(60001).X, 100) << "the right cell of the first pair is still sea";
    EXPECT_NO_THROW(CreateUnit(*game, 60002, 53, 0));
    EXPECT_EQ(state.Unit(60002).X, 0) << "no pair of sea cells inside the map";
    EXPECT_EQ(state.Unit(60102).X, 0);

    // A facing byte other than east or west is read as east.
    SetHomeZone(state, 1, 1, 2, 40, 40);
    CreateUnit(*game, 60003, 53, 0);
    EXPECT_EQ(state.Unit(60003).X, 41);
    EXPECT_EQ(state.Unit(60003).Facing, 0);
}

TEST(UnitCreation, PlacementHidesAndRestoresTheReachDisplay)
{
    TestGame tg;
    SelectingPresenter presenter;
    auto game = std::make_unique<Game>(presenter, tg.random, tg.files, tg.clock, PlayHooks());
    InitShipClasses(game->classes);
    ResetGame(game->state);
    game->state.PlayerNation = NationUnitedStates;
    SetHomeZone(game->state, 1, 1, 0, 10, 20);
    CreateUnit(*game, 60001, 63, 0);
    EXPECT_EQ(presenter.hides, 1);
    EXPECT_EQ(presenter.shows, 1);
}

TEST(NameFile, ListsRunTenFifteenOrTwentyNames)
{
    const std::string text = NameList(43, "Dest", 2) + NameList(46, "Heavy", 3) + NameList(63, "Bat", 5);
    const auto ten = ReadNameList(text, 43);
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten[0], "Dest1           ");
    EXPECT_EQ(ten[9], "Dest10          ");
    EXPECT_EQ(ReadNameList(text, 46).size(), 15u);
    EXPECT_EQ(ReadNameList(text, 63).size(), 20u) << "a fifth line is never read";
    EXPECT_TRUE(ReadNameList(text, 50).empty());

    // The first two name lines belong to the list whatever their number says; short lines
    // and Windows line ends give what is there.
    const std::string bravo = "Bravo" + std::string(11, ' ');
    const auto odd = ReadNameList("  16\r\n   0Alpha\r\n   0" + bravo + "Charlie\r\n  16Delta", 16);
    ASSERT_EQ(odd.size(), 15u);
    EXPECT_EQ(odd[0], "Alpha");
    EXPECT_EQ(odd[1], "");
    EXPECT_EQ(odd[6], "Charlie");
    EXPECT_EQ(odd[10], "Delta");

    EXPECT_EQ(NameListClassOf(18), 16);
    EXPECT_EQ(NameListClassOf(78), 20);
    EXPECT_EQ(NameListClassOf(95), 93);
    EXPECT_EQ(NameListClassOf(103), 100);
    EXPECT_EQ(NameListClassOf(104), 103);
    EXPECT_EQ(NameListClassOf(107), 109);
    EXPECT_EQ(NameListClassOf(43), 43);
    EXPECT_EQ(NameFileOf(NationItaly), "BAZE/IME/F30_NITA.TXT");
    EXPECT_EQ(NameFileOf(9), "");
}

TEST(UnitCreation, NamesAreUniqueAmongTheSidesActiveUnits)
{
    TestGame game;
    GameState& state = game.state();
    state.GameMode = ModeMission;
    state.PlayerNation = NationUnitedStates;
    state.EnemyNation = NationThirdReich;
    game.dir.Write("game/BAZE/IME/F30_NUSA.TXT",
                   NameList(43, "USS Dest", 2) + NameList(16, "USS Sub", 2) + "  63\n  63ABCDEFGHIJKLMNOP\n");
    game.dir.Write("game/BAZE/IME/f30_nger.txt", NameList(43, "Z-", 2));

    std::set<std::string> names;
    for (int u = 60001; u <= 60010; ++u)
    {
        CreateUnit(*game, u, 43, 0);
        names.insert(state.Unit(u).Name.Str());
    }
    EXPECT_EQ(names.size(), 10u);
    EXPECT_EQ(names.count("USS Dest7"), 1u);

    // Every name taken: a numbered name instead.
    CreateUnit(*game, 60011, 43, 0);
    const std::string fallback = state.Unit(60011).Name.Str();
    ASSERT_EQ(fallback.rfind("M-", 0), 0u);
    EXPECT_LT(std::stoi(fallback.substr(2)), 999);

    // A lost ship's name is free again.
    const std::string freed = state.Unit(60004).Name.Str();
    state.Unit(60004).Active = 0;
    CreateUnit(*game, 60012, 43, 0);
    EXPECT_EQ(state.Unit(60012).Name.Str(), freed);

    // The other side names from its own file, and sister classes borrow a list.
    CreateUnit(*game, 60201, 43, 0);
    EXPECT_EQ(state.Unit(60201).Name.Str().rfind("Z-", 0), 0u);
    CreateUnit(*game, 60013, 18, 0);
    EXPECT_EQ(state.Unit(60013).Name.Str().rfind("USS Sub", 0), 0u);
    CreateUnit(*game, 60014, 63, 0);
    EXPECT_EQ(state.Unit(60014).Name.Str(), "ABCDEFGHIJKLMNO") << "names are cut to 15 characters";

    // No file for the nation: numbered names.
    state.PlayerNation = NationCanada;
    CreateUnit(*game, 60015, 43, 0);
    EXPECT_EQ(state.Unit(60015).Name.Str().rfind("M-", 0), 0u);

    // Outside a game mode no name is given.
    state.GameMode = 0;
    state.Unit(60016).Name.Set("Old");
    CreateUnit(*game, 60016, 43, 0);
    EXPECT_EQ(state.Unit(60016).Name.Str(), "Old");
}

} // namespace olvane
