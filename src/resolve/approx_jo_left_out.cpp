// Sapporo's 条 left out and its 丁目 written as a number, as people type them
// (北１６西２－１－１ for 北十六条西２丁目, 月寒東３－１８－１－７２ for 月寒東三条
// １８丁目): in a municipality with 条 town areas, the town area is written as
// the record whose name, with its 条 number in digits and without 条, the
// typed text begins with; only where one town area fits so.
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

// 北十六条西 -> 北１６西, 月寒東三条 -> 月寒東３.
std::optional<std::u16string> jo_as_digits(std::u16string_view name) {
  const std::size_t jo = name.find(u'条');
  if (jo == std::u16string_view::npos) return std::nullopt;
  std::size_t start = jo;
  while (start > 0 && is_kanji_numeral(name[start - 1])) --start;
  const std::optional<int> value = kanji_numeral_value(name.substr(start, jo - start));
  // A name that is its number alone (一条 of 深川市) leaves nothing of the name
  // to type: block numbers alone are no such address.
  if (!value || (start == 0 && jo + 1 == name.size())) return std::nullopt;
  std::u16string form(name.substr(0, start));
  form += wide_digits(*value);
  form += name.substr(jo + 1);
  return form;
}

// A number that ends the form is whole (月寒東３, not the start of ３１); the
// 丁目 number or the hyphen before it follows.
bool chome_follows(std::u16string_view form, std::u16string_view rest) {
  if (rest.empty()) return true;
  if (is_any_digit(form.back())) return rest.front() == u'－';
  return is_any_digit(rest.front());
}

}  // namespace

std::optional<std::u16string> jo_restored(const TownAreaView& view) {
  const std::optional<NameFit> fit = fitting_name(view, jo_as_digits, chome_follows);
  if (!fit) return std::nullopt;
  std::u16string_view rest = std::u16string_view(view.typed_town).substr(fit->typed_length);
  if (rest.starts_with(u'－')) rest.remove_prefix(1);  // the hyphen that stood for 条
  return view.before_town + fit->name + std::u16string(rest);
}

}  // namespace kovari::resolve
