#include "town_areas.h"

#include <algorithm>
#include <map>

#include "city_split.h"
#include "names.h"
#include "text/sjis.h"

namespace kovari::mkdata {

void order_town_areas(std::vector<TownArea>& towns) {
  struct Keyed {
    bool below;
    std::u16string key;
    TownArea* town;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(towns.size());
  for (TownArea& town : towns) {
    keyed.push_back({town.name == kBelowName, reading_key(town.reading), &town});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (a.below != b.below) return a.below;
    if (a.town->initial != b.town->initial) return a.town->initial < b.town->initial;
    if (a.key != b.key) return a.key < b.key;
    return a.town->reading < b.town->reading;
  });
  std::vector<TownArea> ordered;
  ordered.reserve(towns.size());
  for (const Keyed& k : keyed) ordered.push_back(std::move(*k.town));
  towns = std::move(ordered);
}

std::int16_t city_kind(const std::vector<TownArea>& towns) {
  if (towns.empty()) return 0;
  for (const TownArea& town : towns) {
    if (town.code != towns.front().code) return 0;
  }
  return 1;
}

void build_cities(const std::vector<TownRow>& rows, const std::string& file_label, PostalData& data,
                  Report& report) {
  std::map<std::string, City> by_jis;                // ordered by municipal code
  std::map<std::string, std::u16string> pref_names;  // by the code's first two digits
  for (const TownRow& row : rows) {
    std::optional<std::u16string> name = to_double_byte(row.town);
    if (!name) {
      report.line(file_label, row.line_no, "town-area name has no double-byte form");
      continue;
    }
    auto [it, inserted] = by_jis.try_emplace(row.jis);
    City& city = it->second;
    if (inserted) {
      city.jis = row.jis;
      const CityName split = split_city_name(row.city);
      city.name1 = split.name1;
      city.name2 = split.name2;
      pref_names.try_emplace(row.jis.substr(0, 2), row.pref);
    } else if (split_city_name(row.city) != CityName{city.name1, city.name2}) {
      report.line(
          file_label, row.line_no,
          "municipality name differs from the first row of its code: " + text::to_utf8(row.city));
    }
    TownArea town;
    town.code = row.code;
    town.initial = reading_initial(row.reading);
    town.attributes = town_attributes(*name);
    town.name = std::move(*name);
    town.reading = row.reading;
    town.old_code = row.old_code;
    town.line_no = row.line_no;
    city.towns.push_back(std::move(town));
  }

  data.prefs.assign(1, Prefecture{});
  std::map<std::string, int> pref_index;
  for (const auto& [prefix, name] : pref_names) {
    pref_index[prefix] = static_cast<int>(data.prefs.size());
    data.prefs.push_back({name, 0});
  }
  data.cities.assign(1, City{});
  for (auto& [jis, city] : by_jis) {
    city.pref = pref_index[jis.substr(0, 2)];
    order_town_areas(city.towns);
    city.kind = city_kind(city.towns);
    Prefecture& pref = data.prefs[city.pref];
    if (pref.first_city == 0) pref.first_city = static_cast<int>(data.cities.size());
    data.cities.push_back(std::move(city));
  }

  const int pref_count = static_cast<int>(data.prefs.size()) - 1;
  const int city_count = static_cast<int>(data.cities.size()) - 1;
  if (pref_count > kMaxPrefectures) {
    report.fatal(std::to_string(pref_count) + " prefectures, at most 50 fit");
  }
  if (city_count > kMaxCities) {
    report.fatal(std::to_string(city_count) + " municipalities, at most 4000 fit");
  }
  if (city_count == 0) report.fatal("no town area could be read");
}

}  // namespace kovari::mkdata
