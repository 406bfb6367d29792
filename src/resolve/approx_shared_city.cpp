// A city name that several prefectures have, typed without its prefecture
// (伊達市下川原 of 福島県, 府中市府川町 of 広島県): the city of the first
// prefecture is taken as written; where that gives only its catch-all (or
// nothing), the prefecture whose city holds the typed town area, when exactly
// one does. Not where a ward, town or village of the city settled the
// municipality.
#include <vector>

#include "decompose/decomposition.h"
#include "resolve/approx_rules.h"
#include "resolve/level_rules.h"
#include "resolve/name_form.h"
#include "resolve/resolve_address.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

std::optional<LevelCompletion> complete_prefecture_of_city(const Attempt& base,
                                                           const ResolveContext& ctx) {
  const postaldb::PostalTables& t = ctx.db.tables;
  const auto& copy = base.d.slot[1].addr_part_copy;
  // Only a city that is the municipality itself: a ward/town found in it
  // (安芸郡東洋町) has already told the prefecture.
  if (!text::trim_view(copy[decompose::kPref]).empty() || base.st.found_town != 0) {
    return std::nullopt;
  }
  const std::u16string city = comparison_form(text::to_wide(text::Trim(copy[decompose::kCity])));
  if (city.empty() || !comparison_form(base.d.addr_text).starts_with(city)) return std::nullopt;

  std::vector<LevelCandidate> prefectures;
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  for (int p = 1; p <= prefs; ++p) {
    const CityRows rows = prefecture_city_rows(t, p);
    for (int r = rows.first; r <= rows.last; ++r) {
      if (!has_comparison_form(text::trim_view(t.city_name1[r]), city)) continue;
      const std::u16string pref(text::trim_view(t.pref_name[p]));
      prefectures.push_back({pref + base.d.addr_text, pref, u"", p});
      break;
    }
  }
  if (prefectures.size() < 2) return std::nullopt;
  return completion_holding_town_area(base, prefectures, ctx,
                                      {level_unknown(kListPref), kListPref});
}

}  // namespace kovari::resolve
