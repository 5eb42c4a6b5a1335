#include "rules/combat.h"

#include "rules/awards.h"
#include "rules/detection.h"
#include "rules/movement.h"
#include "rules/unit_kinds.h"
#include "state/game.h"

#include <algorithm>
#include <string>

namespace olvane
{

namespace
{

constexpr int ExplosionFrames = 5;
constexpr int ExplosionFramePause = 60;
constexpr int HitFirstFrame = 0;
constexpr int KillFirstFrame = 4;
constexpr int SinkingSound = 250;
constexpr int ExplosionSoundOffset = 100;
constexpr int KillPause = 1560;
constexpr int TurretStepPause = 60;
constexpr std::uint8_t HitMarkStruck = 100;
constexpr std::uint8_t PortArtilleryMark = 4;
constexpr int ConvoyTargetPriority = 200;

enum class Weapon
{
    None,
    Torpedo,
    Artillery,
    Air,
    PortArtillery,
};

Weapon WeaponOf(int c)
{
    if (IsSubmarine(c))
    {
        return Weapon::Torpedo;
    }
    if (c >= 20 && c <= 69)
    {
        return Weapon::Artillery;
    }
    if (IsCarrier(c) || IsAircraft(c))
    {
        return Weapon::Air;
    }
    if (IsInstallation(c))
    {
        return Weapon::PortArtillery;
    }
    return Weapon::None;
}

/// How long the player watches his own shot, by the class that fired it.
int ShotPause(int c)
{
    if (IsSubmarine(c))
    {
        return 1080;
    }
    if (c >= 20 && c <= 39)
    {
        return 322;
    }
    if (c >= 40 && c <= 49)
    {
        return 466;
    }
    if (c >= 50 && c <= 59)
    {
        return 416;
    }
    if (c >= 60 && c <= 69)
    {
        return 484;
    }
    if (c >= 70 && c <= 89)
    {
        return 1000;
    }
    if (IsInstallation(c))
    {
        return 420;
    }
    // Transporters and auxiliaries carry no guns; should one fire, it paces like an escort.
    return 322;
}

void PlayExplosion(Game& game, int target, bool destroyed)
{
    const GameState& state = game.state;
    const UnitRec& t = state.Unit(target);
    const bool twoCells = HasSecondUnit(t.Class);
    const UnitRec& stern = state.Unit(twoCells ? SecondCell(target) : target);
    const int first = destroyed ? KillFirstFrame : HitFirstFrame;
    for (int frame = first; frame < first + ExplosionFrames; ++frame)
    {
        game.presenter.DrawExplosion(t.X, t.Y, frame);
        if (twoCells)
        {
            game.presenter.DrawExplosion(stern.X, stern.Y, frame);
        }
        game.presenter.Delay(ExplosionFramePause);
    }
    game.presenter.RedrawView();
}

} // namespace

void RemoveFromMap(Game& game, int id)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(id);
    u.Visible = 0;
    const int x = u.X;
    const int y = u.Y;
    if (OnMap(state, x, y) && state.MapGrid(x, y) == id)
    {
        state.MapGrid(x, y) = u.Under;
    }
    u.X = 0;
    u.Y = 0;
    u.Active = 0;
    if (OnMap(state, x, y))
    {
        game.presenter.DrawCell(x, y);
    }
}

void FireShot(Game& game, int attacker, int target)
{
    GameState& state = game.state;
    target = MainUnitOf(target);
    CentreView(game, target);
    UnitRec& shooter = state.Unit(attacker);
    UnitRec& victim = state.Unit(target);
    if (IsPortGun(shooter.Class))
    {
        TurnTurret(game, attacker, victim.X, victim.Y);
    }
    if (victim.Armor > 0)
    {
        --victim.Armor;
    }
    const bool destroyed = victim.Armor == 0;
    game.presenter.PlaySoundEffect(destroyed ? SinkingSound : shooter.Class + ExplosionSoundOffset);
    PlayExplosion(game, target, destroyed);
    if (shooter.Fire > 0)
    {
        --shooter.Fire;
    }
    victim.HitMark = HitMarkStruck;
    RecordAttack(game, attacker, target);
    if (destroyed)
    {
        DestroyUnit(game, target);
    }
    if (!IsEnemy(attacker))
    {
        game.presenter.RefreshUnitPanel(attacker);
        if (victim.Active != 0)
        {
            game.presenter.RefreshUnitPanel(target);
        }
        game.presenter.Delay(destroyed ? KillPause : ShotPause(shooter.Class));
    }
}

