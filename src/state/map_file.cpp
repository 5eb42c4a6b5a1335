#include "state/map_file.h"

#include "state/zone_names.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <span>

namespace olvane
{

namespace
{

// The first number of an object line says what the line is; the first number of a zone line is
// the zone. A 0 there ends the section.
constexpr int SectionEnd = 0;
constexpr int ObjectEntry = 1;
constexpr int HeaderLineCount = 3;
constexpr int ZoneValueCount = 10;

// Object codes and the cell codes they write.
constexpr int ObjectPlayerMajorPort = 1;
constexpr int ObjectEnemyMajorPort = 2;
constexpr int ObjectPlayerPort = 3;
constexpr int ObjectEnemyPort = 4;
constexpr int ObjectSectorLineFirst = 5;
constexpr int ObjectSectorLineLast = 7;
constexpr int ObjectCoastFirst = 8;
constexpr int ObjectCoastLast = 12;
constexpr int ObjectGroundFirst = 13;
constexpr int ObjectGroundLast = 59;
// Ground codes 58 and 59 would write 60000 and 60100: numbers that name units, not ground.
constexpr int ObjectGroundUsableLast = 57;
constexpr int ObjectLinePoint = 60;
constexpr int ObjectZoneMarkerFirst = 101;
constexpr int ObjectZoneMarkerLast = 120;
constexpr int ObjectLandFirst = 901;
constexpr int ObjectLandLast = 999;

constexpr int ObjectCodeOffset = 36; // ports and sector lines: object c writes (c + 36) × 100
constexpr int CoastCodeOffset = 2;   // coast object c writes (c + 2) × 3700
constexpr int CoastCodeFactor = 3700;
constexpr int GroundCodeOffset = 542; // ground object c writes (c + 542) × 100
constexpr int ZoneMarkerCodeOffset = 100;
constexpr std::uint8_t ZoneResetKey = 1;
constexpr int MaxZoneMarkers = 255;

bool OnMap(int v)
{
    return v >= 1 && v <= MapSize;
}

bool FitsByte(int v)
{
    return v >= 0 && v <= 255;
}

bool IsLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
}

// Ctrl-Z is the old end-of-text mark some editors still append.
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\v' || ch == '\f' || ch == '\x1a';
}

bool ParseNumber(std::string_view word, int& value)
{
    if (word.starts_with('+'))
    {
        word.remove_prefix(1);
        if (word.empty() || word.front() == '-')
        {
            return false;
        }
    }
    const char* end = word.data() + word.size();
    const auto [ptr, error] = std::from_chars(word.data(), end, value);
    return error == std::errc{} && ptr == end;
}

/// Reads a map text record by record. A record is one line: its numbers are read in order, numbers
/// missing at the end of the line read as 0, and whatever follows them on the line is passed over.
/// Blank lines carry no record; past the end of the text every number reads as 0. A record whose
/// first number is 0 is an end mark and reads as all zeros, whatever else stands on its line.
class MapTextReader
{
public:
    explicit MapTextReader(std::string_view text) : text_(text)
    {
        // A byte-order mark from an editor is not part of the first number.
        if (text_.starts_with("\xEF\xBB\xBF"))
        {
            text_.remove_prefix(3);
        }
    }

    /// False when a number of the record is not a whole number that fits an int; BadWord() then
    /// holds it.
    bool Read(std::span<int> values)
    {
        SkipBlankLines();
        recordLine_ = line_;
        std::ranges::fill(values, 0);
        for (std::size_t i = 0; i < values.size(); ++i)
        {
            SkipBlanks();
            // A record that starts with 0 ends its section: the rest of its line is a remark.
            if (AtLineEnd() || (i > 0 && values[0] == 0))
            {
                break;
            }
            const std::size_t start = pos_;
            while (pos_ < text_.size() && !IsBlank(text_[pos_]) && !IsLineEnd(text_[pos_]))
            {
                ++pos_;
            }
            const std::string_view word = text_.substr(start, pos_ - start);
            if (!ParseNumber(word, values[i]))
            {
                badWord_ = word;
                return false;
            }
        }
        while (!AtLineEnd())
        {
            ++pos_;
        }
        PassLineEnd();
        return true;
    }

    int RecordLine() const { return recordLine_; }

