// The fixed tables the start-up load copies into PostalTables: names and words
// that the data files do not carry. Each list is in the order its table uses;
// a list that fills slots 1..n holds slot k at index k - 1.
#pragma once

#include <array>
#include <string_view>

namespace kovari::postaldb {

// The 23 Tokyo wards, filling tokyo_ward(1..23); the last three (港区, 中央区,
// 北区) are also ward names of designated cities.
inline constexpr std::array<std::u16string_view, 23> kTokyoWards = {
    u"足立区", u"荒川区", u"板橋区", u"江戸川区", u"大田区",   u"葛飾区", u"江東区",   u"品川区",
    u"渋谷区", u"新宿区", u"杉並区", u"墨田区",   u"世田谷区", u"台東区", u"千代田区", u"豊島区",
    u"中野区", u"練馬区", u"文京区", u"目黒区",   u"港区",     u"中央区", u"北区"};

struct DesignatedCity {
  std::u16string_view city;        // the value of city_name1 that puts a row into the group
  std::u16string_view prefecture;  // the prefecture the city lies in
  int group;                       // its group number in city_group
};

// The designated cities with wards, the twelve first designated in groups 1..12,
// the later eight after the two single-name groups. A prefecture's cities stand
// in the order of their codes.
inline constexpr std::array<DesignatedCity, 20> kDesignatedCities = {{
    {u"札幌市", u"北海道", 1},       {u"仙台市", u"宮城県", 2},     {u"千葉市", u"千葉県", 3},
    {u"横浜市", u"神奈川県", 4},     {u"川崎市", u"神奈川県", 5},   {u"名古屋市", u"愛知県", 6},
    {u"京都市", u"京都府", 7},       {u"大阪市", u"大阪府", 8},     {u"神戸市", u"兵庫県", 9},
    {u"広島市", u"広島県", 10},      {u"北九州市", u"福岡県", 11},  {u"福岡市", u"福岡県", 12},
    {u"さいたま市", u"埼玉県", 22},  {u"相模原市", u"神奈川県", 23}, {u"新潟市", u"新潟県", 24},
    {u"静岡市", u"静岡県", 25},      {u"浜松市", u"静岡県", 26},    {u"堺市", u"大阪府", 27},
    {u"岡山市", u"岡山県", 28},      {u"熊本市", u"熊本県", 29},
}};

// The city names of the two single-name groups kMinatoGroup and kFuchuGroup.
inline constexpr std::u16string_view kMinatoGroupCity = u"港区";
inline constexpr std::u16string_view kFuchuGroupCity = u"府中市";

// Ward names that occur in more than one designated city, filling
// dup_ward(1..); an address with one of them needs its city to be resolved.
inline constexpr std::array<std::u16string_view, 12> kDuplicateWards = {
    u"旭区", u"西区", u"青葉区", u"泉区", u"中区",   u"鶴見区",
    u"東区", u"南区", u"緑区",   u"北区", u"中央区", u"港区"};

struct KanaPair {
  std::u16string_view small, large;
};

// Small katakana and their full-size letters, filling small_kana(1..10).
inline constexpr std::array<KanaPair, 10> kSmallKana = {{
    {u"ァ", u"ア"},
    {u"ィ", u"イ"},
    {u"ゥ", u"ウ"},
    {u"ェ", u"エ"},
    {u"ォ", u"オ"},
    {u"ヶ", u"ケ"},
    {u"ッ", u"ツ"},
    {u"ャ", u"ヤ"},
    {u"ュ", u"ユ"},
    {u"ョ", u"ヨ"},
}};

// Words that mark a building name, filling bill_keyword(1..11) (narrowed on
// loading).
inline constexpr std::array<std::u16string_view, 11> kBuildingKeywords = {
    u"ビル",         u"ガーデン",     u"タワー",   u"モノリス", u"シティ", u"シテイ",
    u"サンシャイン", u"サンシヤイン", u"センター", u"工場",     u"会館"};

struct BuildingRowPlace {
  int first_row, last_row;  // building rows first_row..last_row
  std::u16string_view prefecture, city;
};

// The prefecture and city of building rows 1..43 (bill_pref, bill_city).
inline constexpr std::array<BuildingRowPlace, 19> kBuildingRowPlaces = {{
    {1, 1, u"宮城県", u"仙台市"},     {29, 29, u"宮城県", u"仙台市"},
    {2, 2, u"千葉県", u"千葉市"},     {32, 32, u"千葉県", u"千葉市"},
    {3, 3, u"東京都", u"千代田区"},   {39, 39, u"東京都", u"千代田区"},
    {4, 7, u"東京都", u"港区"},       {36, 38, u"東京都", u"港区"},
    {8, 19, u"東京都", u"新宿区"},    {20, 20, u"東京都", u"江東区"},
    {21, 21, u"東京都", u"渋谷区"},   {22, 22, u"東京都", u"豊島区"},
    {23, 25, u"神奈川県", u"横浜市"}, {26, 26, u"静岡県", u"浜松市"},
    {27, 28, u"大阪府", u"大阪市"},   {30, 31, u"大阪府", u"大阪市"},
    {33, 35, u"大阪府", u"大阪市"},   {40, 40, u"愛知県", u"名古屋市"},
    {41, 43, u"東京都", u"中央区"},
}};

// Words ending in 字 that are not the 字 district marker, filling ji_word(1..7).
inline constexpr std::array<std::u16string_view, 7> kJiWords = {u"阿字", u"文字", u"十字", u"呪字",
                                                                u"分字", u"万字", u"和字"};

// Kanji numerals: entry n (1..50) spells n the ordinary way, entry 50 + n spells
// n digit by digit (exact tens keep the ordinary spelling); entry 0 is "０".
// clang-format off
inline constexpr std::array<std::u16string_view, 101> kKanjiNumerals = {
    u"０",
    u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"二十一", u"二十二", u"二十三", u"二十四", u"二十五",
    u"二十六", u"二十七", u"二十八", u"二十九", u"三十",
    u"三十一", u"三十二", u"三十三", u"三十四", u"三十五",
    u"三十六", u"三十七", u"三十八", u"三十九", u"四十",
    u"四十一", u"四十二", u"四十三", u"四十四", u"四十五",
    u"四十六", u"四十七", u"四十八", u"四十九", u"五十",
    // 51..100: 1..50 digit by digit
    u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十",
    u"一一", u"一二", u"一三", u"一四", u"一五", u"一六", u"一七", u"一八", u"一九", u"二十",
    u"二一", u"二二", u"二三", u"二四", u"二五", u"二六", u"二七", u"二八", u"二九", u"三十",
    u"三一", u"三二", u"三三", u"三四", u"三五", u"三六", u"三七", u"三八", u"三九", u"四十",
    u"四一", u"四二", u"四三", u"四四", u"四五", u"四六", u"四七", u"四八", u"四九", u"五十"};
// clang-format on

}  // namespace kovari::postaldb
