#pragma once

#include "state/pstring.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace olvane
{

// Unit numbers: a unit's number is its index in the unit table and the value written into the
// map where it stands.
constexpr std::uint16_t PlayerBaseId = 60000;
constexpr std::uint16_t EnemyBaseId = 60200;
constexpr std::uint16_t FirstUnitId = 60001;
constexpr std::uint16_t LastUnitId = 60400;
constexpr std::uint16_t SecondCellOffset = 100;
constexpr int MaxSideSlots = 100;

constexpr int MapSize = 100;
constexpr int CellSize = 42;
constexpr int MaxPorts = 25;
constexpr int GroupCount = 20;
constexpr int ZoneCount = 26;
constexpr int HomeZoneCount = 4;
constexpr int MapObjectCount = 30;
constexpr int MaxMarkers = MapObjectCount - 1;
constexpr int DestroyedCapacity = 101;
constexpr int ContactCapacity = 20;
constexpr int KnownEnemyCapacity = 30;
constexpr int ClassCategoryCount = 13;
constexpr int SideStatsSize = 11;

constexpr std::uint8_t SidePlayer = 1;
constexpr std::uint8_t SideEnemy = 2;

constexpr std::uint8_t ModeDeathMatch = 1;
constexpr std::uint8_t ModeMission = 2;
constexpr std::uint8_t ModeCampaign = 3;

constexpr std::uint8_t RankCadet = 1;
constexpr std::uint8_t RankCaptain = 2;
constexpr std::uint8_t RankAdmiral = 3;

constexpr std::uint8_t NationUnitedStates = 1;
constexpr std::uint8_t NationThirdReich = 2;
constexpr std::uint8_t NationGreatBritain = 3;
constexpr std::uint8_t NationJapan = 4;
constexpr std::uint8_t NationCanada = 5;
constexpr std::uint8_t NationAustralia = 6;
constexpr std::uint8_t NationNewZealand = 7;
constexpr std::uint8_t NationItaly = 8;
constexpr int NationCount = 8;

// Cell codes of MapGrid: base × 100 + coverage digit × 10 + detail digit.
constexpr std::uint16_t CodeSea = 0;
constexpr std::uint16_t CodePlayerMajorPort = 3700;
constexpr std::uint16_t CodeEnemyMajorPort = 3800;
constexpr std::uint16_t CodePlayerPort = 3900;
constexpr std::uint16_t CodeEnemyPort = 4000;
constexpr std::uint16_t CodeColumnLine = 4100;
constexpr std::uint16_t CodeRowLine = 4200;
constexpr std::uint16_t CodeCrossLine = 4300;
constexpr std::uint16_t CodeCoastLine = 37000;
constexpr int SectorLineSpacing = 8;

constexpr std::uint8_t PortKindMajor = 1;
constexpr std::uint8_t PortKindOrdinary = 2;

/// One unit: a ship, an aircraft, a shore installation, or the second cell of a large ship.
/// The save file stores it byte for byte in this layout.
struct UnitRec
{
    std::uint16_t Id = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t Facing = 0;
    std::uint8_t Planes = 0;
    PString<15> Name;
    std::uint8_t Order = 0;
    std::uint8_t DestX = 0;
    std::uint8_t DestY = 0;
    std::uint8_t Visible = 0;
    std::uint8_t Reserved26 = 0;
    std::uint8_t Reserved27 = 0;
    std::uint8_t PlacedX = 0;
    std::uint8_t Reserved29 = 0;
    std::uint16_t PlacedY = 0;
    std::uint8_t AIWork1 = 0;
    std::uint8_t AIWork2 = 0;
    std::uint8_t AIWork3 = 0;
    std::uint8_t AIGroup = 0;
    std::uint8_t Speed = 0;
    std::uint8_t Range = 0;
    std::uint8_t Armor = 0;
    std::uint8_t Fire = 0;
    std::uint8_t Class = 0;
    std::uint8_t Reserved41 = 0;
    std::uint16_t Under = 0;
    std::uint16_t Picture = 0;
    std::uint8_t Reserved46 = 0;
    std::uint8_t Reserved47 = 0;
    std::uint8_t Highlighted = 0;
    std::uint8_t MovedThisTurn = 0;
    std::uint8_t HitMark = 0;
    std::uint8_t Reserved51 = 0;
    std::uint16_t LinkedUnit = 0;
    std::uint8_t Active = 0;
    std::uint8_t AttackedBy = 0;
    std::uint8_t PortArtilleryHit = 0;
    std::uint8_t SpeedBonus = 0;
    std::uint8_t RangeBonus = 0;
    std::uint8_t ArmorBonus = 0;
    std::uint8_t FireBonus = 0;
    std::uint8_t RadarBonus = 0;
    std::uint8_t Radar = 0;
    std::uint8_t Reserved63 = 0;

    bool operator==(const UnitRec&) const = default;
};

static_assert(sizeof(UnitRec) == 64);
static_assert(offsetof(UnitRec, Order) == 22);
static_assert(offsetof(UnitRec, PlacedY) == 30);
static_assert(offsetof(UnitRec, Under) == 42);
static_assert(offsetof(UnitRec, LinkedUnit) == 52);
static_assert(offsetof(UnitRec, Radar) == 62);

struct PortRec
{
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t Owner = 0;
    std::uint8_t StartOwner = 0;
    std::uint8_t Zone = 0;
    std::uint8_t Kind = 0;
    std::uint8_t Flag = 0;

    bool operator==(const PortRec&) const = default;
};

static_assert(sizeof(PortRec) == 7);

/// A last-seen marker: where an enemy was seen and the base code of the cell it replaced.
/// Record 0 carries the count in its X.
struct MapObjectRec
{
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint16_t Code = 0;

    bool operator==(const MapObjectRec&) const = default;
};

static_assert(sizeof(MapObjectRec) == 4);

struct DestroyedEntry
{
    std::uint8_t Class = 0;
    std::uint8_t Side = 0;

    bool operator==(const DestroyedEntry&) const = default;
};

/// Every unit lost in this game, in the order lost, with the side that lost it.
struct DestroyedListRec
{
    std::uint8_t Count = 0;
    std::array<DestroyedEntry, DestroyedCapacity> Entries{};
    std::uint8_t Reserved = 0;

    bool operator==(const DestroyedListRec&) const = default;
};

static_assert(sizeof(DestroyedListRec) == 204);

/// One side's technology bonus for one class category.
struct TechRow
{
    std::uint8_t Armor = 0;
    std::uint8_t Fire = 0;
    std::uint8_t Speed = 0;
    std::uint8_t Range = 0;
    std::uint8_t Radar = 0;

    bool operator==(const TechRow&) const = default;
};

static_assert(sizeof(TechRow) == 5);

/// A group of up to four computer ships that patrols, hunts and changes zones together.
struct AIGroupRec
{
    std::uint8_t Number = 0;
    std::uint8_t Sector = 0;
    std::uint8_t Zone = 0;
    std::uint8_t PreviousZone = 0;
    std::uint8_t Mark = 0;
    std::uint8_t MemberCount = 0;
    std::array<std::uint16_t, 4> Members{};
    std::uint8_t Reserved14 = 0;
    std::uint8_t Reserved15 = 0;
    std::int32_t Phases = 0;
    std::uint8_t ZonePhases = 0;
    std::uint8_t ZoneChange = 0;
    std::uint8_t Reserved22 = 0;
    std::uint8_t Reserved23 = 0;

    bool operator==(const AIGroupRec&) const = default;
};

static_assert(sizeof(AIGroupRec) == 24);
static_assert(offsetof(AIGroupRec, Members) == 6);
static_assert(offsetof(AIGroupRec, Phases) == 16);
static_assert(offsetof(AIGroupRec, ZonePhases) == 20);

/// One formation position of a patrol sector: the two ends of its lane and the lane's quality.
struct SectorPosition
{
    std::uint8_t AX = 0;
    std::uint8_t AY = 0;
    std::uint8_t BX = 0;
    std::uint8_t BY = 0;
    std::uint8_t Quality = 0;

    bool operator==(const SectorPosition&) const = default;
};

constexpr std::uint8_t SectorShapeHorizontal = 72; // 'H'
constexpr std::uint8_t SectorShapeVertical = 86;   // 'V'
constexpr std::uint8_t SectorShapeBox = 75;        // 'K'

struct ZoneSector
{
    std::uint8_t Shape = 0;
    std::array<SectorPosition, 3> Positions{};
    std::uint8_t Owner = 0;
    std::uint8_t Capacity = 0;
    std::array<std::uint8_t, 40> Reserved{};

    bool operator==(const ZoneSector&) const = default;
};

static_assert(sizeof(ZoneSector) == 58);

constexpr int ZoneSectorCapacity = 30;

/// A zone of the sea for the computer opponent. In the home zones 1..4, Size holds the home
/// base's facing and Key the nation whose ships start there.
struct AIZoneRec
{
    std::uint8_t Size = 0;
    std::uint8_t OriginX = 0;
    std::uint8_t OriginY = 0;
    std::array<std::uint8_t, 5> Neighbours{};
    std::uint8_t Key = 0;
    std::array<ZoneSector, ZoneSectorCapacity> Sectors{};
    std::uint8_t SectorCount = 0;
    std::uint8_t Port = 0;

    bool operator==(const AIZoneRec&) const = default;
};

static_assert(sizeof(AIZoneRec) == 1751);
static_assert(offsetof(AIZoneRec, SectorCount) == 1749);

constexpr std::uint8_t ZoneSizePort = 6; // zones of this size hold a port and are never a move target

struct CampaignEntry
{
    std::uint8_t Result = 0;
    std::uint8_t Spare = 0;
    std::uint16_t Score = 0;
    std::uint16_t Maximum = 0;

    bool operator==(const CampaignEntry&) const = default;
};

static_assert(sizeof(CampaignEntry) == 6);

/// The running campaign: which one, how far, and how each mission went.
struct CampaignRec
{
    std::uint8_t Leading = 0;
    std::uint8_t Reserved1 = 0;
    std::uint16_t Number = 0;
    PString<15> Name;
    std::uint16_t CarriedPoints = 0;
    std::uint16_t Score = 0;
    std::uint8_t MissionCounter = 0;
    std::uint8_t Reserved25 = 0;
    std::uint16_t Word26 = 0;
    std::array<CampaignEntry, 16> Entries{};
    std::uint8_t Over = 0;
    std::array<std::uint8_t, 3> Reserved125{};

    bool operator==(const CampaignRec&) const = default;
};

static_assert(sizeof(CampaignRec) == 128);
static_assert(offsetof(CampaignRec, Name) == 4);
static_assert(offsetof(CampaignRec, CarriedPoints) == 20);
static_assert(offsetof(CampaignRec, MissionCounter) == 24);
static_assert(offsetof(CampaignRec, Entries) == 28);
static_assert(offsetof(CampaignRec, Over) == 124);

using SideStatsRec = std::array<std::uint8_t, SideStatsSize>;

// A side's mission record in SideStats: the goal type, the three thresholds the rank adjusts,
// the goal class, count and port, the convoy ships arrived, and the last turn of a timed goal.
constexpr int GoalTypeByte = 0;
constexpr int GoalBestByte = 1;
constexpr int GoalMiddleByte = 2;
constexpr int GoalLeastByte = 3;
constexpr int GoalClassByte = 5;
constexpr int GoalKillCountByte = 6;
constexpr int GoalPortByte = 7;
constexpr int GoalArrivedByte = 8;
constexpr int GoalLastTurnByte = 10;

constexpr std::uint8_t GoalConquerPorts = 1;
constexpr std::uint8_t GoalDefendPorts = 2;
constexpr std::uint8_t GoalSinkClass = 3;
constexpr std::uint8_t GoalConvoy = 4;
constexpr std::uint8_t GoalDestroyAll = 5;

struct ScenarioMark
{
    std::uint8_t Class = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;

    bool operator==(const ScenarioMark&) const = default;
};

struct TechGrant
{
    std::uint8_t Category = 0;
    std::uint8_t Attribute = 0;
    std::uint8_t Level = 0;

    bool operator==(const TechGrant&) const = default;
};

/// One record of the scenario database. CurrentScenario has the same layout.
struct ScenarioRec
{
    std::uint16_t Slot = 0;
    std::uint16_t ScenarioId = 0;
    std::uint8_t Kind = 0;
    PString<25> Title;
    PString<10> Tag;
    std::uint8_t PlayerNation = 0;
    std::uint8_t EnemyNation = 0;
    std::uint8_t Byte44 = 0;
    std::array<std::uint8_t, 11> Reserved45{};
    std::array<std::uint16_t, 16> CampaignSteps{};
    std::array<std::uint8_t, 2> Reserved88{};
    std::uint16_t MapNumber = 0;
    std::uint8_t MapPicture = 0;
    std::uint8_t Reserved93 = 0;
    std::uint16_t Word94 = 0;
    std::uint16_t Word96 = 0;
    std::uint16_t StartPoints = 0;
    std::uint16_t PortDefence = 0;
    std::uint8_t PortDefenceKinds = 0;
    /// How many turns the computer waits between raids on the player's ports.
    std::uint8_t AttackInterval = 0;
    std::uint8_t Byte104 = 0;
    std::uint8_t Byte105 = 0;
    std::uint8_t PurchaseRestriction = 0;
    std::uint8_t PortGroupsFlag = 0;
    std::array<SideStatsRec, 2> SideSettings{};
    PString<15> ShipName1;
    PString<15> ShipName2;
    std::uint8_t NamedShipClass1 = 0;
    std::uint8_t NamedShipClass2 = 0;
    std::uint8_t DisperseClasses1 = 0;
    std::uint8_t DisperseClasses2 = 0;
    std::array<ScenarioMark, 6> Marks{};
    std::uint8_t MarkFacing = 0;
    std::uint8_t Byte185 = 0;
    std::array<std::array<TechGrant, 10>, 2> TechGrants{};

    bool operator==(const ScenarioRec&) const = default;
};

static_assert(sizeof(ScenarioRec) == 246);
static_assert(offsetof(ScenarioRec, Title) == 5);
static_assert(offsetof(ScenarioRec, Tag) == 31);
static_assert(offsetof(ScenarioRec, PlayerNation) == 42);
static_assert(offsetof(ScenarioRec, CampaignSteps) == 56);
static_assert(offsetof(ScenarioRec, MapNumber) == 90);
static_assert(offsetof(ScenarioRec, StartPoints) == 98);
static_assert(offsetof(ScenarioRec, PortDefenceKinds) == 102);
static_assert(offsetof(ScenarioRec, SideSettings) == 108);
static_assert(offsetof(ScenarioRec, ShipName1) == 130);
static_assert(offsetof(ScenarioRec, ShipName2) == 146);
static_assert(offsetof(ScenarioRec, NamedShipClass1) == 162);
static_assert(offsetof(ScenarioRec, Marks) == 166);
static_assert(offsetof(ScenarioRec, MarkFacing) == 184);
static_assert(offsetof(ScenarioRec, TechGrants) == 186);

constexpr int ScenarioRecordSize = 246;

} // namespace olvane