    std::string_view BadWord() const { return badWord_; }

private:
    bool AtLineEnd() const { return pos_ >= text_.size() || IsLineEnd(text_[pos_]); }

    void SkipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
        {
            ++pos_;
        }
    }

    void SkipBlankLines()
    {
        for (;;)
        {
            SkipBlanks();
            if (pos_ >= text_.size() || !IsLineEnd(text_[pos_]))
            {
                return;
            }
            PassLineEnd();
        }
    }

    // "\n", "\r\n" and a lone "\r" each end a line.
    void PassLineEnd()
    {
        if (pos_ >= text_.size())
        {
            return;
        }
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        {
            ++pos_;
        }
        ++pos_;
        ++line_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int recordLine_ = 1;
    std::string_view badWord_;
};

struct Point
{
    int x = 0;
    int y = 0;
};

std::string Quoted(std::string_view word)
{
    constexpr std::size_t Shown = 24;
    std::string text(word.substr(0, Shown));
    if (word.size() > Shown)
    {
        text += "...";
    }
    return "\"" + text + "\"";
}

void ClearPortsAndMarkers(GameState& state)
{
    // Every field goes, the zone number too: a zone left from an earlier map would send the
    // computer's ships to the wrong port.
    state.PortCount = 0;
    for (int k = 0; k <= MaxPorts; ++k)
    {
        state.Port(k) = PortRec{};
    }
    state.ZoneMarkerCount = 0;
}

/// One pass over a map text, section by section, stopping at the first fault.
class MapReader
{
public:
    MapReader(GameState& state, std::string_view text) : state_(state), reader_(text)
    {
        auto decides = [](std::uint8_t setting) { return setting == 1 || setting == 2; };
        majorPorts_ = decides(state.SideStats(SidePlayer)[GoalTypeByte]) || decides(state.SideStats(SideEnemy)[GoalTypeByte]);
    }

    MapReadResult Run()
    {
        ClearPortsAndMarkers(state_);
        if (ReadSize() && ReadObjects() && PassHeaderLines() && ReadZones())
        {
            LinkPortZones();
        }
        return result_;
    }

private:
    bool Read(std::span<int> values)
    {
        if (!reader_.Read(values))
        {
            return Fail(Quoted(reader_.BadWord()) + " is not a number");
        }
        return true;
    }

    bool Fail(std::string problem)
    {
        result_.ok = false;
        result_.line = reader_.RecordLine();
        result_.problem = std::move(problem);
        return false;
    }

    bool ReadSize()
    {
        std::array<int, 2> size{};
        if (!Read(size))
        {
            return false;
        }
        if (!OnMap(size[0]) || !OnMap(size[1]))
        {
            return Fail("map size " + std::to_string(size[0]) + " x " + std::to_string(size[1]) +
                        " is outside 1..100");
        }
        state_.MapWidth = size[0];
        state_.MapHeight = size[1];
        state_.MapWidthByte = static_cast<std::uint8_t>(size[0]);
        state_.MapHeightByte = static_cast<std::uint8_t>(size[1]);
        return true;
    }

    bool ReadObjects()
    {
        // A line point waits here for the other end of its line; one left over draws nothing.
        pendingPoint_.reset();
        for (;;)
        {
            std::array<int, 4> line{};
            if (!Read(line))
            {
                return false;
            }
            const auto [kind, code, x, y] = line;
            if (kind == SectionEnd)
            {
                return true;
            }
            if (kind == ObjectEntry && !PlaceObject(code, x, y))
            {
                return false;
            }
        }
    }

    bool PassHeaderLines()
    {
        for (int i = 0; i < HeaderLineCount; ++i)
        {
            std::array<int, 1> ignored{};
            if (!Read(ignored))
            {
                return false;
            }
        }
        return true;
    }

