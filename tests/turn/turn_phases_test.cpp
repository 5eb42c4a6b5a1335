#include "rules/movement.h"
#include "rules/rules_fixture.h"
#include "turn/invariants.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::PlaceUnit;
using test::TestGame;

/// Every call of the phase label, in order; a hidden label reads "(hidden)".
struct LabelCall
{
    std::string text;
    PhaseColour textColour = PhaseColour::Black;
    PhaseColour band = PhaseColour::Black;

    bool operator==(const LabelCall&) const = default;
};

class PhasePresenter : public test::RecordingPresenter
{
public:
    void ShowPhaseLabel(std::string_view text, PhaseColour textColour, PhaseColour band) override
    {
        labels.push_back({std::string(text), textColour, band});
    }

    void HidePhaseLabel() override { labels.push_back({"(hidden)"}); }

    bool MainWindowActive() override { return active; }

    std::vector<LabelCall> labels;
    bool active = true;
};

/// A game whose presenter also records the phase label.
struct PhaseGame
{
    PhaseGame()
    {
        InitShipClasses(game.classes);
        ResetGame(game.state);
        game.state.ViewColumns = 24;
        game.state.ViewRows = 18;
        ClearMaps(game.state);
    }

    GameState& state() { return game.state; }

    UnitRec& Place(int id, int cls, int x, int y, int x2 = 0, int y2 = 0)
    {
        UnitRec& u = state().Unit(id);
        const ClassRec& c = game.classes.Class(cls);
        u = UnitRec{};
        u.Id = static_cast<std::uint16_t>(id);
        u.Class = static_cast<std::uint8_t>(cls);
        u.Speed = c.Speed;
        u.Range = c.Range;
        u.Armor = c.Armor;
        u.Fire = c.Fire;
        u.Active = 1;
        u.Visible = IsEnemy(id) ? 0 : 1;
        u.X = static_cast<std::uint8_t>(x);
        u.Y = static_cast<std::uint8_t>(y);
        u.Under = state().MapGrid(x, y);
        state().MapGrid(x, y) = static_cast<std::uint16_t>(id);
        std::uint8_t& count = IsEnemy(id) ? state().EnemyShipCount : state().PlayerShipCount;
        count = std::max<std::uint8_t>(
            count, static_cast<std::uint8_t>(IsEnemy(id) ? id - EnemyBaseId : id - PlayerBaseId));
        if (x2 != 0)
        {
            UnitRec& stern = state().Unit(SecondCell(id));
            stern = UnitRec{};
            stern.Id = static_cast<std::uint16_t>(SecondCell(id));
            stern.Class = u.Class;
            stern.Active = 1;
            stern.X = static_cast<std::uint8_t>(x2);
            stern.Y = static_cast<std::uint8_t>(y2);
            stern.Under = state().MapGrid(x2, y2);
            state().MapGrid(x2, y2) = stern.Id;
        }
        return u;
    }

    test::TempDir dir;
    PhasePresenter presenter;
    FixedSeedSource seeds{7};
    Random random{seeds};
    DataFiles files{dir.Path() / "game", dir.Path() / "user"};
    test::ManualClock clock;
    Game game{presenter, random, files, clock, PlayHooks()};
};

/// True when `part` occurs in `whole` in order, other values in between allowed.
bool InOrder(const std::vector<int>& whole, const std::vector<int>& part)
{
    auto at = whole.begin();
    for (int value : part)
    {
        at = std::find(at, whole.end(), value);
        if (at == whole.end())
        {
            return false;
        }
        ++at;
    }
    return true;
}

} // namespace

