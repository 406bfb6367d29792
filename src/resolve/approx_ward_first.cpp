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

// A city that has the ward: its row, and the text with the city written
// before the ward.
struct WardCity {
  int row = 0;
  std::u16string text;
};

// The cities with the ward: the designated cities whose row names it, and
// Tokyo when the ward is one of its wards.
std::vector<WardCity> cities_with_ward(std::u16string_view ward, std::u16string_view text,
                                       const postaldb::PostalTables& t) {
  std::vector<WardCity> cities;
  for (int r = 1; r <= city_row_count(t); ++r) {
    const std::u16string_view city = text::trim_view(t.city_name1[r]);
    const std::u16string_view name = text::trim_view(t.city_name2[r]);
    const bool designated = !city.empty() && comparison_form(name) == ward;
    const bool tokyo_ward = name.empty() && comparison_form(city) == ward;
    if (!designated && !tokyo_ward) continue;
    const int pref = prefecture_of_row(t, r);
    if (pref == 0) continue;
    std::u16string completed(text::trim_view(t.pref_name[pref]));
    if (designated) completed += city;
    completed += text;
    cities.push_back({r, std::move(completed)});
  }
  return cities;
}

// Several cities hold the town area: the window offers the ward of each
// (with its city); the other callers get the message that the prefecture and
// the city were left out.
Attempt choice_of_cities(const Attempt& base, const std::vector<int>& rows,
                         const ResolveContext& ctx) {
  const postaldb::PostalTables& t = ctx.db.tables;
  Attempt a;
  a.d = base.d;
  a.st.result_parts = base.st.result_parts;
  if (ctx.mode != CallerMode::kWindow) {
    a.st.result_msg = kMsgTownAmbiguous;
    return a;
  }
  a.st.list_kind = kListTown;
  for (const int r : rows) a.st.cand.add(t.city_name2[r], t.city_name1[r], r, kMaxCandidates);
  return a;
}

}  // namespace

std::optional<WardCompletion> complete_city_of_ward(const Attempt& base,
                                                    const ResolveContext& ctx) {
  const std::u16string ward = typed_ward(base.d);
  if (ward.empty()) return std::nullopt;
  const std::vector<WardCity> cities = cities_with_ward(ward, base.d.addr_text, ctx.db.tables);
  if (cities.size() == 1) return WardCompletion{resolve_text(cities[0].text, ctx, true)};

  std::vector<int> fitting;
  std::optional<Attempt> fit;
  for (const WardCity& city : cities) {
    Attempt a = resolve_text(city.text, ctx, true);
    if (!named(a)) continue;  // a catch-all, or a name that only begins the town area
    fitting.push_back(city.row);
    fit = std::move(a);
  }
  if (fitting.empty()) return std::nullopt;
  if (fitting.size() == 1) return WardCompletion{std::move(*fit)};
  return WardCompletion{choice_of_cities(base, fitting, ctx), true};
}

}  // namespace kovari::resolve