    bool ReadZones()
    {
        for (int z = 1; z < ZoneCount; ++z)
        {
            AIZoneRec& zone = state_.AIZone(z);
            zone.Size = 0;
            zone.OriginX = 0;
            zone.OriginY = 0;
            zone.Neighbours.fill(0);
            zone.Key = ZoneResetKey;
        }
        for (;;)
        {
            std::array<int, 1 + ZoneValueCount> line{};
            if (!Read(line))
            {
                return false;
            }
            const int n = line[0];
            if (n == SectionEnd)
            {
                return true;
            }
            if (n < 1 || n > ZoneCount)
            {
                return Fail("zone " + std::to_string(n) + " is outside 1.." + std::to_string(ZoneCount));
            }
            const auto values = std::span(line).subspan(1);
            if (const auto bad = std::ranges::find_if_not(values, FitsByte); bad != values.end())
            {
                return Fail("zone " + std::to_string(n) + ": " + std::to_string(*bad) +
                            " does not fit 0..255");
            }
            AIZoneRec& zone = state_.AIZone(n);
            zone.Size = static_cast<std::uint8_t>(values[0]);
            zone.OriginX = static_cast<std::uint8_t>(values[1]);
            zone.OriginY = static_cast<std::uint8_t>(values[2]);
            for (std::size_t i = 0; i < zone.Neighbours.size(); ++i)
            {
                zone.Neighbours[i] = static_cast<std::uint8_t>(values[3 + i]);
            }
            zone.Key = static_cast<std::uint8_t>(values[8]);
            zone.Port = static_cast<std::uint8_t>(values[9]);
            // Zones 1..4 are the home zones; after the last line this counts the zones beyond them.
            state_.ZoneExtraCount = static_cast<std::uint8_t>(std::abs(n - HomeZoneCount));
        }
    }

    // A port zone hands its number to the port it names, so the computer knows which zone to
    // send ships into to raid or defend that port.
    bool LinkPortZones()
    {
        for (int k = HomeZoneCount + 1; k <= state_.ZoneExtraCount + HomeZoneCount; ++k)
        {
            const AIZoneRec& zone = state_.AIZone(k);
            if (zone.Size != ZoneSizePort || zone.Port == 0)
            {
                continue;
            }
            if (zone.Port > MaxPorts)
            {
                result_.line = 0;
                result_.ok = false;
                result_.problem = "port zone " + std::to_string(k) + " names port " +
                                  std::to_string(zone.Port) + "; a map has at most " +
                                  std::to_string(MaxPorts);
                return false;
            }
            state_.Port(zone.Port).Zone = static_cast<std::uint8_t>(k);
        }
        return true;
    }

    static bool UsesCell(int code)
    {
        return (code >= ObjectPlayerMajorPort && code <= ObjectLinePoint) ||
               (code >= ObjectZoneMarkerFirst && code <= ObjectZoneMarkerLast) ||
               (code >= ObjectLandFirst && code <= ObjectLandLast);
    }

    bool PlaceObject(int code, int x, int y)
    {
        // Codes the map does not know are passed over, wherever they point.
        if (!UsesCell(code))
        {
            return true;
        }
        if (!OnMap(x) || !OnMap(y))
        {
            return Fail("object " + std::to_string(code) + " at " + std::to_string(x) + ", " +
                        std::to_string(y) + " is off the map (1..100)");
        }
        if (code <= ObjectEnemyPort)
        {
            return AddPort(code, x, y);
        }
        if (code >= ObjectSectorLineFirst && code <= ObjectSectorLineLast)
        {
            state_.MapGrid(x, y) = static_cast<std::uint16_t>((code + ObjectCodeOffset) * 100);
        }
        else if (code >= ObjectCoastFirst && code <= ObjectCoastLast)
        {
            state_.MapGrid(x, y) = static_cast<std::uint16_t>((code + CoastCodeOffset) * CoastCodeFactor);
        }
        else if (code >= ObjectGroundFirst && code <= ObjectGroundLast)
        {
            if (code > ObjectGroundUsableLast)
            {
                return Fail("object " + std::to_string(code) +
                            " would write a unit number; ground codes end at " +
                            std::to_string(ObjectGroundUsableLast));
            }
            state_.MapGrid(x, y) = static_cast<std::uint16_t>((code + GroundCodeOffset) * 100);
        }
        else if (code == ObjectLinePoint)
        {
            AddLinePoint({x, y});
        }
        else if (code >= ObjectZoneMarkerFirst && code <= ObjectZoneMarkerLast)
        {
            if (state_.ZoneMarkerCount >= MaxZoneMarkers)
            {
                return Fail("more than " + std::to_string(MaxZoneMarkers) + " zone markers");
            }
            state_.MapGrid(x, y) = static_cast<std::uint16_t>((code - ZoneMarkerCodeOffset) * 100);
            ++state_.ZoneMarkerCount;
        }
        else
        {
            PlaceLand(code, x, y);
        }
        return true;
    }