void RecordAttack(Game& game, int attacker, int target)
{
    GameState& state = game.state;
    UnitRec& victim = state.Unit(MainUnitOf(target));
    int hundreds = victim.AttackedBy / 100 % 10;
    int tens = victim.AttackedBy / 10 % 10;
    int ones = victim.AttackedBy % 10;
    switch (WeaponOf(state.Unit(attacker).Class))
    {
        case Weapon::Torpedo:
            ones = 3;
            break;
        case Weapon::Artillery:
            tens = 2;
            break;
        case Weapon::Air:
            hundreds = 1;
            break;
        case Weapon::PortArtillery:
            if (!IsEnemy(MainUnitOf(target)))
            {
                victim.PortArtilleryHit = PortArtilleryMark;
            }
            break;
        case Weapon::None:
            return;
    }
    victim.AttackedBy = static_cast<std::uint8_t>(hundreds * 100 + tens * 10 + ones);
}

void ReportAttack(Game& game, int attacker, int target)
{
    GameState& state = game.state;
    const UnitRec& victim = state.Unit(MainUnitOf(target));
    std::string weapon;
    switch (WeaponOf(state.Unit(attacker).Class))
    {
        case Weapon::Torpedo:
            weapon = victim.AttackedBy % 10 != 0 ? " torpedo " : "";
            break;
        case Weapon::Artillery:
            weapon = victim.AttackedBy / 10 % 10 != 0 ? " artillery " : "";
            break;
        case Weapon::Air:
            weapon = victim.AttackedBy / 100 % 10 != 0 ? " air " : "";
            break;
        case Weapon::PortArtillery:
            weapon = victim.PortArtilleryHit != 0 ? " port artillery " : "";
            break;
        case Weapon::None:
            break;
    }
    state.LBinfo.insert(state.LBinfo.begin(),
                        {game.classes.Class(victim.Class).Abbrev.Str() + " " + TrimmedName(victim),
                         "          -under" + weapon + "attack"});
    game.presenter.RefreshMessageList();
}

void DestroyUnit(Game& game, int unit)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    const bool player = !IsEnemy(unit);
    const int cls = u.Class;
    AddScore(game, player ? AwardUnitLost : AwardEnemyDestroyed, cls);
    if (player)
    {
        state.LBinfo.insert(state.LBinfo.begin(), game.classes.Class(cls).Abbrev.Str() + " " +
                                                      TrimmedName(u) + "     " +
                                                      (IsAircraft(cls) ? "destroyed" : "sank") + " at " +
                                                      std::to_string(u.X) + "-" + std::to_string(u.Y));
        game.presenter.RefreshMessageList();
    }
    game.presenter.RefreshUnitPanel(unit);
    if (player && state.KnownEnemyCount > 0)
    {
        for (std::uint16_t& known : state.KnownEnemies)
        {
            if (known == unit)
            {
                known = 0;
                --state.KnownEnemyCount;
            }
        }
    }
    if (HasSecondUnit(cls) && IsDiagonal(u.Facing))
    {
        // Hidden first, so the diagonal hull is drawn away from both cells and their corners.
        u.Visible = 0;
        state.Unit(SecondCell(unit)).Visible = 0;
        game.presenter.DrawDiagonalShip(unit);
    }
    RemoveFromMap(game, unit);
    if (!player && !IsInstallation(cls) && u.AIGroup >= 1 && u.AIGroup <= GroupCount)
    {
        AIGroupRec& group = state.AIGroup(u.AIGroup);
        if (group.MemberCount > 0)
        {
            --group.MemberCount;
        }
        if (group.MemberCount == 0)
        {
            game.opponent.ResetGroup(state, u.AIGroup);
        }
    }
    if (HasSecondUnit(cls))
    {
        RemoveFromMap(game, SecondCell(unit));
    }
    if (!IsInstallation(cls) && state.DestroyedList.Count < DestroyedCapacity)
    {
        DestroyedEntry& entry = state.DestroyedList.Entries[state.DestroyedList.Count];
        entry.Class = static_cast<std::uint8_t>(cls);
        entry.Side = static_cast<std::uint8_t>(SideOf(unit));
        ++state.DestroyedList.Count;
    }
    if (player)
    {
        game.presenter.DrawUnitStrip();
    }
}