TEST(TurnPhases, OneUnitCyclesThroughWholeTurns)
{
    PhaseGame g;
    g.Place(PlayerBaseId + 1, 43, 10, 10);
    g.Place(EnemyBaseId + 1, 43, 40, 40);
    BeginGame(g.game);
    EXPECT_EQ(g.state().TurnNumber, 1);
    EXPECT_EQ(g.state().SelectedUnit, PlayerBaseId + 1);
    EXPECT_EQ(g.presenter.messages, std::vector<int>{1}) << "the turn's message once";

    for (int turn = 2; turn <= 4; ++turn)
    {
        UnitRec& u = g.state().Unit(PlayerBaseId + 1);
        u.DestX = u.X;
        u.DestY = u.Y;
        MoveUnit(g.game, PlayerBaseId + 1);
        if (g.state().TurnNumber != turn)
        {
            // The move's own choice of the next unit found none: the phase ends here.
            g.state().SelectedUnit = PlayerBaseId + 1;
            SelectNextPlayerUnit(g.game);
        }
        EXPECT_EQ(g.state().TurnNumber, turn);
        EXPECT_EQ(g.state().SelectedUnit, PlayerBaseId + 1) << "the next turn selects it again";
        EXPECT_EQ(u.MovedThisTurn, 0);
        EXPECT_TRUE(CheckInvariants(g.state()).empty());
    }

    const std::vector<LabelCall> phase = {
        {"END OF PLAYER PHASE", PhaseColour::Yellow, PhaseColour::Navy},
        {"CLEARING RADAR RANGES", PhaseColour::Aqua, PhaseColour::Navy},
        {"(hidden)"},
        {"START OF ENEMY PHASE", PhaseColour::Yellow, PhaseColour::Red},
        {"ENEMY PHASE", PhaseColour::Black, PhaseColour::Red},
        {"END OF ENEMY PHASE", PhaseColour::Yellow, PhaseColour::Red},
        {"(hidden)"},
    };
    ASSERT_EQ(g.presenter.labels.size(), 3 * phase.size());
    EXPECT_TRUE(std::equal(phase.begin(), phase.end(), g.presenter.labels.begin()));
    EXPECT_TRUE(InOrder(g.presenter.delays, {500, 1000, 700, 1000, 400, 900}));
    EXPECT_EQ(g.state().LBinfo.front(), "--------------------------End of 3. turn");

    // An inactive main window starts no phase, and neither does a finished game.
    g.presenter.active = false;
    StartPlayerPhase(g.game);
    EXPECT_EQ(g.state().TurnNumber, 4);
    g.presenter.active = true;
    g.state().GameOver = 1;
    StartPlayerPhase(g.game);
    EXPECT_EQ(g.state().TurnNumber, 4);
}

TEST(TurnPhases, TheNextUnitIsFoundRingByRingThenInViewThenBeyond)
{
    PhaseGame g;
    GameState& state = g.state();
    g.Place(PlayerBaseId + 1, 43, 10, 10).MovedThisTurn = 1;
    g.Place(PlayerBaseId + 2, 43, 20, 15);
    // A cruiser whose stern lies in the first ring, its bow in the second.
    g.Place(PlayerBaseId + 3, 53, 12, 11, 11, 11);
    g.Place(PlayerBaseId + 4, 43, 26, 5);
    g.Place(PlayerBaseId + 5, 43, 60, 40);
    state.SelectedUnit = PlayerBaseId + 1;

    SelectNextPlayerUnit(g.game);
    EXPECT_EQ(state.SelectedUnit, PlayerBaseId + 3) << "the ring beats a lower number elsewhere in view";
    EXPECT_EQ(state.Unit(PlayerBaseId + 3).Highlighted, 1);
    EXPECT_EQ(state.BlinkEnabled, 1);

    state.Unit(PlayerBaseId + 3).MovedThisTurn = 1;
    SelectNextPlayerUnit(g.game);
    EXPECT_EQ(state.SelectedUnit, PlayerBaseId + 2);
    EXPECT_EQ(state.Unit(PlayerBaseId + 3).Highlighted, 0);

    state.Unit(PlayerBaseId + 2).MovedThisTurn = 1;
    SelectNextPlayerUnit(g.game);
    EXPECT_EQ(state.SelectedUnit, PlayerBaseId + 4) << "two columns beyond the view";
    EXPECT_EQ(state.ViewX, 2) << "scrolled by the least amount";
    EXPECT_EQ(state.ViewY, 0);

    state.Unit(PlayerBaseId + 4).MovedThisTurn = 1;
    g.presenter.delays.clear();
    SelectNextPlayerUnit(g.game);
    EXPECT_EQ(state.SelectedUnit, PlayerBaseId + 5);
    EXPECT_EQ(g.presenter.delays.front(), 150);
    EXPECT_EQ(state.ViewX, 60 - 12) << "centred on the far unit";
    EXPECT_EQ(state.ViewY, 40 - 9);

    // CentreView leaves a unit strictly inside the view alone and keeps the view on the map.
    CentreView(g.game, PlayerBaseId + 5);
    EXPECT_EQ(state.ViewX, 48);
    g.Place(PlayerBaseId + 6, 43, 95, 95);
    CentreView(g.game, PlayerBaseId + 6);
    EXPECT_EQ(state.ViewX, 96 - 24);
    EXPECT_EQ(state.ViewY, 96 - 18);
}