    bool AddPort(int code, int x, int y)
    {
        // Major ports exist only in missions about ports (goal types 1 and 2 of either side);
        // elsewhere codes 1 and 2 make ordinary ports.
        if (!majorPorts_ && code <= ObjectEnemyMajorPort)
        {
            code += ObjectPlayerPort - ObjectPlayerMajorPort;
        }
        if (state_.PortCount >= MaxPorts)
        {
            return Fail("more than " + std::to_string(MaxPorts) + " ports");
        }
        const bool major = code <= ObjectEnemyMajorPort;
        const auto owner = static_cast<std::uint8_t>(major ? code : code - 2);
        ++state_.PortCount;
        PortRec& port = state_.Port(state_.PortCount);
        port.X = static_cast<std::uint8_t>(x);
        port.Y = static_cast<std::uint8_t>(y);
        port.Owner = owner;
        port.StartOwner = owner;
        port.Zone = 0;
        port.Kind = major ? PortKindMajor : PortKindOrdinary;
        port.Flag = major && owner == SidePlayer ? 1 : 0;
        state_.MapGrid(x, y) = static_cast<std::uint16_t>((code + ObjectCodeOffset) * 100);
        return true;
    }

    void AddLinePoint(Point point)
    {
        if (!pendingPoint_)
        {
            pendingPoint_ = point;
            return;
        }
        const Point from = *pendingPoint_;
        pendingPoint_.reset();
        // Lines run down a column or along the first point's row, and only forwards.
        if (from.x == point.x && from.y != point.y)
        {
            for (int y = from.y; y <= point.y; ++y)
            {
                state_.MapGrid(from.x, y) = CodeCoastLine;
            }
        }
        else
        {
            for (int x = from.x; x <= point.x; ++x)
            {
                state_.MapGrid(x, from.y) = CodeCoastLine;
            }
        }
    }

    void PlaceLand(int code, int x, int y)
    {
        state_.LandGrid(x, y) = static_cast<std::uint16_t>(code);
        if (code >= LandCornerFirst && code <= LandCornerLast)
        {
            const bool passable = code >= LandCornerPassableFirst;
            const int corner = code - (passable ? LandCornerPassableFirst : LandCornerFirst) + 1;
            state_.MarkGrid(x, y) = static_cast<std::uint16_t>(corner + (passable ? MarkCornerPassable : 0));
        }
    }

    GameState& state_;
    MapTextReader reader_;
    MapReadResult result_;
    bool majorPorts_ = false;
    std::optional<Point> pendingPoint_;
};

} // namespace

MapReadResult ReadMapText(GameState& state, std::string_view text)
{
    return MapReader(state, text).Run();
}

std::string MapFileName(int mapNumber)
{
    return "BAZE/ZEM/F" + std::to_string(mapNumber) + "_OST.TXT";
}

bool LoadMapFile(Game& game, int mapNumber)
{
    const std::optional<std::string> text = game.files.Read(MapFileName(mapNumber));
    if (!text)
    {
        ClearPortsAndMarkers(game.state);
        game.presenter.ShowError(MapLoadError);
        return false;
    }
    if (!ReadMapText(game.state, *text).ok)
    {
        game.presenter.ShowError(MapLoadError);
        return false;
    }
    return true;
}

std::string PortName(const GameState& state, int port)
{
    if (port < 1 || port > MaxPorts)
    {
        return {};
    }
    const PortRec& rec = state.Port(port);
    if (port <= state.ZoneMarkerCount / 2)
    {
        const std::string name = ZoneName(state.CurrentScenario.MapPicture, port);
        if (!name.empty())
        {
            return name;
        }
    }
    return std::to_string(rec.X) + "-" + std::to_string(rec.Y);
}

std::string PortLabel(const GameState& state, int port)
{
    const PortRec& rec = state.Port(port);
    return (rec.Kind == PortKindMajor ? "Major Port " : "Port ") + PortName(state, port);
}

} // namespace olvane
