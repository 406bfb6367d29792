// What the town-area rules read: the records of the municipality the levels
// led to, and the typed text from the town area on; and the record name that
// the typed text begins with in another way of writing it.
#include "decompose/normalize.h"
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"
#include "resolve/name_form.h"
#include "resolve/resolve_address.h"
#include "resolve/town_records.h"

namespace kovari::resolve {
namespace {

// Whether a name written otherwise can begin the typed text at all: the other
// forms keep a name's first character, unless a number opens it (十二番丁 as
// １２番丁). Saves deriving the forms of every record.
bool same_opening(std::u16string_view typed, std::u16string_view name) {
  if (typed.empty() || name.empty()) return false;
  const auto numeral = [](char16_t c) { return is_any_digit(c) || is_kanji_numeral(c); };
  return typed.front() == name.front() || (numeral(typed.front()) && numeral(name.front()));
}

}  // namespace

std::optional<TownAreaView> town_area_view(const Attempt& base, const ResolveContext& ctx) {
  const ResolveState& st = base.st;
  const std::u16string& text = base.d.addr_text;
  if (st.town_first == 0 || st.town_first >= st.town_last || st.typed_town_at >= text.size()) {
    return std::nullopt;
  }
  TownAreaView view;
  view.before_town = text.substr(0, st.typed_town_at);
  view.typed_town = text.substr(st.typed_town_at);
  decompose::normalize_ke(view.typed_town);
  const TownRun& run =
      ctx.town_cache.run(ctx.db.main_file, ctx.db.tables, st.town_first, st.town_last);
  for (const TownRecord& rec : run.records) {
    if (!rec.has_below && !rec.has_next) view.records.push_back(&rec);
  }
  if (view.records.empty()) return std::nullopt;
  return view;
}

std::optional<NameFit> fitting_name(const TownAreaView& view, OtherForm other_form,
                                    Continues continues) {
  const std::u16string typed = comparison_form(view.typed_town);
  std::optional<NameFit> fit;
  bool tie = false;  // two names fit with forms of the same length
  for (const TownRecord* rec : view.records) {
    if (!same_opening(typed, rec->whole_fold())) continue;
    if (fit && fit->name == rec->whole()) continue;  // the same name with another condition
    const std::optional<std::u16string> form = other_form(rec->whole());
    if (!form || form->empty() || !typed.starts_with(comparison_form(*form))) continue;
    if (!continues(*form, std::u16string_view(typed).substr(form->size()))) continue;
    if (fit && form->size() < fit->typed_length) continue;
    tie = fit && form->size() == fit->typed_length;
    if (!tie) fit = NameFit{std::u16string(rec->whole()), form->size()};
  }
  if (tie || !fit) return std::nullopt;
  // A form that is itself a name of the municipality (山目 of 山目（向野）, beside
  // 山目町) is the name typed, not another way of writing one.
  const std::u16string form = typed.substr(0, fit->typed_length);
  for (const TownRecord* rec : view.records) {
    if (rec->whole_fold() == form || rec->base_fold() == form) return std::nullopt;
  }
  return fit;
}

std::optional<std::u16string> written_as_fitting_name(const TownAreaView& view,
                                                      OtherForm other_form, Continues continues) {
  const std::optional<NameFit> fit = fitting_name(view, other_form, continues);
  if (!fit) return std::nullopt;
  return view.before_town + fit->name + view.typed_town.substr(fit->typed_length);
}

}  // namespace kovari::resolve