bool CanTarget(const Game& game, int attacker, int target)
{
    const GameState& state = game.state;
    const UnitRec& shooter = state.Unit(attacker);
    const UnitRec& cell = state.Unit(target);
    const int targetClass = cell.Class;
    if (IsSubmarine(targetClass) && !game.classes.IsSonar(shooter.Class))
    {
        return false;
    }
    if (IsAircraft(targetClass) && !SpotsAircraft(game.classes, shooter.Class))
    {
        return false;
    }
    if (IsInstallation(targetClass) && IsSubmarine(shooter.Class))
    {
        return false;
    }
    if (!OnMap(state, cell.X, cell.Y))
    {
        return false;
    }
    return RadarCovers(shooter.Range, cell.X - shooter.X, cell.Y - shooter.Y);
}

void OrderTargets(Game& game)
{
    GameState& state = game.state;
    const SideStatsRec& mine = state.SideStats(SidePlayer);
    const SideStatsRec& theirs = state.SideStats(SideEnemy);
    const bool convoy = mine[GoalPortByte] != 0 || theirs[GoalPortByte] != 0;
    auto list = state.ContactList;
    std::array<std::uint16_t, ContactCapacity> ordered{};
    const int count = std::min<int>(state.ContactCount, ContactCapacity);
    for (int out = 0; out < count; ++out)
    {
        int best = -1;
        int bestPriority = 0;
        for (int i = 0; i < count; ++i)
        {
            const int id = list[static_cast<std::size_t>(i)];
            if (id == 0)
            {
                continue;
            }
            const int cls = state.Unit(id).Class;
            if (convoy && (cls == mine[GoalClassByte] || cls == theirs[GoalClassByte]))
            {
                if (ConvoyTargetPriority >= bestPriority)
                {
                    best = i;
                    bestPriority = ConvoyTargetPriority;
                }
            }
            else if (cls > bestPriority || best < 0)
            {
                best = i;
                bestPriority = cls;
            }
        }
        ordered[static_cast<std::size_t>(out)] = list[static_cast<std::size_t>(best)];
        list[static_cast<std::size_t>(best)] = 0;
    }
    std::copy_n(ordered.begin(), count, state.ContactList.begin());
}

void RememberContacts(Game& game)
{
    GameState& state = game.state;
    for (int i = 0; i < state.ContactCount; ++i)
    {
        const std::uint16_t contact = state.ContactList[static_cast<std::size_t>(i)];
        if (state.Unit(contact).X == 0 || std::find(state.KnownEnemies.begin(), state.KnownEnemies.end(),
                                                    contact) != state.KnownEnemies.end())
        {
            continue;
        }
        const auto free = std::find(state.KnownEnemies.begin(), state.KnownEnemies.end(), 0);
        if (free != state.KnownEnemies.end())
        {
            *free = contact;
            ++state.KnownEnemyCount;
        }
    }
}

void TurnTurret(Game& game, int gun, int targetX, int targetY)
{
    UnitRec& g = game.state.Unit(gun);
    const int dx = (targetX > g.X) - (targetX < g.X);
    const int dy = (targetY > g.Y) - (targetY < g.Y);
    if (dx == 0 && dy == 0)
    {
        return;
    }
    // Headings by (dx + 1, dy + 1): east 0, south-east 1, south 2 ... north-east 7.
    static constexpr int Heading[3][3] = {{5, 4, 3}, {6, 0, 2}, {7, 0, 1}};
    const int wanted = Heading[dx + 1][dy + 1];
    const int ahead = (wanted - g.Facing % 8 + 8) % 8;
    const int step = ahead <= 4 ? 1 : -1;
    const int steps = ahead <= 4 ? ahead : 8 - ahead;
    for (int i = 0; i < steps; ++i)
    {
        g.Facing = static_cast<std::uint8_t>((g.Facing % 8 + step + 8) % 8);
        game.presenter.DrawUnit(gun);
        game.presenter.Delay(TurretStepPause);
    }
}

bool PlayerFireAt(Game& game, int shooter, int target)
{
    GameState& state = game.state;
    if (!IsUnitCode(target) || !IsEnemy(target) || state.FireMode != FireModeTarget)
    {
        return false;
    }
    const UnitRec& t = state.Unit(target);
    if (t.Visible == 0 || state.Unit(MainUnitOf(target)).Active == 0 || state.Unit(shooter).Fire == 0 ||
        !CanTarget(game, shooter, target))
    {
        return false;
    }
    FireShot(game, shooter, target);
    state.FireMode = FireModeMove;
    game.presenter.SetHQEnabled(true);
    return true;
}

} // namespace olvane
