#include "state/scenario_record.h"

#include "state/byte_io.h"

namespace olvane
{

ScenarioBytes EncodeScenario(const ScenarioRec& rec)
{
    ScenarioBytes bytes{};
    ByteWriter w(bytes);
    w.U16(0, rec.Slot);
    w.U16(2, rec.ScenarioId);
    w.U8(4, rec.Kind);
    w.Str(5, rec.Title);
    w.Str(31, rec.Tag);
    w.U8(42, rec.PlayerNation);
    w.U8(43, rec.EnemyNation);
    w.U8(44, rec.Byte44);
    for (std::size_t i = 0; i < rec.Reserved45.size(); ++i)
    {
        w.U8(45 + i, rec.Reserved45[i]);
    }
    for (std::size_t i = 0; i < rec.CampaignSteps.size(); ++i)
    {
        w.U16(56 + 2 * i, rec.CampaignSteps[i]);
    }
    w.U8(88, rec.Reserved88[0]);
    w.U8(89, rec.Reserved88[1]);
    w.U16(90, rec.MapNumber);
    w.U8(92, rec.MapPicture);
    w.U8(93, rec.Reserved93);
    w.U16(94, rec.Word94);
    w.U16(96, rec.Word96);
    w.U16(98, rec.StartPoints);
    w.U16(100, rec.PortDefence);
    w.U8(102, rec.PortDefenceKinds);
    w.U8(103, rec.AttackInterval);
    w.U8(104, rec.Byte104);
    w.U8(105, rec.Byte105);
    w.U8(106, rec.PurchaseRestriction);
    w.U8(107, rec.PortGroupsFlag);
    for (std::size_t side = 0; side < 2; ++side)
    {
        for (std::size_t i = 0; i < SideStatsSize; ++i)
        {
            w.U8(108 + side * SideStatsSize + i, rec.SideSettings[side][i]);
        }
    }
    w.Str(130, rec.ShipName1);
    w.Str(146, rec.ShipName2);
    w.U8(162, rec.NamedShipClass1);
    w.U8(163, rec.NamedShipClass2);
    w.U8(164, rec.DisperseClasses1);
    w.U8(165, rec.DisperseClasses2);
    for (std::size_t i = 0; i < rec.Marks.size(); ++i)
    {
        w.U8(166 + 3 * i, rec.Marks[i].Class);
        w.U8(167 + 3 * i, rec.Marks[i].X);
        w.U8(168 + 3 * i, rec.Marks[i].Y);
    }
    w.U8(184, rec.MarkFacing);
    w.U8(185, rec.Byte185);
    for (std::size_t side = 0; side < 2; ++side)
    {
        for (std::size_t i = 0; i < 10; ++i)
        {
            const std::size_t at = 186 + side * 30 + i * 3;
            w.U8(at, rec.TechGrants[side][i].Category);
            w.U8(at + 1, rec.TechGrants[side][i].Attribute);
            w.U8(at + 2, rec.TechGrants[side][i].Level);
        }
    }
    return bytes;
}

ScenarioRec DecodeScenario(std::span<const std::uint8_t, ScenarioRecordSize> bytes)
{
    ScenarioRec rec;
    ByteReader r(bytes);
    rec.Slot = r.U16(0);
    rec.ScenarioId = r.U16(2);
    rec.Kind = r.U8(4);
    rec.Title = r.Str<25>(5);
    rec.Tag = r.Str<10>(31);
    rec.PlayerNation = r.U8(42);
    rec.EnemyNation = r.U8(43);
    rec.Byte44 = r.U8(44);
    for (std::size_t i = 0; i < rec.Reserved45.size(); ++i)
    {
        rec.Reserved45[i] = r.U8(45 + i);
    }
    for (std::size_t i = 0; i < rec.CampaignSteps.size(); ++i)
    {
        rec.CampaignSteps[i] = r.U16(56 + 2 * i);
    }
    rec.Reserved88 = {r.U8(88), r.U8(89)};
    rec.MapNumber = r.U16(90);
    rec.MapPicture = r.U8(92);
    rec.Reserved93 = r.U8(93);
    rec.Word94 = r.U16(94);
    rec.Word96 = r.U16(96);
    rec.StartPoints = r.U16(98);
    rec.PortDefence = r.U16(100);
    rec.PortDefenceKinds = r.U8(102);
    rec.AttackInterval = r.U8(103);
    rec.Byte104 = r.U8(104);
    rec.Byte105 = r.U8(105);
    rec.PurchaseRestriction = r.U8(106);
    rec.PortGroupsFlag = r.U8(107);
    for (std::size_t side = 0; side < 2; ++side)
    {
        for (std::size_t i = 0; i < SideStatsSize; ++i)
        {
            rec.SideSettings[side][i] = r.U8(108 + side * SideStatsSize + i);
        }
    }
    rec.ShipName1 = r.Str<15>(130);
    rec.ShipName2 = r.Str<15>(146);
    rec.NamedShipClass1 = r.U8(162);
    rec.NamedShipClass2 = r.U8(163);
    rec.DisperseClasses1 = r.U8(164);
    rec.DisperseClasses2 = r.U8(165);
    for (std::size_t i = 0; i < rec.Marks.size(); ++i)
    {
        rec.Marks[i] = {r.U8(166 + 3 * i), r.U8(167 + 3 * i), r.U8(168 + 3 * i)};
    }
    rec.MarkFacing = r.U8(184);
    rec.Byte185 = r.U8(185);
    for (std::size_t side = 0; side < 2; ++side)
    {
        for (std::size_t i = 0; i < 10; ++i)
        {
            const std::size_t at = 186 + side * 30 + i * 3;
            rec.TechGrants[side][i] = {r.U8(at), r.U8(at + 1), r.U8(at + 2)};
        }
    }
    return rec;
}

} // namespace olvane
