#include "map_compiler.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace olvane::datagen
{

namespace
{

constexpr int MaxZones = 26;
constexpr int MaxPortsOnMap = 25;
constexpr int MaxNamedPorts = 10;
constexpr int PortZoneSize = 6;
constexpr int HomeBlock = 6;       // ships of a nation are lined up in a 6 × 6 block from the origin
constexpr int FirstMarkerCode = 101;

// Object codes of the map file: 8 shore, 9 cliffs; 13 plain, 14 hills, 15 mountains, 16 forest,
// 19 town, 20 city, 21 airfield, 31 jungle.
constexpr int ObjectShore = 8;
constexpr int ObjectCliffs = 9;
constexpr std::array<LandSymbol, 8> LandSymbols{{
    {'#', 13, ObjectShore},
    {'h', 14, ObjectShore},
    {'^', 15, ObjectCliffs},
    {'%', 16, ObjectShore},
    {'j', 31, ObjectShore},
    {'t', 19, 19},
    {'c', 20, 20},
    {'a', 21, 21},
}};

const LandSymbol* FindLandSymbol(char c)
{
    const auto at = std::find_if(LandSymbols.begin(), LandSymbols.end(), [c](const LandSymbol& l) { return l.symbol == c; });
    return at == LandSymbols.end() ? nullptr : &*at;
}

constexpr int ObjectFirstCorner = 901; // LandGrid: corner 1..4 of a sea field cut by land
constexpr int CornerPassable = 4;      // 905..908: the same corner, passable

const std::array<std::array<const char*, 10>, 18> ZoneNames = {{
    {"Alfa", "Bravo", "Charlie", "Delta", "Echo", "Baker", "Fox", "Golf", "", ""},
    {"Fox", "Golf", "Hotel", "India", "Juliet", "Jig", "Lima", "King", "", ""},
    {"Lima", "King", "Nan", "Mike", "Oscar", "Papa", "Queen", "Romeo", "", ""},
    {"Queen", "Romeo", "Roger", "Sierra", "Sugar", "Tango", "Victor", "Whiskey", "", ""},
    {"Victor", "Whiskey", "Yankee", "Zulu", "Uncle", "Zebra", "Alfa", "Bravo", "", ""},
    {"Livorno", "Venice", "Vieste", "Salerno", "Arbatax", "Messina", "Catanzaro", "Tricase", "Ajaccio", "Anzio"},
    {"Weymouth", "Newport", "Brighton", "Cherbourg", "Dieppe", "Calais", "", "", "", ""},
    {"Singapore", "Kuala Lumpur", "", "Baharu", "", "", "", "", "", ""},
    {"Tokio", "Philipines", "Brisbane", "Saipan", "Guadalcanal", "Tarawa", "Midway", "Hawai", "Samoa", "Los Angeles"},
    {"Guimaras", "Leyte", "Princesa", "Zamboanga", "Butuan", "Mindanao", "", "", "", ""},
    {"Pearl Harbor", "Honolulu", "Wailuku", "Hilo", "Mauna", "Kauai", "Lanai", "Jarvis", "", ""},
    {"Spit", "Sand Island", "Eastern Isle", "", "", "", "", "", "", ""},
    {"Tokio", "Philipines", "Brisbane", "Saipan", "Guadalcanal", "Tarawa", "Wake", "Tuvalu", "Truk", "Auckland"},
    {"Kama Rock", "Kitano", "Tachiva", "Mingami", "Tobishi", "", "", "", "", ""},
    {"Midway", "Hawai", "San Francisc", "Los Angeles", "Guadalajara", "Samoa", "", "", "", ""},
    {"Moresby", "Rabaul", "Guadalcanal", "Cape York", "Brisbane", "Sydney", "Auckland", "", "", ""},
    {"Sapporo", "Hokkaido", "Sendai", "Akita", "Fukuoka", "Tokio", "Okinawa", "", "", ""},
    {"Mathopen", "Bones", "Bergen", "", "", "", "", "", "", ""},
}};

Alliance ReadAlliance(const SourceLine& line, const std::string& word)
{
    if (word == "allies")
    {
        return Alliance::Allies;
    }
    if (word == "axis")
    {
        return Alliance::Axis;
    }
    throw SourceError(line, "alliance is allies or axis");
}

bool IsPortSymbol(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

struct Square
{
    int x = 0;
    int y = 0;
    int size = 0;
};

/// Cells between two squares along the wider axis; 0 when they touch or overlap.
int Gap(const Square& a, const Square& b)
{
    const int dx = std::max({0, b.x - (a.x + a.size), a.x - (b.x + b.size)});
    const int dy = std::max({0, b.y - (a.y + a.size), a.y - (b.y + b.size)});
    return std::max(dx, dy);
}

int CentreDistance2(const Square& a, const Square& b)
{
    const int dx = (2 * a.x + a.size) - (2 * b.x + b.size);
    const int dy = (2 * a.y + a.size) - (2 * b.y + b.size);
    return dx * dx + dy * dy;
}

enum class ZoneKind
{
    Home,
    Open,
    Port,
};

struct Zone
{
    ZoneKind kind = ZoneKind::Open;
    Square square;
    int facing = 0;
    int key = 0;
    int port = 0;
    std::vector<int> neighbours;
};

class MapBuilder
{
public:
    MapBuilder(const MapSource& map, const MapVariant& variant) : map_(map), variant_(variant) {}

    std::string Build()
    {
        NumberPorts();
        BuildZones();
        return Text();
    }

private:
    bool InMap(int x, int y) const { return x >= 1 && y >= 1 && x <= map_.width && y <= map_.height; }

    bool IsLand(int x, int y) const
    {
        if (!InMap(x, y))
        {
            return false;
        }
        return map_.At(x, y) == Ground::Land;
    }

    bool IsSea(int x, int y) const { return InMap(x, y) && map_.At(x, y) == Ground::Sea; }

    int SeaCells(const Square& s) const
    {
        int n = 0;
        for (int x = s.x; x < s.x + s.size; ++x)
        {
            for (int y = s.y; y < s.y + s.size; ++y)
            {
                n += IsSea(x, y) ? 1 : 0;
            }
        }
        return n;
    }

    SourceError Fault(const std::string& what) const
    {
        return SourceError(map_.file, "map " + std::to_string(variant_.number) + ": " + what);
    }

    void NumberPorts()
    {
        const auto& names = PictureZoneNames(map_.picture);
        std::vector<const MapPortSource*> named(MaxNamedPorts, nullptr);
        std::vector<const MapPortSource*> unnamed;
        for (const MapPortSource& p : map_.ports)
        {
            if (p.name.empty())
            {
                unnamed.push_back(&p);
                continue;
            }
            const auto at = std::find_if(names.begin(), names.end(), [&](const char* n) { return p.name == n; });
            if (at == names.end())
            {
                throw Fault("picture " + std::to_string(map_.picture) + " has no port named " + p.name);
            }
            named[static_cast<std::size_t>(at - names.begin())] = &p;
        }
        // A picture may leave a name empty (port 3 of picture 8): an unnamed port takes that number
        // and is labelled by its coordinates.
        std::size_t nextUnnamed = 0;
        const auto lastNamed = std::find_if(named.rbegin(), named.rend(), [](const MapPortSource* p) { return p != nullptr; });
        const std::size_t namedEnd = static_cast<std::size_t>(named.rend() - lastNamed);
        for (std::size_t i = 0; i < namedEnd; ++i)
        {
            if (named[i] == nullptr && names[i][0] == '\0' && nextUnnamed < unnamed.size())
            {
                named[i] = unnamed[nextUnnamed++];
            }
        }
        unnamed.erase(unnamed.begin(), unnamed.begin() + static_cast<std::ptrdiff_t>(nextUnnamed));
        const auto last = std::find(named.begin(), named.end(), nullptr);
        if (std::any_of(last, named.end(), [](const MapPortSource* p) { return p != nullptr; }))
        {
            throw Fault("named ports must take the picture's names from the first one on, without a gap");
        }
        namedCount_ = static_cast<int>(last - named.begin());
        ports_.assign(named.begin(), last);
        ports_.insert(ports_.end(), unnamed.begin(), unnamed.end());
        if (ports_.size() > MaxPortsOnMap)
        {
            throw Fault("more than 25 ports");
        }
        for (const MapPortSource* p : ports_)
        {
            const bool nearSea = IsSea(p->x - 1, p->y) || IsSea(p->x + 1, p->y) || IsSea(p->x, p->y - 1) ||
                                 IsSea(p->x, p->y + 1);
            bool nearLand = false;
            for (int dx = -1; dx <= 1; ++dx)
            {
                for (int dy = -1; dy <= 1; ++dy)
                {
                    nearLand = nearLand || IsLand(p->x + dx, p->y + dy);
                }
            }
            if (!nearSea || !nearLand)
            {
                throw Fault("port " + std::string(1, p->symbol) + " is not on a coast next to the sea");
            }
        }
    }

    Square PortSquare(const MapPortSource& p) const
    {
        Square best;
        int bestSea = -1;
        int bestOff = 0;
        for (int ox = p.x - PortZoneSize + 1; ox <= p.x; ++ox)
        {
            for (int oy = p.y - PortZoneSize + 1; oy <= p.y; ++oy)
            {
                if (ox < 1 || oy < 1 || ox + PortZoneSize - 1 > map_.width || oy + PortZoneSize - 1 > map_.height)
                {
                    continue;
                }
                const Square s{ox, oy, PortZoneSize};
                const int sea = SeaCells(s);
                const int off = std::abs(2 * (ox - p.x) + PortZoneSize - 1) + std::abs(2 * (oy - p.y) + PortZoneSize - 1);
                if (sea > bestSea || (sea == bestSea && off < bestOff))
                {
                    best = s;
                    bestSea = sea;
                    bestOff = off;
                }
            }
        }
        return best;
    }

    void BuildZones()
    {
        std::array<const HomeZoneSource*, 4> homes{};
        for (const HomeZoneSource& h : map_.homes)
        {
            homes[static_cast<std::size_t>(h.key - 1)] = &h;
        }
        for (const HomeZoneSource* h : homes)
        {
            if (h == nullptr)
            {
                throw Fault("every home zone 1..4 must be given");
            }
            const Square block{h->x, h->y, HomeBlock};
            if (!InMap(h->x, h->y) || !InMap(h->x + HomeBlock - 1, h->y + HomeBlock - 1) || SeaCells(block) < 30)
            {
                throw Fault("home zone " + std::to_string(h->key) + " needs open sea for a 6 x 6 block at its origin");
            }
            zones_.push_back({ZoneKind::Home, block, h->facing, h->key, 0, {}});
        }
        std::vector<Square> open;
        for (const OpenZoneSource& z : map_.openZones)
        {
            open.push_back({z.x, z.y, z.size});
        }
        if (map_.autoZoneSize > 0)
        {
            open = AutoZones(static_cast<int>(MaxZones - 4 - ports_.size()));
        }
        for (const Square& s : open)
        {
            if (!InMap(s.x, s.y) || !InMap(s.x + s.size - 1, s.y + s.size - 1) || s.size % 6 != 0 || s.size < 12)
            {
                throw Fault("an open zone must lie in the map with a size of 12, 18, 24 ...");
            }
            zones_.push_back({ZoneKind::Open, s, 0, 0, 0, {}});
        }
        if (open.empty())
        {
            throw Fault("no open-sea zone");
        }
        for (std::size_t p = 0; p < ports_.size(); ++p)
        {
            zones_.push_back({ZoneKind::Port, PortSquare(*ports_[p]), 0, 0, static_cast<int>(p + 1), {}});
        }
        if (zones_.size() > MaxZones)
        {
            throw Fault("more than 26 zones");
        }
        for (std::size_t i = 0; i < zones_.size(); ++i)
        {
            zones_[i].neighbours = Neighbours(i);
        }
        ConnectOpenZones();
    }

    /// Links groups of open zones that the neighbour lists leave apart, nearest pair first, so a
    /// group can reach every open zone of the map.
    void ConnectOpenZones()
    {
        for (;;)
        {
            std::set<int> reached;
            std::vector<int> todo;
            for (std::size_t i = 0; i < zones_.size() && todo.empty(); ++i)
            {
                if (zones_[i].kind == ZoneKind::Open)
                {
                    todo.push_back(static_cast<int>(i + 1));
                    reached.insert(static_cast<int>(i + 1));
                }
            }
            while (!todo.empty())
            {
                const int z = todo.back();
                todo.pop_back();
                for (int n : zones_[static_cast<std::size_t>(z - 1)].neighbours)
                {
                    if (zones_[static_cast<std::size_t>(n - 1)].kind == ZoneKind::Open && reached.insert(n).second)
                    {
                        todo.push_back(n);
                    }
                }
            }
            int bestA = 0;
            int bestB = 0;
            int bestD = 0;
            for (std::size_t a = 0; a < zones_.size(); ++a)
            {
                for (std::size_t b = 0; b < zones_.size(); ++b)
                {
                    if (zones_[a].kind != ZoneKind::Open || zones_[b].kind != ZoneKind::Open ||
                        !reached.count(static_cast<int>(a + 1)) || reached.count(static_cast<int>(b + 1)))
                    {
                        continue;
                    }
                    const int d = CentreDistance2(zones_[a].square, zones_[b].square);
                    if (bestA == 0 || d < bestD)
                    {
                        bestA = static_cast<int>(a + 1);
                        bestB = static_cast<int>(b + 1);
                        bestD = d;
                    }
                }
            }
            if (bestA == 0)
            {
                return;
            }
            Link(bestA, bestB);
            Link(bestB, bestA);
        }
    }

    /// Adds `to` to the neighbours of `from`; a full list gives up a port zone, else its last entry.
    void Link(int from, int to)
    {
        std::vector<int>& list = zones_[static_cast<std::size_t>(from - 1)].neighbours;
        if (list.size() >= 5)
        {
            auto port = std::find_if(list.rbegin(), list.rend(), [&](int n) {
                return zones_[static_cast<std::size_t>(n - 1)].kind == ZoneKind::Port;
            });
            list.erase(port != list.rend() ? std::next(port).base() : list.end() - 1);
        }
        list.push_back(to);
    }

    std::vector<Square> AutoZones(int room) const
    {
        const int s = map_.autoZoneSize;
        const int cols = map_.width / s;
        const int rows = map_.height / s;
        const int x0 = 1 + (map_.width - cols * s) / 2;
        const int y0 = 1 + (map_.height - rows * s) / 2;
        std::vector<std::pair<int, Square>> tiles;
        for (int r = 0; r < rows; ++r)
        {
            for (int c = 0; c < cols; ++c)
            {
                const Square sq{x0 + c * s, y0 + r * s, s};
                const int sea = SeaCells(sq);
                if (sea * 10 >= s * s * 4)
                {
                    tiles.push_back({sea, sq});
                }
            }
        }
        std::stable_sort(tiles.begin(), tiles.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        if (static_cast<int>(tiles.size()) > room)
        {
            tiles.resize(static_cast<std::size_t>(std::max(room, 0)));
        }
        std::vector<Square> squares;
        for (const auto& t : tiles)
        {
            squares.push_back(t.second);
        }
        // Zone numbers follow the map from the top left, so neighbouring zones have near numbers.
        std::sort(squares.begin(), squares.end(), [](const Square& a, const Square& b) {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        });
        return squares;
    }

    /// Up to five zones a group may move on to (or, for port zones, from which it may come):
    /// open zones that touch this one first, nearest first, then the nearest port zones.
    std::vector<int> Neighbours(std::size_t self) const
    {
        const Zone& z = zones_[self];
        std::vector<std::pair<int, int>> open;
        std::vector<std::pair<int, int>> portZones;
        for (std::size_t i = 0; i < zones_.size(); ++i)
        {
            if (i == self || zones_[i].kind == ZoneKind::Home)
            {
                continue;
            }
            const int d = Gap(z.square, zones_[i].square) * 10000 + CentreDistance2(z.square, zones_[i].square);
            (zones_[i].kind == ZoneKind::Open ? open : portZones).push_back({d, static_cast<int>(i + 1)});
        }
        std::sort(open.begin(), open.end());
        std::sort(portZones.begin(), portZones.end());
        std::vector<int> result;
        const std::size_t openWanted = z.kind == ZoneKind::Open ? 4 : 3;
        for (const auto& [d, n] : open)
        {
            if (result.size() >= openWanted || (!result.empty() && d / 10000 > 1 && z.kind == ZoneKind::Open))
            {
                break;
            }
            result.push_back(n);
        }
        if (z.kind == ZoneKind::Open)
        {
            for (const auto& [d, n] : portZones)
            {
                if (result.size() >= 5 || d / 10000 > 6)
                {
                    break;
                }
                result.push_back(n);
            }
        }
        return result;
    }

    bool Coastal(int x, int y) const
    {
        for (int dx = -1; dx <= 1; ++dx)
        {
            for (int dy = -1; dy <= 1; ++dy)
            {
                if (InMap(x + dx, y + dy) && !IsLand(x + dx, y + dy))
                {
                    return true;
                }
            }
        }
        return false;
    }

    /// Corner 1..4 of a water field whose diagonal step towards (-1,-1), (+1,-1), (+1,+1) or
    /// (-1,+1) would slip between two land fields; 0 when there is none.
    int Corner(int x, int y) const
    {
        static constexpr std::array<std::pair<int, int>, 4> dirs = {{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
        for (int c = 0; c < 4; ++c)
        {
            const auto [dx, dy] = dirs[static_cast<std::size_t>(c)];
            if (IsLand(x + dx, y) && IsLand(x, y + dy) && InMap(x + dx, y + dy) && !IsLand(x + dx, y + dy))
            {
                return c + 1;
            }
        }
        return 0;
    }

    std::vector<std::pair<int, int>> Markers(const Zone& z) const
    {
        std::vector<std::pair<int, int>> cells;
        const Square& s = z.square;
        for (const auto& [cx, cy] : {std::pair{s.x, s.y}, std::pair{s.x + s.size - 1, s.y + s.size - 1}})
        {
            int best = -1;
            std::pair<int, int> cell;
            for (int x = s.x; x < s.x + s.size; ++x)
            {
                for (int y = s.y; y < s.y + s.size; ++y)
                {
                    const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                    if (IsSea(x, y) && !markerCells_.count({x, y}) &&
                        std::find(cells.begin(), cells.end(), std::pair{x, y}) == cells.end() && (best < 0 || d < best))
                    {
                        best = d;
                        cell = {x, y};
                    }
                }
            }
            if (best < 0)
            {
                throw Fault("no sea field for the zone markers of port " + std::to_string(z.port));
            }
            cells.push_back(cell);
        }
        return cells;
    }

    static void Object(std::string& text, int code, int x, int y)
    {
        text += "1 " + std::to_string(code) + ' ' + std::to_string(x) + ' ' + std::to_string(y) + '\n';
    }

    std::string Text()
    {
        std::string text = std::to_string(map_.width) + ' ' + std::to_string(map_.height) + '\n';
        std::set<std::pair<int, int>> passable(map_.passable.begin(), map_.passable.end());
        for (int y = 1; y <= map_.height; ++y)
        {
            for (int x = 1; x <= map_.width; ++x)
            {
                if (IsLand(x, y))
                {
                    const LandSymbol* land = FindLandSymbol(map_.Symbol(x, y));
                    Object(text, Coastal(x, y) ? land->coast : land->inland, x, y);
                }
                else if (const int corner = Corner(x, y); corner != 0)
                {
                    Object(text, ObjectFirstCorner + corner - 1 + (passable.count({x, y}) ? CornerPassable : 0), x, y);
                }
            }
        }
        for (const MapPortSource* p : ports_)
        {
            const int side = p->owner == variant_.player ? 1 : 2;
            Object(text, p->major ? side : side + 2, p->x, p->y);
        }
        for (const Zone& z : zones_)
        {
            if (z.kind != ZoneKind::Port || z.port > namedCount_)
            {
                continue;
            }
            const auto cells = Markers(z);
            for (std::size_t i = 0; i < cells.size(); ++i)
            {
                markerCells_.insert(cells[i]);
                Object(text, FirstMarkerCode + 2 * (z.port - 1) + static_cast<int>(i), cells[i].first, cells[i].second);
            }
        }
        text += "0 0 0 0\n";
        text += "0 zones: number, size or home facing, column, row, five neighbours, home key, port\n";
        text += "0 home zones 1..4 hold the facing, the origin and the key of the nation based there\n";
        text += "0 port zones have size 6 and name their port in the last value\n";
        for (std::size_t i = 0; i < zones_.size(); ++i)
        {
            const Zone& z = zones_[i];
            text += std::to_string(i + 1) + ' ' + std::to_string(z.kind == ZoneKind::Home ? z.facing : z.square.size) +
                    ' ' + std::to_string(z.square.x) + ' ' + std::to_string(z.square.y);
            for (std::size_t n = 0; n < 5; ++n)
            {
                text += ' ' + std::to_string(n < z.neighbours.size() ? z.neighbours[n] : 0);
            }
            text += ' ' + std::to_string(z.key) + ' ' + std::to_string(z.port) + '\n';
        }
        text += "0 0 0 0 0 0 0 0 0 0 0\n";
        return text;
    }

    const MapSource& map_;
    const MapVariant& variant_;
    std::vector<const MapPortSource*> ports_;
    int namedCount_ = 0;
    std::vector<Zone> zones_;
    std::set<std::pair<int, int>> markerCells_;
};

} // namespace

char MapSource::Symbol(int x, int y) const
{
    return rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
}

Ground MapSource::At(int x, int y) const
{
    const char c = Symbol(x, y);
    if (c == '.')
    {
        return Ground::Sea;
    }
    return FindLandSymbol(c) != nullptr ? Ground::Land : Ground::Port;
}

const std::array<const char*, 10>& PictureZoneNames(int picture)
{
    return ZoneNames.at(static_cast<std::size_t>(picture - 1));
}

MapSource ReadMapSource(const std::filesystem::path& path)
{
    MapSource map;
    map.file = path.filename().string();
    const std::vector<SourceLine> lines = ReadSourceLines(path);
    std::size_t i = 0;
    for (; i < lines.size(); ++i)
    {
        const SourceLine& line = lines[i];
        if (line.words.empty())
        {
            continue;
        }
        const std::string& key = line.words[0];
        if (key == "grid")
        {
            ++i;
            break;
        }
        if (key == "map")
        {
            map.variants.push_back({ToInt(line, Word(line, 1), 1, 65535), ReadAlliance(line, Word(line, 2))});
        }
        else if (key == "picture")
        {
            map.picture = ToInt(line, Word(line, 1), 1, 18);
        }
        else if (key == "size")
        {
            map.width = ToInt(line, Word(line, 1), 18, 100);
            map.height = ToInt(line, Word(line, 2), 18, 100);
        }
        else if (key == "port")
        {
            const std::string& symbol = Word(line, 1);
            if (symbol.size() != 1 || !IsPortSymbol(symbol[0]))
            {
                throw SourceError(line, "a port symbol is one capital letter or digit");
            }
            const std::string& kind = Word(line, 3);
            if (kind != "major" && kind != "minor")
            {
                throw SourceError(line, "a port is major or minor");
            }
            map.ports.push_back({symbol[0], Word(line, 2) == "-" ? "" : Word(line, 2), kind == "major",
                                 ReadAlliance(line, Word(line, 4)), 0, 0});
        }
        else if (key == "home")
        {
            const int facing = ToInt(line, Word(line, 4), 0, 4);
            if (facing != 0 && facing != 4)
            {
                throw SourceError(line, "a home zone faces 0 (east) or 4 (west)");
            }
            map.homes.push_back({ToInt(line, Word(line, 1), 1, 4), ToInt(line, Word(line, 2), 1, 100),
                                 ToInt(line, Word(line, 3), 1, 100), facing});
        }
        else if (key == "zone")
        {
            map.openZones.push_back({ToInt(line, Word(line, 1), 1, 100), ToInt(line, Word(line, 2), 1, 100),
                                     ToInt(line, Word(line, 3), 12, 72)});
        }
        else if (key == "zones")
        {
            map.autoZoneSize = ToInt(line, Word(line, 2), 12, 48);
        }
        else if (key == "pass")
        {
            map.passable.push_back({ToInt(line, Word(line, 1), 1, 100), ToInt(line, Word(line, 2), 1, 100)});
        }
        else
        {
            throw SourceError(line, "unknown key '" + key + "'");
        }
    }
    for (; i < lines.size() && static_cast<int>(map.rows.size()) < map.height; ++i)
    {
        const SourceLine& line = lines[i];
        const std::string row = line.raw.substr(0, line.raw.find_last_not_of(' ') + 1);
        if (static_cast<int>(row.size()) != map.width ||
            row.find_first_not_of(".#h^%jtcaABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") != std::string::npos)
        {
            throw SourceError(line, "a grid row holds exactly " + std::to_string(map.width) + " of . # h ^ % j t c a or a port");
        }
        for (std::size_t x = 0; x < row.size(); ++x)
        {
            if (!IsPortSymbol(row[x]))
            {
                continue;
            }
            auto port = std::find_if(map.ports.begin(), map.ports.end(), [&](const MapPortSource& p) { return p.symbol == row[x]; });
            if (port == map.ports.end() || port->x != 0)
            {
                throw SourceError(line, std::string("port ") + row[x] + " is not in the legend or drawn twice");
            }
            port->x = static_cast<int>(x) + 1;
            port->y = static_cast<int>(map.rows.size()) + 1;
        }
        map.rows.push_back(row);
    }
    if (map.variants.empty() || map.picture == 0 || static_cast<int>(map.rows.size()) != map.height)
    {
        throw SourceError(map.file, "a map needs its numbers, picture, size and a full grid");
    }
    for (const MapPortSource& p : map.ports)
    {
        if (p.x == 0)
        {
            throw SourceError(map.file, std::string("port ") + p.symbol + " is not drawn in the grid");
        }
    }
    return map;
}

std::string CompileMapFile(const MapSource& map, const MapVariant& variant)
{
    return MapBuilder(map, variant).Build();
}

} // namespace olvane::datagen
