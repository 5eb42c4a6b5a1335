#include "state/save_file.h"

#include "state/data_files.h"
#include "state/game.h"
#include "state/map_file.h"
#include "state/scenario.h"
#include "state/unit_record.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>

namespace olvane
{

namespace
{

constexpr std::size_t DestroyedBytes = sizeof(DestroyedListRec);
constexpr std::size_t DestroyedRecords = 17;
constexpr std::size_t BytesPerDestroyedRecord = 12;
constexpr std::size_t PortRecords = 13;
constexpr std::size_t TechCategories = 12;

std::array<std::uint8_t, DestroyedBytes> DestroyedListBytes(const DestroyedListRec& list)
{
    std::array<std::uint8_t, DestroyedBytes> bytes{};
    bytes[0] = list.Count;
    for (std::size_t i = 0; i < list.Entries.size(); ++i)
    {
        bytes[1 + 2 * i] = list.Entries[i].Class;
        bytes[2 + 2 * i] = list.Entries[i].Side;
    }
    bytes[DestroyedBytes - 1] = list.Reserved;
    return bytes;
}

DestroyedListRec DestroyedListFromBytes(const std::array<std::uint8_t, DestroyedBytes>& bytes)
{
    DestroyedListRec list;
    list.Count = bytes[0];
    for (std::size_t i = 0; i < list.Entries.size(); ++i)
    {
        list.Entries[i] = {bytes[1 + 2 * i], bytes[2 + 2 * i]};
    }
    list.Reserved = bytes[DestroyedBytes - 1];
    return list;
}

// The twelve byte-sized slots of a destroyed-list record, in the order the chunk fills them;
// word fields carry the byte in their low half.
template <typename Record, typename Use> void WithDestroyedSlot(Record& rec, std::size_t j, Use use)
{
    switch (j)
    {
        case 0:
            use(rec.X);
            break;
        case 1:
            use(rec.Y);
            break;
        case 2:
            use(rec.DestX);
            break;
        case 3:
            use(rec.PlacedY);
            break;
        case 4:
            use(rec.Under);
            break;
        case 5:
            use(rec.Picture);
            break;
        case 6:
            use(rec.LinkedUnit);
            break;
        case 7:
            use(rec.Armor);
            break;
        case 8:
            use(rec.Fire);
            break;
        case 9:
            use(rec.AttackedBy);
            break;
        case 10:
            use(rec.PortArtilleryHit);
            break;
        default:
            use(rec.Order);
            break;
    }
}

void PutDestroyedByte(UnitRec& rec, std::size_t j, std::uint8_t value)
{
    WithDestroyedSlot(rec, j, [value](auto& field) { field = value; });
}

std::uint8_t GetDestroyedByte(const UnitRec& rec, std::size_t j)
{
    std::uint8_t value = 0;
    WithDestroyedSlot(rec, j, [&value](const auto& field) { value = static_cast<std::uint8_t>(field); });
    return value;
}

/// Inside the 100 × 100 grid, whatever the size of the current map.
bool OnGrid(int x, int y)
{
    return x >= 1 && x <= MapSize && y >= 1 && y <= MapSize;
}

/// The code a cell holds beneath whatever unit stands on it.
std::uint16_t CodeBeneath(const GameState& state, int x, int y)
{
    const std::uint16_t code = state.MapGrid(x, y);
    return IsUnitCode(code) ? state.Unit(code).Under : code;
}

/// A unit standing on a last-seen marker is saved with the marker taken out of its Under.
std::uint16_t AdjustedUnder(const GameState& state, const UnitRec& unit)
{
    for (int i = 1; i <= std::min(state.MarkerCount(), MaxMarkers); ++i)
    {
        const MapObjectRec& marker = state.MapObject(i);
        if (marker.X == unit.X && marker.Y == unit.Y)
        {
            return static_cast<std::uint16_t>(marker.Code * 100 + unit.Under % 100);
        }
    }
    return unit.Under;
}

void Append(std::vector<std::uint8_t>& out, const UnitRec& rec)
{
    const UnitBytes bytes = EncodeUnit(rec);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

UnitRec HeaderRecord(const GameState& state)
{
    UnitRec rec;
    rec.X = state.GameMode;
    rec.Y = static_cast<std::uint8_t>(state.TurnNumber & 0xFF);
    // The old header kept only the low byte of the turn; the high byte rides in a byte that was
    // always 0, so older saves read as before.
    rec.Reserved29 = static_cast<std::uint8_t>(state.TurnNumber >> 8);
    rec.DestX = static_cast<std::uint8_t>(state.ScenarioNumber & 0xFF);
    rec.PlacedX = state.Rank;
    rec.PlacedY = state.CampaignStep;
    const std::int64_t points = state.ProductionPoints;
    rec.Under = static_cast<std::uint16_t>(std::llabs(points) & 0xFFFF);
    rec.DestY = points < 0 ? 1 : 0;
    rec.Picture = state.CampaignAux;
    rec.LinkedUnit = state.MapNumber;
    rec.Armor = state.PlayerNation;
    rec.Fire = state.EnemyNation;
    rec.AttackedBy = state.PlayerShipCount;
    rec.PortArtilleryHit = state.EnemyShipCount;
    rec.Order = state.AIGroupCount;
    return rec;
}

UnitRec PortRecord(const GameState& state, int first)
{
    UnitRec rec;
    const PortRec& a = state.Port(first);
    if (a.X > 0)
    {
        rec.Class = a.Owner;
        rec.Under = a.StartOwner;
        rec.X = a.Kind;
        rec.MovedThisTurn = a.Flag;
    }
    const int second = first + 1;
    if (second <= MaxPorts && state.Port(second).X > 0)
    {
        const PortRec& b = state.Port(second);
        rec.Picture = b.Owner;
        rec.Reserved46 = b.StartOwner;
        rec.Y = b.Kind;
        rec.Active = b.Flag;
    }
    return rec;
}

UnitRec TechRecord(const GameState& state, int category)
{
    const TechRow& p = state.TechBonus(SidePlayer, category);
    const TechRow& e = state.TechBonus(SideEnemy, category);
    UnitRec rec;
    rec.X = p.Armor;
    rec.Y = p.Fire;
    rec.DestX = p.Speed;
    rec.PlacedX = p.Range;
    rec.PlacedY = p.Radar;
    rec.Under = e.Armor;
    rec.DestY = e.Fire;
    rec.Picture = e.Speed;
    rec.LinkedUnit = e.Range;
    rec.Armor = e.Radar;
    return rec;
}

void AppendSideUnits(std::vector<std::uint8_t>& out, const GameState& state, int side)
{
    const int base = SideBase(side);
    const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
    for (int slot = 1; slot <= std::min(count, MaxSideSlots); ++slot)
    {
        const int id = base + slot;
        UnitRec rec = state.Unit(id);
        rec.Id = static_cast<std::uint16_t>(id);
        rec.Under = AdjustedUnder(state, rec);
        Append(out, rec);
        if (HasSecondUnit(rec.Class))
        {
            const UnitRec& second = state.Unit(SecondCell(id));
            UnitRec stern;
            stern.Id = static_cast<std::uint16_t>(SecondCell(id));
            stern.X = second.X;
            stern.Y = second.Y;
            stern.Facing = second.Facing;
            stern.Visible = second.Visible;
            stern.Class = second.Class;
            stern.Under = AdjustedUnder(state, second);
            stern.Picture = second.Picture;
            stern.LinkedUnit = second.LinkedUnit;
            Append(out, stern);
        }
    }
}

/// A save file taken apart and checked, before anything of the running game changes.
struct SaveImage
{
    std::vector<UnitRec> fixed;
    std::vector<UnitRec> units; ///< in file order; a large ship is followed by its second cell
};

std::optional<SaveImage> ParseSaveFile(std::span<const std::uint8_t> bytes)
{
    // A partial record at the end means the file was cut short.
    if (bytes.size() % UnitRecordSize != 0 || bytes.size() < SaveFixedRecords * UnitRecordSize)
    {
        return std::nullopt;
    }
    SaveImage image;
    // Side counts and the group count index fixed tables; a foreign value would walk past them.
    const UnitRec header = DecodeUnit(bytes.first<UnitRecordSize>());
    if (header.AttackedBy > MaxSideSlots || header.PortArtilleryHit > MaxSideSlots || header.Order > GroupCount)
    {
        return std::nullopt;
    }
    const std::size_t count = bytes.size() / UnitRecordSize;
    for (std::size_t i = 0; i < count; ++i)
    {
        const UnitRec rec = DecodeUnit(bytes.subspan(i * UnitRecordSize).first<UnitRecordSize>());
        (i < SaveFixedRecords ? image.fixed : image.units).push_back(rec);
    }
    const std::size_t markerStart = 1 + 1 + DestroyedRecords + 1 + 16 + PortRecords;
    // Every entry that is restored is checked, the count entry 0 among them: its X and Y are
    // laid into the map like any marker's.
    for (std::size_t i = 0; i < MapObjectCount; ++i)
    {
        const UnitRec& marker = image.fixed[markerStart + i];
        if (marker.X * marker.Y != 0 && !OnGrid(marker.X, marker.Y))
        {
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < image.units.size(); ++i)
    {
        const UnitRec& unit = image.units[i];
        if (unit.Id < FirstUnitId || unit.Id > LastUnitId || unit.X > MapSize || unit.Y > MapSize ||
            unit.Class > LastClassIndex)
        {
            return std::nullopt;
        }
        if (HasSecondUnit(unit.Class))
        {
            if (i + 1 >= image.units.size())
            {
                return std::nullopt;
            }
            const UnitRec& stern = image.units[i + 1];
            if (stern.Id != SecondCell(unit.Id) || stern.Id > LastUnitId || stern.X > MapSize ||
                stern.Y > MapSize || stern.Class > LastClassIndex)
            {
                return std::nullopt;
            }
            ++i;
        }
    }
    return image;
}

void RestoreHeader(GameState& state, const UnitRec& rec)
{
    state.GameMode = rec.X;
    state.TurnNumber = static_cast<std::uint16_t>(rec.Y | (rec.Reserved29 << 8));
    state.ScenarioNumber = rec.DestX;
    state.Rank = rec.PlacedX;
    state.CampaignStep = rec.PlacedY;
    state.ProductionPoints = rec.DestY == 1 ? -static_cast<std::int32_t>(rec.Under) : rec.Under;
    state.CampaignAux = rec.Picture;
    state.MapNumber = rec.LinkedUnit;
    state.PlayerNation = rec.Armor;
    state.EnemyNation = rec.Fire;
    state.PlayerShipCount = rec.AttackedBy;
    state.EnemyShipCount = rec.PortArtilleryHit;
    state.AIGroupCount = rec.Order;
}

/// The map as a new game starts it: empty grids over the default area with the sector lines,
/// then the scenario's map file. False when the map file cannot be read.
bool RebuildMap(Game& game)
{
    GameState& state = game.state;
    state.MapGrid.Fill(0);
    state.LandGrid.Fill(0);
    state.MarkGrid.Fill(0);
    state.MapWidth = 96;
    state.MapHeight = 96;
    ClearMaps(state);
    return LoadMapFile(game, state.MapNumber);
}

void RestoreFixedRecords(GameState& state, const std::vector<UnitRec>& fixed)
{
    std::size_t at = 1;
    const UnitRec& second = fixed[at++];
    state.EnemyForceValue = second.Picture;
    state.MissionScore = second.Under;
    state.SideStats(SidePlayer)[GoalArrivedByte] = second.Y;

    std::array<std::uint8_t, DestroyedBytes> destroyed{};
    for (std::size_t r = 0; r < DestroyedRecords; ++r, ++at)
    {
        for (std::size_t j = 0; j < BytesPerDestroyedRecord; ++j)
        {
            const std::size_t index = r * BytesPerDestroyedRecord + j;
            if (index < DestroyedBytes)
            {
                destroyed[index] = GetDestroyedByte(fixed[at], j);
            }
        }
    }
    state.DestroyedList = DestroyedListFromBytes(destroyed);

    const UnitRec& campaign = fixed[at++];
    state.Campaign.Leading = campaign.X;
    state.Campaign.Number = campaign.Id;
    state.Campaign.Name = campaign.Name;
    state.Campaign.CarriedPoints = campaign.Under;
    state.Campaign.Score = campaign.Picture;
    state.Campaign.MissionCounter = campaign.Y;
    state.Campaign.Word26 = campaign.LinkedUnit;
    state.Campaign.Over = campaign.MovedThisTurn;
    for (CampaignEntry& entry : state.Campaign.Entries)
    {
        const UnitRec& rec = fixed[at++];
        entry.Result = rec.X;
        entry.Score = rec.Under;
        entry.Maximum = rec.LinkedUnit;
    }

    for (std::size_t r = 0; r < PortRecords; ++r, ++at)
    {
        const UnitRec& rec = fixed[at];
        const int first = static_cast<int>(2 * r + 1);
        const std::array<PortRec, 2> stored = {
            PortRec{0, 0, rec.Class, static_cast<std::uint8_t>(rec.Under), 0, rec.X, rec.MovedThisTurn},
            PortRec{0, 0, static_cast<std::uint8_t>(rec.Picture), rec.Reserved46, 0, rec.Y, rec.Active},
        };
        for (int k = 0; k < 2; ++k)
        {
            const int number = first + k;
            const PortRec& s = stored[static_cast<std::size_t>(k)];
            if (number > MaxPorts || s.Owner == 0)
            {
                continue;
            }
            PortRec& port = state.Port(number);
            port.Owner = s.Owner;
            port.StartOwner = s.StartOwner;
            port.Kind = s.Kind;
            port.Flag = s.Flag;
            // A save that names more ports than the map has no cell to mark for them.
            if (OnGrid(port.X, port.Y))
            {
                const bool mine = port.Owner == SidePlayer;
                state.MapGrid(port.X, port.Y) = port.Kind == PortKindMajor ? (mine ? CodePlayerMajorPort : CodeEnemyMajorPort)
                                                                           : (mine ? CodePlayerPort : CodeEnemyPort);
            }
        }
    }

    for (int i = 0; i < MapObjectCount; ++i, ++at)
    {
        const UnitRec& rec = fixed[at];
        state.MapObject(i) = {rec.X, rec.Y, rec.Under};
        if (rec.X * rec.Y != 0)
        {
            state.MapGrid(rec.X, rec.Y) = rec.Picture;
        }
    }

    for (int category = 1; category <= static_cast<int>(TechCategories); ++category, ++at)
    {
        const UnitRec& rec = fixed[at];
        state.TechBonus(SidePlayer, category) = {rec.X, rec.Y, rec.DestX, rec.PlacedX,
                                                 static_cast<std::uint8_t>(rec.PlacedY)};
        state.TechBonus(SideEnemy, category) = {static_cast<std::uint8_t>(rec.Under), rec.DestY,
                                                static_cast<std::uint8_t>(rec.Picture),
                                                static_cast<std::uint8_t>(rec.LinkedUnit), rec.Armor};
    }
}

void RestoreUnits(GameState& state, const std::vector<UnitRec>& units)
{
    for (std::size_t i = 0; i < units.size(); ++i)
    {
        const UnitRec& rec = units[i];
        state.Unit(rec.Id) = rec;
        // Aircraft and guns waiting to be deployed are active but have no cell yet.
        if (rec.Active != 0 && OnGrid(rec.X, rec.Y))
        {
            state.MapGrid(rec.X, rec.Y) = rec.Id;
        }
        if (!HasSecondUnit(rec.Class))
        {
            continue;
        }
        const UnitRec& stored = units[++i];
        UnitRec& stern = state.Unit(stored.Id);
        if (rec.Active != 0)
        {
            stern.X = stored.X;
            stern.Y = stored.Y;
            if (OnGrid(stern.X, stern.Y))
            {
                state.MapGrid(stern.X, stern.Y) = stored.Id;
            }
        }
        else
        {
            stern.X = 0;
            stern.Y = 0;
        }
        stern.Facing = stored.Facing;
        stern.Visible = stored.Visible;
        stern.Class = stored.Class;
        stern.Under = stored.Under;
        stern.Picture = stored.Picture;
        stern.LinkedUnit = stored.LinkedUnit;
    }
}

/// The save keeps no group table: each computer ship carries its group and its group's zone,
/// and the groups are gathered again from the ships still afloat, in slot order.
void RecountGroups(GameState& state)
{
    for (int g = 1; g <= GroupCount; ++g)
    {
        state.AIGroup(g) = AIGroupRec{};
        state.AIGroup(g).Number = static_cast<std::uint8_t>(g);
    }
    for (int slot = 1; slot <= std::min<int>(state.EnemyShipCount, MaxSideSlots); ++slot)
    {
        const int id = EnemyBaseId + slot;
        const UnitRec& u = state.Unit(id);
        if (u.Active == 0 || IsInstallation(u.Class) || u.AIGroup < 1 || u.AIGroup > GroupCount)
        {
            continue;
        }
        AIGroupRec& group = state.AIGroup(u.AIGroup);
        if (group.MemberCount == 0 && u.AIWork1 >= 1 && u.AIWork1 <= ZoneCount)
        {
            group.Zone = u.AIWork1;
            group.PreviousZone = u.AIWork1;
        }
        const auto free = std::find(group.Members.begin(), group.Members.end(), 0);
        if (free != group.Members.end())
        {
            *free = static_cast<std::uint16_t>(id);
        }
        ++group.MemberCount;
    }
}

} // namespace

std::string DefaultSaveName(const GameState& state)
{
    std::string name;
    if (state.GameMode == ModeCampaign)
    {
        static constexpr std::array<std::string_view, 4> Prefixes = {"Cm_US_", "Cm_GER_", "Cm_UK_", "Cm_JA_"};
        if (state.PlayerNation >= 1 && state.PlayerNation <= Prefixes.size())
        {
            name = Prefixes[state.PlayerNation - 1];
        }
    }
    name += state.CurrentScenario.Title.Str();
    if (name.size() > 33)
    {
        name.resize(33);
    }
    return name + " T" + std::to_string(state.TurnNumber);
}

std::string SaveFileName(std::string_view confirmed)
{
    std::string name;
    for (char ch : confirmed)
    {
        if (ch == '/' || ch == '\\' || ch == '\0')
        {
            name += '_';
        }
        else
        {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
    }
    // A name of dots alone would name the folder itself or its parent.
    if (std::all_of(name.begin(), name.end(), [](char ch) { return ch == '.'; }))
    {
        name.insert(0, "save");
    }
    // A name picked from the dialog's list already ends in the extension: it names that file.
    constexpr std::string_view Extension = ".sav";
    if (name.size() > Extension.size() && name.ends_with(Extension))
    {
        return name;
    }
    return name + std::string(Extension);
}

bool SaveFromMissionStatus(Game& game, const std::filesystem::path& folder, std::string_view confirmedName)
{
    // The turn shown has begun but not been played: the file holds the one before, so a load
    // starts that turn again.
    GameState& state = game.state;
    const std::uint16_t shown = state.TurnNumber;
    state.TurnNumber = static_cast<std::uint16_t>(shown > 0 ? shown - 1 : 0);
    const bool saved = SaveGame(game, folder / SaveFileName(confirmedName));
    state.TurnNumber = shown;
    return saved;
}

std::vector<std::uint8_t> EncodeSaveFile(const GameState& state)
{
    std::vector<std::uint8_t> out;
    out.reserve((SaveFixedRecords + 2 * (state.PlayerShipCount + state.EnemyShipCount)) * UnitRecordSize);
    Append(out, HeaderRecord(state));

    UnitRec second;
    second.Picture = state.EnemyForceValue;
    second.Under = state.MissionScore;
    second.Y = state.SideStats(SidePlayer)[GoalArrivedByte];
    Append(out, second);

    const auto destroyed = DestroyedListBytes(state.DestroyedList);
    for (std::size_t r = 0; r < DestroyedRecords; ++r)
    {
        UnitRec rec;
        for (std::size_t j = 0; j < BytesPerDestroyedRecord; ++j)
        {
            const std::size_t index = r * BytesPerDestroyedRecord + j;
            PutDestroyedByte(rec, j, index < DestroyedBytes ? destroyed[index] : 0);
        }
        Append(out, rec);
    }

    const CampaignRec& campaign = state.Campaign;
    UnitRec head;
    head.X = campaign.Leading;
    head.Id = campaign.Number;
    head.Name = campaign.Name;
    head.Under = campaign.CarriedPoints;
    head.Picture = campaign.Score;
    head.Y = campaign.MissionCounter;
    head.LinkedUnit = campaign.Word26;
    head.MovedThisTurn = campaign.Over;
    Append(out, head);
    for (const CampaignEntry& entry : campaign.Entries)
    {
        UnitRec rec;
        rec.X = entry.Result;
        rec.Under = entry.Score;
        rec.LinkedUnit = entry.Maximum;
        Append(out, rec);
    }

    for (std::size_t r = 0; r < PortRecords; ++r)
    {
        Append(out, PortRecord(state, static_cast<int>(2 * r + 1)));
    }

    for (int i = 0; i < MapObjectCount; ++i)
    {
        const MapObjectRec& marker = state.MapObject(i);
        UnitRec rec;
        rec.X = marker.X;
        rec.Y = marker.Y;
        rec.Under = marker.Code;
        if (marker.X * marker.Y != 0 && OnGrid(marker.X, marker.Y))
        {
            rec.Picture = CodeBeneath(state, marker.X, marker.Y);
        }
        Append(out, rec);
    }

    for (int category = 1; category <= static_cast<int>(TechCategories); ++category)
    {
        Append(out, TechRecord(state, category));
    }

    AppendSideUnits(out, state, SidePlayer);
    AppendSideUnits(out, state, SideEnemy);
    return out;
}

bool SaveGame(Game& game, const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = EncodeSaveFile(game.state);
    std::error_code error;
    if (path.has_parent_path())
    {
        std::filesystem::create_directories(path.parent_path(), error);
    }
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!WriteFileAtomically(path, view))
    {
        game.presenter.ShowError(SaveWriteError);
        return false;
    }
    return true;
}

bool LoadGame(Game& game, const std::filesystem::path& path)
{
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content)
    {
        game.presenter.ShowError(SaveReadError);
        return false;
    }
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(content->data()),
                                              content->size());
    const std::optional<SaveImage> image = ParseSaveFile(bytes);
    if (!image)
    {
        game.presenter.ShowError(SaveDamagedError);
        return false;
    }

    // Build the loaded game on a copy, so that a scenario that cannot be found leaves the
    // running game untouched.
    auto scratch = std::make_unique<Game>(game.presenter, game.random, game.files, game.clock,
                                          GameHooks{game.opponent, game.turns});
    scratch->state = game.state;
    scratch->classes = game.classes;
    GameState& state = scratch->state;
    RestoreHeader(state, image->fixed[0]);
    if (!LoadScenario(*scratch, state.ScenarioNumber))
    {
        return false;
    }
    // Without its map the saved positions mean nothing: the save is as good as damaged.
    if (!RebuildMap(*scratch))
    {
        game.presenter.ShowError(SaveDamagedError);
        return false;
    }
    RestoreFixedRecords(state, image->fixed);
    RestoreUnits(state, image->units);
    RecountGroups(state);
    game.state = std::move(scratch->state);
    return true;
}

} // namespace olvane
