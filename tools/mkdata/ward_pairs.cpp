#include "ward_pairs.h"

#include <algorithm>
#include <map>

#include "city_split.h"
#include "postaldb/fixed_tables.h"

namespace kovari::mkdata {

namespace {

constexpr std::u16string_view kTokyo = u"東京都";

// Position of a designated city in the program's group order.
std::size_t group_order(std::u16string_view city) {
  const auto& cities = postaldb::kDesignatedCities;
  return std::find_if(cities.begin(), cities.end(),
                      [&](const postaldb::DesignatedCity& d) { return d.city == city; }) -
         cities.begin();
}

}  // namespace

std::vector<WardPair> build_ward_pairs(const PostalData& data, Report& report) {
  std::vector<WardPair> tokyo, designated;
  std::map<std::u16string, int> ward_uses;
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    const City& city = data.cities[c];
    if (data.prefs[city.pref].name == kTokyo && city.name2.empty() && city.name1.ends_with(u'区')) {
      tokyo.push_back({std::u16string(kTokyo), city.name1});
      ++ward_uses[city.name1];
    } else if (is_designated_city(city.name1) && !city.name2.empty()) {
      designated.push_back({city.name1, city.name2});
      ++ward_uses[city.name2];
    }
  }
  std::stable_sort(designated.begin(), designated.end(), [](const WardPair& a, const WardPair& b) {
    return group_order(a.first) < group_order(b.first);
  });
  std::vector<WardPair> pairs = std::move(tokyo);
  int shared = 0;
  for (WardPair& pair : designated) {
    if (ward_uses[pair.second] > 1) {
      ++shared;
    } else {
      pairs.push_back(std::move(pair));
    }
  }
  if (shared > 0) {
    report.note(std::to_string(shared) + " designated-city wards with a shared name have no pair");
  }
  return pairs;
}

}  // namespace kovari::mkdata
