#include "state/zone_names.h"

#include <array>

namespace olvane
{

namespace
{

using PictureNames = std::array<std::string_view, ZoneNamesPerPicture>;

constexpr std::array<PictureNames, MapPictureCount> ZoneNames{{
    {"Alfa", "Bravo", "Charlie", "Delta", "Echo", "Baker", "Fox", "Golf"},
    {"Fox", "Golf", "Hotel", "India", "Juliet", "Jig", "Lima", "King"},
    {"Lima", "King", "Nan", "Mike", "Oscar", "Papa", "Queen", "Romeo"},
    {"Queen", "Romeo", "Roger", "Sierra", "Sugar", "Tango", "Victor", "Whiskey"},
    {"Victor", "Whiskey", "Yankee", "Zulu", "Uncle", "Zebra", "Alfa", "Bravo"},
    {"Livorno", "Venice", "Vieste", "Salerno", "Arbatax", "Messina", "Catanzaro", "Tricase", "Ajaccio",
     "Anzio"},
    {"Weymouth", "Newport", "Brighton", "Cherbourg", "Dieppe", "Calais"},
    {"Singapore", "Kuala Lumpur", "", "Baharu"},
    {"Tokio", "Philipines", "Brisbane", "Saipan", "Guadalcanal", "Tarawa", "Midway", "Hawai", "Samoa",
     "Los Angeles"},
    {"Guimaras", "Leyte", "Princesa", "Zamboanga", "Butuan", "Mindanao"},
    {"Pearl Harbor", "Honolulu", "Wailuku", "Hilo", "Mauna", "Kauai", "Lanai", "Jarvis"},
    {"Spit", "Sand Island", "Eastern Isle"},
    {"Tokio", "Philipines", "Brisbane", "Saipan", "Guadalcanal", "Tarawa", "Wake", "Tuvalu", "Truk",
     "Auckland"},
    {"Kama Rock", "Kitano", "Tachiva", "Mingami", "Tobishi"},
    {"Midway", "Hawai", "San Francisc", "Los Angeles", "Guadalajara", "Samoa"},
    {"Moresby", "Rabaul", "Guadalcanal", "Cape York", "Brisbane", "Sydney", "Auckland"},
    {"Sapporo", "Hokkaido", "Sendai", "Akita", "Fukuoka", "Tokio", "Okinawa"},
    {"Mathopen", "Bones", "Bergen"},
}};

constexpr std::array<std::string_view, 61> LetteringNames{
    "Hawaii",
    "Maui Channel",
    "Island of Hawaii",
    "Oahu Island",
    "Lahaina Channel",
    "P a c i f i c   O c e a n",
    "N o r t h   P a c i f i c   O c e a n",
    "Mamala Bay",
    "Maui",
    "Nilhau",
    "Molokal",
    "Lumahai",
    "Kahoolawe",
    "Hulopoe",
    "Johnson Atoll",
    "Howland Atoll",
    "A  u  s  t  r  a  l  i  a",
    "New Zealand",
    "Tuvalu",
    "Papua New Guinea",
    "S  o  l  o  m  o  n    I  s  l  a  n  d  s",
    "Bismarck Sea",
    "Arafura Sea",
    "Solomon Sea",
    "Tasman Sea",
    "Coral Sea",
    "S  i  c  i  l  y",
    "S a r d i n i a",
    "C o r s i c a",
    "Y u g o s l a v i a",
    "Brac",
    "I   T   A   L   Y",
    "N o r t h   I t a l y",
    "S o u t h   I t a l y",
    "Strait of Sicily",
    "M e d i t e r r a n e a n   S e a",
    "I o n i a n   S e a",
    "Strait of Bonifacio",
    "Strait of Otranto",
    "Strait of Messina",
    "Mare Isole Eolie",
    "Arcipelago Toscano",
    "A d r i a t i c   S e a",
    "T y r r h e n i a n   S e a",
    "J  A  P  A  N",
    "Hokkaido",
    "Honshu",
    "Shikoku",
    "Kyushu",
    "Tokara-shoto",
    "Amami-shoto",
    "Okinawa-honto",
    "Miyako-shoto",
    "R U S S I A",
    "SOUTH KOREA",
    "E a s t   C h i n a  S e a",
    "S e a   o f   O k h o t s k",
    "Korea Strait",
    "Tokio Bay",
    "P h i l i p p i n e   S e a",
    "S e a   o f   J a p a n",
};

} // namespace

std::string ZoneName(int picture, int index)
{
    if (picture < 1 || picture > MapPictureCount || index < 1 || index > ZoneNamesPerPicture)
    {
        return {};
    }
    return std::string(ZoneNames[static_cast<std::size_t>(picture - 1)][static_cast<std::size_t>(index - 1)]);
}

std::span<const std::string_view> MapLetteringNames()
{
    return LetteringNames;
}

} // namespace olvane
