#include "old_codes.h"

#include <array>
#include <cstdio>
#include <map>

namespace kovari::mkdata {

std::optional<std::string> old_code_key(std::u16string_view old_code) {
  std::string digits;
  for (char16_t c : old_code) {
    if (c == u' ') continue;
    if (c < u'0' || c > u'9') return std::nullopt;
    digits += static_cast<char>(c);
  }
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  const int value = std::stoi(digits);
  char key[16];
  if (value >= 1000) {
    std::snprintf(key, sizeof key, "%05d", value);
  } else {
    std::snprintf(key, sizeof key, "%03d00", value);
  }
  return std::string(key);
}

namespace {

using Levels = std::array<std::u16string, 3>;  // prefecture, city, ward or town

// Keeps the levels a and b share, from the top.
void keep_common(Levels& a, const Levels& b) {
  bool same = true;
  for (std::size_t i = 0; i < a.size(); ++i) {
    same = same && a[i] == b[i];
    if (!same) a[i].clear();
  }
}

}  // namespace

std::vector<OldCode> build_old_codes(const PostalData& data, Report& report) {
  std::map<std::string, Levels> by_key;
  int unusable = 0;
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    const City& city = data.cities[c];
    const Levels levels = {data.prefs[city.pref].name, city.name1, city.name2};
    for (const TownArea& town : city.towns) {
      const std::optional<std::string> key = old_code_key(town.old_code);
      if (!key) {
        ++unusable;
        continue;
      }
      auto [it, inserted] = by_key.try_emplace(*key, levels);
      if (!inserted) keep_common(it->second, levels);
    }
  }
  if (unusable > 0) {
    report.note(std::to_string(unusable) + " town areas without a usable old code");
  }
  std::vector<OldCode> codes;
  codes.reserve(by_key.size());
  for (const auto& [key, levels] : by_key) {
    codes.push_back({key, levels[0] + u"／" + levels[1] + u"／" + levels[2]});
  }
  return codes;
}

}  // namespace kovari::mkdata
