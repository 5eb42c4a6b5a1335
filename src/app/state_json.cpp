#include "app/state_json.h"

#include "app/json_writer.h"
#include "state/mission_texts.h"

namespace olvane
{

namespace
{

void WriteScalars(JsonWriter& json, const GameState& s, const std::string& baseDir)
{
    json.Field("GameMode", s.GameMode);
    json.Field("Rank", s.Rank);
    json.Field("TurnNumber", s.TurnNumber);
    json.Field("ProductionPoints", s.ProductionPoints);
    json.Field("ScenarioNumber", s.ScenarioNumber);
    json.Field("CampaignStep", s.CampaignStep);
    json.Field("MapNumber", s.MapNumber);
    json.Field("PlayerNation", s.PlayerNation);
    json.Field("EnemyNation", s.EnemyNation);
    json.Field("PlayerShipCount", s.PlayerShipCount);
    json.Field("EnemyShipCount", s.EnemyShipCount);
    json.Field("AIGroupCount", s.AIGroupCount);
    json.Field("EnemyForceValue", s.EnemyForceValue);
    json.Field("MissionScore", s.MissionScore);
    json.Field("CampaignAux", s.CampaignAux);
    json.Field("MapWidth", s.MapWidth);
    json.Field("MapHeight", s.MapHeight);
    json.Field("MapWidthByte", s.MapWidthByte);
    json.Field("MapHeightByte", s.MapHeightByte);
    json.Field("EditionNumber", s.EditionNumber);
    json.TextField("BaseDir", baseDir);
}

void WriteUnit(JsonWriter& json, int id, const UnitRec& u)
{
    json.BeginObject();
    json.Field("Id", id);
    json.Field("X", u.X);
    json.Field("Y", u.Y);
    json.Field("Facing", u.Facing);
    json.Field("Planes", u.Planes);
    json.TextField("Name", u.Name.Str());
    json.Field("Order", u.Order);
    json.Field("DestX", u.DestX);
    json.Field("DestY", u.DestY);
    json.Field("Visible", u.Visible);
    json.Field("PlacedX", u.PlacedX);
    json.Field("PlacedY", u.PlacedY);
    json.Field("AIWork1", u.AIWork1);
    json.Field("AIWork2", u.AIWork2);
    json.Field("AIWork3", u.AIWork3);
    json.Field("AIGroup", u.AIGroup);
    json.Field("Speed", u.Speed);
    json.Field("Range", u.Range);
    json.Field("Armor", u.Armor);
    json.Field("Fire", u.Fire);
    json.Field("Class", u.Class);
    json.Field("Under", u.Under);
    json.Field("Picture", u.Picture);
    json.Field("Highlighted", u.Highlighted);
    json.Field("MovedThisTurn", u.MovedThisTurn);
    json.Field("HitMark", u.HitMark);
    json.Field("LinkedUnit", u.LinkedUnit);
    json.Field("Active", u.Active);
    json.Field("AttackedBy", u.AttackedBy);
    json.Field("PortArtilleryHit", u.PortArtilleryHit);
    json.Field("SpeedBonus", u.SpeedBonus);
    json.Field("RangeBonus", u.RangeBonus);
    json.Field("ArmorBonus", u.ArmorBonus);
    json.Field("FireBonus", u.FireBonus);
    json.Field("RadarBonus", u.RadarBonus);
    json.Field("Radar", u.Radar);
    json.EndObject();
}

void WriteUnits(JsonWriter& json, const GameState& s)
{
    json.Key("Units");
    json.BeginArray();
    for (int id = FirstUnitId; id <= LastUnitId; ++id)
    {
        const UnitRec& u = s.Unit(id);
        if (u.Active != 0 || u.X != 0 || u.Class != 0)
        {
            WriteUnit(json, id, u);
        }
    }
    json.EndArray();
}

void WriteGrid(JsonWriter& json, std::string_view name, const CellGrid& grid)
{
    json.Key(name);
    json.BeginObject();
    for (int x = 1; x <= MapSize; ++x)
    {
        for (int y = 1; y <= MapSize; ++y)
        {
            if (grid(x, y) != 0)
            {
                json.Field(std::to_string(x) + "," + std::to_string(y), grid(x, y));
            }
        }
    }
    json.EndObject();
}

void WritePorts(JsonWriter& json, const GameState& s)
{
    json.Field("PortCount", s.PortCount);
    json.Key("Ports");
    json.BeginArray();
    for (int k = 1; k <= std::min<int>(s.PortCount, MaxPorts); ++k)
    {
        const PortRec& p = s.Port(k);
        json.BeginObject();
        json.Field("Port", k);
        json.Field("X", p.X);
        json.Field("Y", p.Y);
        json.Field("Owner", p.Owner);
        json.Field("StartOwner", p.StartOwner);
        json.Field("Zone", p.Zone);
        json.Field("Kind", p.Kind);
        json.Field("Flag", p.Flag);
        json.EndObject();
    }
    json.EndArray();
}

template <typename Container> void WriteNumbers(JsonWriter& json, const Container& values)
{
    json.BeginArray();
    for (const auto value : values)
    {
        json.Number(value);
    }
    json.EndArray();
}

void WriteTables(JsonWriter& json, const GameState& s)
{
    json.Key("TechBonus");
    json.BeginArray();
    for (int side = SidePlayer; side <= SideEnemy; ++side)
    {
        json.BeginArray();
        for (int category = 0; category < ClassCategoryCount; ++category)
        {
            const TechRow& t = s.TechBonus(side, category);
            WriteNumbers(json, std::array<int, 5>{t.Armor, t.Fire, t.Speed, t.Range, t.Radar});
        }
        json.EndArray();
    }
    json.EndArray();

    json.Key("MapObjects");
    json.BeginArray();
    for (int i = 0; i < MapObjectCount; ++i)
    {
        const MapObjectRec& m = s.MapObject(i);
        json.BeginObject();
        json.Field("X", m.X);
        json.Field("Y", m.Y);
        json.Field("Code", m.Code);
        json.EndObject();
    }
    json.EndArray();

    json.Key("SideStats");
    json.BeginArray();
    WriteNumbers(json, s.SideStats(SidePlayer));
    WriteNumbers(json, s.SideStats(SideEnemy));
    json.EndArray();

    json.Key("DestroyedList");
    json.BeginArray();
    for (int i = 0; i < std::min<int>(s.DestroyedList.Count, DestroyedCapacity); ++i)
    {
        const DestroyedEntry& e = s.DestroyedList.Entries[static_cast<std::size_t>(i)];
        json.BeginObject();
        json.Field("Class", e.Class);
        json.Field("Side", e.Side);
        json.EndObject();
    }
    json.EndArray();

    json.Key("AIZones");
    json.BeginArray();
    for (int z = 1; z <= ZoneCount; ++z)
    {
        const AIZoneRec& zone = s.AIZone(z);
        json.BeginObject();
        json.Field("Zone", z);
        json.Key("Bytes");
        WriteNumbers(json, std::array<int, 9>{zone.Size, zone.OriginX, zone.OriginY, zone.Neighbours[0],
                                              zone.Neighbours[1], zone.Neighbours[2], zone.Neighbours[3],
                                              zone.Neighbours[4], zone.Key});
        json.Field("SectorCount", zone.SectorCount);
        json.Field("Port", zone.Port);
        json.EndObject();
    }
    json.EndArray();
    json.Key("AIGroups");
    json.BeginArray();
    for (int g = 1; g <= s.AIGroupCount && g <= GroupCount; ++g)
    {
        const AIGroupRec& group = s.AIGroup(g);
        json.BeginObject();
        json.Field("Group", g);
        json.Field("Sector", group.Sector);
        json.Field("Zone", group.Zone);
        json.Field("PreviousZone", group.PreviousZone);
        json.Field("ResetMark", group.Mark);
        json.Field("MemberCount", group.MemberCount);
        json.Key("Members");
        WriteNumbers(json, group.Members);
        json.Field("Phases", group.Phases);
        json.Field("ZonePhases", group.ZonePhases);
        json.Field("ZoneChange", group.ZoneChange);
        json.EndObject();
    }
    json.EndArray();
    json.Field("ZoneExtraCount", s.ZoneExtraCount);
    json.Field("ZoneMarkerCount", s.ZoneMarkerCount);
}

void WriteScenario(JsonWriter& json, const ScenarioRec& r)
{
    json.Key("CurrentScenario");
    json.BeginObject();
    json.Field("Slot", r.Slot);
    json.Field("ScenarioId", r.ScenarioId);
    json.Field("Kind", r.Kind);
    json.TextField("Title", r.Title.Str());
    json.TextField("Tag", r.Tag.Str());
    json.Field("PlayerNation", r.PlayerNation);
    json.Field("EnemyNation", r.EnemyNation);
    json.Key("CampaignSteps");
    WriteNumbers(json, r.CampaignSteps);
    json.Field("MapNumber", r.MapNumber);
    json.Field("MapPicture", r.MapPicture);
    json.Field("Word94", r.Word94);
    json.Field("Word96", r.Word96);
    json.Field("StartPoints", r.StartPoints);
    json.Field("PortDefence", r.PortDefence);
    json.Field("PortDefenceKinds", r.PortDefenceKinds);
    json.Field("AttackInterval", r.AttackInterval);
    json.Field("Byte104", r.Byte104);
    json.Field("Byte105", r.Byte105);
    json.Field("PurchaseRestriction", r.PurchaseRestriction);
    json.Field("PortGroupsFlag", r.PortGroupsFlag);
    json.Key("SideSettings");
    json.BeginArray();
    WriteNumbers(json, r.SideSettings[0]);
    WriteNumbers(json, r.SideSettings[1]);
    json.EndArray();
    json.TextField("ShipName1", r.ShipName1.Str());
    json.TextField("ShipName2", r.ShipName2.Str());
    json.Field("NamedShipClass1", r.NamedShipClass1);
    json.Field("NamedShipClass2", r.NamedShipClass2);
    json.Field("DisperseClasses1", r.DisperseClasses1);
    json.Field("DisperseClasses2", r.DisperseClasses2);
    json.Key("Marks");
    json.BeginArray();
    for (const ScenarioMark& m : r.Marks)
    {
        WriteNumbers(json, std::array<int, 3>{m.Class, m.X, m.Y});
    }
    json.EndArray();
    json.Field("MarkFacing", r.MarkFacing);
    json.Key("TechGrants");
    json.BeginArray();
    for (const auto& side : r.TechGrants)
    {
        json.BeginArray();
        for (const TechGrant& g : side)
        {
            WriteNumbers(json, std::array<int, 3>{g.Category, g.Attribute, g.Level});
        }
        json.EndArray();
    }
    json.EndArray();
    json.EndObject();
}

void WriteCampaign(JsonWriter& json, const CampaignRec& c)
{
    json.Key("Campaign");
    json.BeginObject();
    json.Field("Leading", c.Leading);
    json.Field("Number", c.Number);
    json.TextField("Name", c.Name.Str());
    json.Field("CarriedPoints", c.CarriedPoints);
    json.Field("Score", c.Score);
    json.Field("MissionCounter", c.MissionCounter);
    json.Field("Word26", c.Word26);
    json.Key("Entries");
    json.BeginArray();
    for (const CampaignEntry& e : c.Entries)
    {
        WriteNumbers(json, std::array<int, 3>{e.Result, e.Score, e.Maximum});
    }
    json.EndArray();
    json.Field("Over", c.Over);
    json.EndObject();
}

/// "Texts": the objectives, the restriction lines, the mission status lines LB1..lb5 and the
/// turn label; empty strings where the windows leave a label empty.
void WriteTexts(JsonWriter& json, const GameState& state, const ClassTable& classes)
{
    json.Key("Texts");
    json.BeginObject();
    json.Key("Objective1");
    json.String(ObjectiveText(state, classes, SidePlayer));
    json.Key("Objective2");
    json.String(HasSecondObjective(state) ? ObjectiveText(state, classes, SideEnemy) : std::string());
    json.Key("Restriction");
    json.BeginArray();
    for (const std::string& line : RestrictionLines(state.CurrentScenario))
    {
        json.String(line);
    }
    json.EndArray();
    const MessageLines status = MessageTexts(state, classes, 1);
    json.Key("Status");
    json.BeginArray();
    json.String(status.title);
    for (const std::string& line : status.lines)
    {
        json.String(line);
    }
    json.EndArray();
    json.Key("TurnLabel");
    json.String(TurnLabel(state.TurnNumber));
    json.EndObject();
}

} // namespace

std::string StateToJson(const GameState& state, const ClassTable& classes, const std::string& baseDir,
                        const ShownToPlayer& shown, const std::function<void(JsonWriter&)>& extra)
{
    JsonWriter json;
    json.BeginObject();
    WriteScalars(json, state, baseDir);
    WriteUnits(json, state);
    WriteGrid(json, "MapGrid", state.MapGrid);
    WriteGrid(json, "LandGrid", state.LandGrid);
    WriteGrid(json, "MarkGrid", state.MarkGrid);
    WritePorts(json, state);
    WriteTables(json, state);
    WriteScenario(json, state.CurrentScenario);
    WriteCampaign(json, state.Campaign);
    WriteTexts(json, state, classes);
    json.Key("LBinfo");
    json.BeginArray();
    for (const std::string& line : state.LBinfo)
    {
        json.String(line);
    }
    json.EndArray();
    json.Key("Errors");
    json.BeginArray();
    for (const std::string& text : shown.errors)
    {
        json.String(text);
    }
    json.EndArray();
    json.Key("Messages");
    WriteNumbers(json, shown.messages);
    if (extra)
    {
        extra(json);
    }
    json.EndObject();
    return json.Text() + "\n";
}

} // namespace olvane
