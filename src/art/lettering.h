#pragma once

// The place and sea names lettered onto the map, in "ARIAL", as a naval chart would carry them:
// seas and oceans in pale blue italic capitals spread out over the water, countries in large
// dark capitals over the land, islands, bays and straits in smaller dark type beside them.
// Positions are map cells of the picture's map: the label is centred on the middle of cell
// (x, y), at `points` in the tactical view and scaled by 30 / 42 in the strategic view. The map
// view draws them after the cells and before the units, so a unit is never hidden by a name.

#include "art/sheets.h"

#include <array>
#include <string_view>

namespace olvane::art
{

enum class LabelKind
{
    Sea,     ///< oceans, seas, bays and straits: pale blue italic
    Country, ///< countries and large islands: large dark capitals
    Place,   ///< islands and capes: small dark type
};

struct MapLabel
{
    int picture; ///< map picture 1..18
    std::string_view text;
    int x; ///< cell column
    int y; ///< cell row
    int points;
    LabelKind kind;
};

constexpr Rgb SeaLabelColour{156, 196, 230};
constexpr Rgb LandLabelColour{58, 44, 32};

constexpr auto MapLabels = std::to_array<MapLabel>({
    // 6: Italy
    {6, "S  i  c  i  l  y", 53, 80, 11, LabelKind::Country},
    {6, "S a r d i n i a", 15, 58, 10, LabelKind::Country},
    {6, "C o r s i c a", 16, 37, 10, LabelKind::Country},
    {6, "Y u g o s l a v i a", 78, 10, 12, LabelKind::Country},
    {6, "Brac", 72, 27, 8, LabelKind::Place},
    {6, "I   T   A   L   Y", 47, 29, 16, LabelKind::Country},
    {6, "N o r t h   I t a l y", 22, 7, 11, LabelKind::Country},
    {6, "S o u t h   I t a l y", 64, 49, 11, LabelKind::Country},
    {6, "Strait of Sicily", 34, 86, 8, LabelKind::Sea},
    {6, "M e d i t e r r a n e a n   S e a", 28, 72, 13, LabelKind::Sea},
    {6, "I o n i a n   S e a", 84, 76, 13, LabelKind::Sea},
    {6, "Strait of Bonifacio", 24, 46, 8, LabelKind::Sea},
    {6, "Strait of Otranto", 88, 52, 8, LabelKind::Sea},
    {6, "Strait of Messina", 72, 70, 8, LabelKind::Sea},
    {6, "Mare Isole Eolie", 56, 66, 8, LabelKind::Sea},
    {6, "Arcipelago Toscano", 28, 27, 8, LabelKind::Sea},
    {6, "A d r i a t i c   S e a", 62, 18, 13, LabelKind::Sea},
    {6, "T y r r h e n i a n   S e a", 40, 56, 13, LabelKind::Sea},
    // 9: the Pacific
    {9, "Johnson Atoll", 62, 23, 8, LabelKind::Place},
    {9, "Howland Atoll", 41, 51, 8, LabelKind::Place},
    {9, "Hawaii", 48, 15, 9, LabelKind::Place},
    {9, "N o r t h   P a c i f i c   O c e a n", 62, 10, 14, LabelKind::Sea},
    {9, "P a c i f i c   O c e a n", 66, 62, 14, LabelKind::Sea},
    {9, "A  u  s  t  r  a  l  i  a", 12, 90, 14, LabelKind::Country},
    {9, "J  A  P  A  N", 12, 3, 12, LabelKind::Country},
    // 11: Hawaii
    {11, "Hawaii", 22, 30, 16, LabelKind::Country},
    {11, "N o r t h   P a c i f i c   O c e a n", 50, 6, 14, LabelKind::Sea},
    {11, "P a c i f i c   O c e a n", 24, 41, 14, LabelKind::Sea},
    {11, "Lumahai", 14, 3, 8, LabelKind::Place},
    {11, "Nilhau", 7, 12, 8, LabelKind::Place},
    {11, "Oahu Island", 31, 10, 9, LabelKind::Place},
    {11, "Mamala Bay", 31, 18, 8, LabelKind::Sea},
    {11, "Molokal", 42, 16, 8, LabelKind::Place},
    {11, "Maui", 50, 19, 9, LabelKind::Place},
    {11, "Hulopoe", 40, 24, 8, LabelKind::Sea},
    {11, "Lahaina Channel", 45, 27, 8, LabelKind::Sea},
    {11, "Kahoolawe", 51, 27, 8, LabelKind::Place},
    {11, "Maui Channel", 60, 25, 8, LabelKind::Sea},
    {11, "Island of Hawaii", 58, 46, 9, LabelKind::Place},
    // 13: the western Pacific
    {13, "A  u  s  t  r  a  l  i  a", 30, 80, 16, LabelKind::Country},
    {13, "New Zealand", 82, 90, 10, LabelKind::Place},
    {13, "Tuvalu", 86, 66, 8, LabelKind::Place},
    {13, "Papua New Guinea", 34, 52, 10, LabelKind::Country},
    {13, "S  o  l  o  m  o  n    I  s  l  a  n  d  s", 62, 58, 10, LabelKind::Country},
    {13, "Bismarck Sea", 38, 47, 9, LabelKind::Sea},
    {13, "Arafura Sea", 10, 61, 9, LabelKind::Sea},
    {13, "Solomon Sea", 46, 62, 9, LabelKind::Sea},
    {13, "Coral Sea", 60, 72, 11, LabelKind::Sea},
    {13, "Tasman Sea", 66, 88, 11, LabelKind::Sea},
    {13, "P h i l i p p i n e   S e a", 20, 30, 13, LabelKind::Sea},
    // 15: the eastern Pacific
    {15, "N o r t h   P a c i f i c   O c e a n", 40, 20, 14, LabelKind::Sea},
    {15, "P a c i f i c   O c e a n", 40, 58, 14, LabelKind::Sea},
    // 16: the Coral Sea
    {16, "A  u  s  t  r  a  l  i  a", 14, 52, 16, LabelKind::Country},
    {16, "Papua New Guinea", 8, 8, 10, LabelKind::Country},
    {16, "S  o  l  o  m  o  n    I  s  l  a  n  d  s", 50, 13, 10, LabelKind::Country},
    {16, "Bismarck Sea", 26, 2, 9, LabelKind::Sea},
    {16, "Arafura Sea", 2, 21, 9, LabelKind::Sea},
    {16, "Solomon Sea", 32, 24, 11, LabelKind::Sea},
    {16, "Coral Sea", 42, 42, 14, LabelKind::Sea},
    {16, "Tasman Sea", 54, 68, 13, LabelKind::Sea},
    {16, "New Zealand", 66, 71, 9, LabelKind::Place},
    {16, "Tuvalu", 66, 4, 8, LabelKind::Place},
    // 17: Japan
    {17, "J  A  P  A  N", 44, 37, 16, LabelKind::Country},
    {17, "Hokkaido", 70, 9, 10, LabelKind::Place},
    {17, "Honshu", 58, 25, 10, LabelKind::Place},
    {17, "Shikoku", 28, 45, 9, LabelKind::Place},
    {17, "Kyushu", 20, 50, 9, LabelKind::Place},
    {17, "Tokara-shoto", 24, 58, 8, LabelKind::Place},
    {17, "Amami-shoto", 19, 64, 8, LabelKind::Place},
    {17, "Okinawa-honto", 14, 70, 8, LabelKind::Place},
    {17, "Miyako-shoto", 12, 76, 8, LabelKind::Place},
    {17, "R U S S I A", 24, 3, 14, LabelKind::Country},
    {17, "SOUTH KOREA", 6, 24, 10, LabelKind::Country},
    {17, "E a s t   C h i n a  S e a", 10, 55, 12, LabelKind::Sea},
    {17, "S e a   o f   O k h o t s k", 66, 2, 12, LabelKind::Sea},
    {17, "Korea Strait", 14, 42, 8, LabelKind::Sea},
    {17, "Tokio Bay", 60, 42, 8, LabelKind::Sea},
    {17, "P h i l i p p i n e   S e a", 50, 64, 14, LabelKind::Sea},
    {17, "S e a   o f   J a p a n", 34, 22, 14, LabelKind::Sea},
});

} // namespace olvane::art
