#include "decompose/municipal.h"

#include <algorithm>
#include <array>
#include <utility>

#include "decompose/text_scan.h"
#include "postaldb/fixed_tables.h"
#include "text/kanji_fold.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

// Cities whose first 市 is already the city ending although another 市 follows.
constexpr std::array<std::u16string_view, 3> kCitiesEndingAtFirstShi = {u"安中市", u"飯能市",
                                                                        u"上尾市"};

struct CityWithShi {
  std::u16string_view name;
  int suffix_offset;  // index of the name's final 市 counted from its first character
};

// City names that contain 市 before their final 市, tested in this order.
constexpr std::array<CityWithShi, 7> kCitiesContainingShi = {{
    {u"今市市", 2},
    {u"市川市", 2},
    {u"八日市場市", 4},
    {u"市原市", 2},
    {u"四日市市", 3},
    {u"八日市市", 3},
    {u"廿日市市", 3},
}};

// Cities whose names make a 郡 elsewhere in the address no county ending; every
// one ends in 市.
constexpr std::array<std::u16string_view, 16> kCitiesCancellingCounty = {
    u"京都市", u"神戸市", u"浜松市",   u"福井市", u"勝山市", u"高槻市", u"寝屋川市", u"丸亀市",
    u"八代市", u"都城市", u"鹿児島市", u"七尾市", u"蒲郡市", u"小郡市", u"西都市",   u"鈴鹿市"};

// Whether the blank-padded name of a table is name once trimmed. A padded name
// that does not open with a blank keeps its first character when trimmed, and
// most names of a table differ from name there.
inline bool trimmed_equals(std::u16string_view padded, std::u16string_view name) {
  if (!padded.empty() && !name.empty() && padded[0] != name[0] && padded[0] != u' ') return false;
  return text::trim_view(padded) == name;
}

// The rows of the city table that hold the prefecture pref; all rows when pref
// is none of the table's prefectures.
std::pair<int, int> prefecture_rows(std::u16string_view pref, const postaldb::PostalTables& t) {
  const int last_row = static_cast<int>(t.city_name1.size()) - 1;
  const int prefs = static_cast<int>(std::min(t.pref_name.size(), t.pref_first_city.size())) - 1;
  for (int k = 1; k <= prefs; ++k) {
    if (!trimmed_equals(t.pref_name[k], pref)) continue;
    const int next = k < prefs ? t.pref_first_city[k + 1] : last_row + 1;
    return {std::max(t.pref_first_city[k], 1), std::min(next - 1, last_row)};
  }
  return {1, last_row};
}

// A bound on the length of a city name in narrow characters (the longest
// today, such as いちき串木野市, have 7), so that a long text of 市 is not
// looked up at every 市.
constexpr int kLongestCityName = 20;

// Whether the first n characters of the (narrow) text are the name of a city
// of the city table in the prefecture pref. The fixed lists above predate
// cities such as 野々市市 and 郡上市 and the mergers that put a 郡 into
// town-area names (山口市小郡).
bool opens_with_table_city(std::u16string_view text, int n, std::u16string_view pref,
                           const postaldb::PostalTables& tables) {
  if (n < 1 || n > kLongestCityName) return false;
  const std::u16string name = text::to_wide(text::left_view(text, n));
  const auto [first, last] = prefecture_rows(pref, tables);
  for (int r = first; r <= last; ++r) {
    if (trimmed_equals(tables.city_name1[r], name)) return true;
  }
  return false;
}

}  // namespace

void fix_city_marker(std::u16string_view text, int& p, std::u16string_view pref,
                     const postaldb::PostalTables& tables) {
  if (text::InStr(p + 1, text, u"市") == 0) return;
  for (std::u16string_view city : kCitiesEndingAtFirstShi) {
    if (contains(text, city)) return;
  }
  for (const CityWithShi& city : kCitiesContainingShi) {
    const int a = text::InStr(text, city.name);
    if (a != 0) {
      p = a + city.suffix_offset;
      return;
    }
  }
  for (int q = text::InStr(p + 1, text, u"市"); q != 0; q = text::InStr(q + 1, text, u"市")) {
    if (opens_with_table_city(text, q, pref, tables)) {
      p = q;
      return;
    }
  }
}

void drop_county_marker(std::u16string_view text, int& p, int city_end, std::u16string_view pref,
                        const postaldb::PostalTables& tables) {
  if (contains(text, u'市')) {
    for (std::u16string_view city : kCitiesCancellingCounty) {
      if (contains(text, city)) {
        p = 0;
        return;
      }
    }
  }
  if (opens_with_table_city(text, city_end, pref, tables)) p = 0;
}

void tokyo_ward_to_city(std::u16string_view pref, std::u16string& city, std::u16string& ward,
                        const postaldb::PostalTables& tables) {
  if (!pref.empty()) return;
  for (int k = 1; k <= 23; ++k) {
    if (!text::same_folded(ward, tables.tokyo_ward[k])) continue;
    if (city.empty()) {
      city = ward;
      ward.clear();
    }
    return;
  }
}

void complete_city_from_ward(std::u16string_view pref, std::u16string& city,
                             std::u16string_view ward, const postaldb::PostalTables& tables,
                             int& part_len10) {
  if (pref.empty() || !city.empty()) return;
  const std::u16string_view prefecture = text::trim_view(pref);
  // The table holds its ward names in full width; a typed ward is narrow (保土ｹ谷区).
  const std::u16string wide_ward = text::to_wide(ward);
  const int rows = static_cast<int>(std::min(tables.city_name1.size(), tables.city_name2.size()));
  // The designated cities of the prefecture, in the order of their codes.
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    if (!text::same_folded(prefecture, designated.prefecture)) continue;
    const int first = std::max(tables.city_group[designated.group][1], 1);
    const int last = std::min(tables.city_group[designated.group][2], rows - 1);
    for (int r = first; r <= last; ++r) {
      if (!text::same_folded(wide_ward, tables.city_name2[r])) continue;
      part_len10 = text::Len(tables.city_name1[r]) - text::Len(city);
      city = tables.city_name1[r];
      return;
    }
  }
}

void check_designated_city(std::u16string_view city, int& p) {
  if (city.empty()) return;
  // The list writes its names without variants: a city without one matches
  // only by equality, which most cities fail at their first character.
  const auto& cities = postaldb::kDesignatedCities;
  const bool variants = text::holds_kanji_variant(city);
  const bool designated =
      std::any_of(cities.begin(), cities.end(), [city, variants](const auto& c) {
        return variants ? text::same_folded(city, c.city) : city == c.city;
      });
  if (!designated) p = 0;
}

}  // namespace kovari::decompose