TEST(TurnPhases, EndOfThePlayerPhaseRefillsFireAndBringsAircraftHome)
{
    PhaseGame g;
    GameState& state = g.state();
    UnitRec& ship = g.Place(PlayerBaseId + 1, 43, 10, 10);
    ship.Fire = 0;
    ship.AttackedBy = 23;
    ship.PortArtilleryHit = 4;
    state.TechBonus(SidePlayer, 4).Fire = 2;
    UnitRec& flew = g.Place(PlayerBaseId + 2, 80, 15, 15);
    flew.PlacedX = 12;
    flew.PlacedY = 12;
    UnitRec& stayed = g.Place(PlayerBaseId + 3, 80, 20, 20);
    stayed.PlacedX = 20;
    stayed.PlacedY = 20;
    g.Place(EnemyBaseId + 1, 43, 40, 40);
    state.TurnNumber = 1;
    for (int id : {PlayerBaseId + 1, PlayerBaseId + 2, PlayerBaseId + 3})
    {
        state.Unit(id).MovedThisTurn = 1;
    }
    EndPlayerPhase(g.game);
    EXPECT_EQ(ship.Fire, 2 + 2);
    EXPECT_EQ(ship.AttackedBy, 0);
    EXPECT_EQ(ship.PortArtilleryHit, 0);
    EXPECT_EQ(flew.X, 12);
    EXPECT_EQ(flew.Y, 12);
    EXPECT_EQ(state.MapGrid(12, 12), PlayerBaseId + 2);
    EXPECT_EQ(state.MapGrid(15, 15), CodeSea);
    EXPECT_EQ(stayed.X, 20);
    EXPECT_EQ(state.MapGrid(20, 20), PlayerBaseId + 3);
    EXPECT_EQ(state.TurnNumber, 2);
    EXPECT_TRUE(CheckInvariants(state).empty());
}

TEST(TurnPhases, ShoreInstallationsActBeforeThePlayersFirstUnit)
{
    PhaseGame g;
    GameState& state = g.state();
    g.Place(PlayerBaseId + 1, 43, 10, 10);
    UnitRec& gun = g.Place(PlayerBaseId + 2, 103, 30, 30);
    gun.Facing = 3;
    UnitRec& radar = g.Place(PlayerBaseId + 3, 107, 5, 30);
    radar.Facing = 5;
    UnitRec& target = g.Place(EnemyBaseId + 1, 43, 31, 30);
    g.presenter.fireTargetChooser = [](int) { return EnemyBaseId + 1; };
    StartPlayerPhase(g.game);
    EXPECT_EQ(std::count(g.presenter.delays.begin(), g.presenter.delays.end(), 90), 2 * 8)
        << "the radar sweeps";
    EXPECT_EQ(radar.Facing, 5) << "a full turn of the sweep";
    EXPECT_EQ(gun.Facing, 0) << "the gun turned to fire east";
    EXPECT_EQ(gun.MovedThisTurn, 1);
    EXPECT_LT(target.Armor, 5) << "it fired where it stands";
    EXPECT_EQ(state.SelectedUnit, PlayerBaseId + 1) << "then the player gets his first unit";
    EXPECT_EQ(g.presenter.messages, std::vector<int>{1});
}

TEST(TurnPhases, WaitsRunOnTheMonotonicClock)
{
    test::ManualClock clock;
    int readings = 0;
    WaitOnClock(clock, 100, [&] {
        ++readings;
        clock.now += 1;
    });
    EXPECT_EQ(readings, 85) << "at least 100 less 15 milliseconds";
    readings = 0;
    WaitOnClock(clock, 15, [&] { ++readings; });
    EXPECT_EQ(readings, 0) << "short waits return at once";
}

} // namespace olvane
