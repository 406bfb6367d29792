// A prefecture typed without 都, 府 or 県 (岩手花巻市１２丁目７０４): where a
// city of the prefecture (or a ward, town or village) follows the shortened
// name, the suffix is added. Never where the text begins with such a name
// itself (京都市…, 福島市…), of which the shortened name is only the start.
#include "resolve/approx_rules.h"
#include "resolve/level_rules.h"
#include "resolve/resolve_address.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

// Whether the text begins with the name of a city of the rows, or of one of
// their wards, towns or villages.
bool begins_with_city_name(std::u16string_view text, const postaldb::PostalTables& t,
                           CityRows rows) {
  for (int r = rows.first; r <= rows.last; ++r) {
    for (const std::u16string* name : {&t.city_name1[r], &t.city_name2[r]}) {
      const std::u16string_view trimmed = text::trim_view(*name);
      if (!trimmed.empty() && text.starts_with(trimmed)) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::u16string> add_prefecture_suffix(const Attempt& base,
                                                    const postaldb::PostalTables& t) {
  if (base.st.found_pref != 0) return std::nullopt;
  const std::u16string_view text = base.d.addr_text;
  if (begins_with_city_name(text, t, {1, city_row_count(t)})) return std::nullopt;
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  for (int p = 1; p <= prefs; ++p) {
    const std::u16string_view name = text::trim_view(t.pref_name[p]);
    if (!name.ends_with(u"都") && !name.ends_with(u"府") && !name.ends_with(u"県")) continue;
    const std::u16string_view shortened = name.substr(0, name.size() - 1);
    if (shortened.empty() || !text.starts_with(shortened)) continue;
    const std::u16string_view rest = text.substr(shortened.size());
    if (!begins_with_city_name(rest, t, prefecture_city_rows(t, p))) continue;
    return std::u16string(name) + std::u16string(rest);
  }
  return std::nullopt;
}

}  // namespace kovari::resolve
