#include "state/unit_record.h"

#include "state/byte_io.h"

namespace olvane
{

UnitBytes EncodeUnit(const UnitRec& u)
{
    UnitBytes bytes{};
    ByteWriter w(bytes);
    w.U16(0, u.Id);
    w.U8(2, u.X);
    w.U8(3, u.Y);
    w.U8(4, u.Facing);
    w.U8(5, u.Planes);
    w.Str(6, u.Name);
    w.U8(22, u.Order);
    w.U8(23, u.DestX);
    w.U8(24, u.DestY);
    w.U8(25, u.Visible);
    w.U8(26, u.Reserved26);
    w.U8(27, u.Reserved27);
    w.U8(28, u.PlacedX);
    w.U8(29, u.Reserved29);
    w.U16(30, u.PlacedY);
    w.U8(32, u.AIWork1);
    w.U8(33, u.AIWork2);
    w.U8(34, u.AIWork3);
    w.U8(35, u.AIGroup);
    w.U8(36, u.Speed);
    w.U8(37, u.Range);
    w.U8(38, u.Armor);
    w.U8(39, u.Fire);
    w.U8(40, u.Class);
    w.U8(41, u.Reserved41);
    w.U16(42, u.Under);
    w.U16(44, u.Picture);
    w.U8(46, u.Reserved46);
    w.U8(47, u.Reserved47);
    w.U8(48, u.Highlighted);
    w.U8(49, u.MovedThisTurn);
    w.U8(50, u.HitMark);
    w.U8(51, u.Reserved51);
    w.U16(52, u.LinkedUnit);
    w.U8(54, u.Active);
    w.U8(55, u.AttackedBy);
    w.U8(56, u.PortArtilleryHit);
    w.U8(57, u.SpeedBonus);
    w.U8(58, u.RangeBonus);
    w.U8(59, u.ArmorBonus);
    w.U8(60, u.FireBonus);
    w.U8(61, u.RadarBonus);
    w.U8(62, u.Radar);
    w.U8(63, u.Reserved63);
    return bytes;
}

UnitRec DecodeUnit(std::span<const std::uint8_t, UnitRecordSize> bytes)
{
    ByteReader r(bytes);
    UnitRec u;
    u.Id = r.U16(0);
    u.X = r.U8(2);
    u.Y = r.U8(3);
    u.Facing = r.U8(4);
    u.Planes = r.U8(5);
    u.Name = r.Str<15>(6);
    u.Order = r.U8(22);
    u.DestX = r.U8(23);
    u.DestY = r.U8(24);
    u.Visible = r.U8(25);
    u.Reserved26 = r.U8(26);
    u.Reserved27 = r.U8(27);
    u.PlacedX = r.U8(28);
    u.Reserved29 = r.U8(29);
    u.PlacedY = r.U16(30);
    u.AIWork1 = r.U8(32);
    u.AIWork2 = r.U8(33);
    u.AIWork3 = r.U8(34);
    u.AIGroup = r.U8(35);
    u.Speed = r.U8(36);
    u.Range = r.U8(37);
    u.Armor = r.U8(38);
    u.Fire = r.U8(39);
    u.Class = r.U8(40);
    u.Reserved41 = r.U8(41);
    u.Under = r.U16(42);
    u.Picture = r.U16(44);
    u.Reserved46 = r.U8(46);
    u.Reserved47 = r.U8(47);
    u.Highlighted = r.U8(48);
    u.MovedThisTurn = r.U8(49);
    u.HitMark = r.U8(50);
    u.Reserved51 = r.U8(51);
    u.LinkedUnit = r.U16(52);
    u.Active = r.U8(54);
    u.AttackedBy = r.U8(55);
    u.PortArtilleryHit = r.U8(56);
    u.SpeedBonus = r.U8(57);
    u.RangeBonus = r.U8(58);
    u.ArmorBonus = r.U8(59);
    u.FireBonus = r.U8(60);
    u.RadarBonus = r.U8(61);
    u.Radar = r.U8(62);
    u.Reserved63 = r.U8(63);
    return u;
}

} // namespace olvane
