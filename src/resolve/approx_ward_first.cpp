// Addresses that begin with a ward, as lists kept within one city write them
// (左京区田中西大久保町36番地): the ward completes its city when only one city
// has it; a ward that several cities have (北区, 中央区) completes the city
// whose ward holds the typed town area, when exactly one does.
#include <vector>

#include "decompose/decomposition.h"
#include "resolve/approx_rules.h"
#include "resolve/level_rules.h"
#include "resolve/name_form.h"
#include "resolve/resolve_address.h"
#include "resolve/resolve_walk.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kCity, decompose::kPref, decompose::kWardTown;
namespace {

// The ward the text begins with (in its comparison form), as decomposition
// took it without a prefecture: as the first municipal level (a 区 alone ends
// one) or the second.
std::u16string typed_ward(const decompose::Decomposition& d) {
  const auto& copy = d.slot[1].addr_part_copy;
  if (!text::trim_view(copy[kPref]).empty()) return {};
  const std::u16string city = text::to_wide(text::Trim(copy[kCity]));
  const std::u16string ward = text::to_wide(text::Trim(copy[kWardTown]));
  const std::u16string typed = comparison_form(city.empty() ? ward : ward.empty() ? city : ward);
  if (!typed.ends_with(u"区") || !comparison_form(d.addr_text).starts_with(typed)) return {};
  return typed;
}

// The cities with the ward, the text with each written in: the designated
// cities whose row names it, and Tokyo when the ward is one of its wards.
std::vector<LevelCandidate> cities_with_ward(std::u16string_view ward, std::u16string_view text,
                                             const postaldb::PostalTables& t) {
  std::vector<LevelCandidate> cities;
  for (int r = 1; r <= city_row_count(t); ++r) {
    const std::u16string_view city = text::trim_view(t.city_name1[r]);
    const std::u16string_view name = text::trim_view(t.city_name2[r]);
    const bool designated = !city.empty() && has_comparison_form(name, ward);
    const bool tokyo_ward = name.empty() && has_comparison_form(city, ward);
    if (!designated && !tokyo_ward) continue;
    const int pref = prefecture_of_row(t, r);
    if (pref == 0) continue;
    std::u16string completed(text::trim_view(t.pref_name[pref]));
    if (designated) completed += city;
    completed += text;
    cities.push_back({std::move(completed), t.city_name2[r], t.city_name1[r], r});
  }
  return cities;
}

}  // namespace

std::optional<LevelCompletion> complete_city_of_ward(const Attempt& base,
                                                     const ResolveContext& ctx) {
  const std::u16string ward = typed_ward(base.d);
  if (ward.empty()) return std::nullopt;
  const std::vector<LevelCandidate> cities =
      cities_with_ward(ward, base.d.addr_text, ctx.db.tables);
  if (cities.size() == 1) return LevelCompletion{resolve_text(cities[0].text, ctx, true)};
  return completion_holding_town_area(base, cities, ctx, {kMsgTownAmbiguous, kListTown});
}

}  // namespace kovari::resolve
