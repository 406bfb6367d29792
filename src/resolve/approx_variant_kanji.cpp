// Variant kanji as input methods and CP932 files give them (塚 for 塚, 﨑 for
// 崎, 巿 for 市, 桒 for 桑) are folded to the data's forms, in the whole text:
// the markers of the levels (市 of 宝塚巿) are found only then. Should the data
// write a prefecture, city or ward/town name with a variant, the name is put
// back into the text as the data writes it.
#include "resolve/approx_rules.h"
#include "text/kanji_fold.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

// Puts `name` back where the folded text holds it folded.
void restore_data_spelling(std::u16string& text, std::u16string_view name) {
  const std::u16string_view trimmed = text::trim_view(name);
  if (!text::holds_kanji_variant(trimmed)) return;
  const std::u16string folded = text::fold_kanji_variants(trimmed);
  if (const std::size_t at = text.find(folded); at != std::u16string::npos) {
    text.replace(at, folded.size(), trimmed);
  }
}

}  // namespace

std::optional<std::u16string> fold_variant_kanji(std::u16string_view text,
                                                 const postaldb::PostalTables& tables) {
  if (!text::holds_kanji_variant(text)) return std::nullopt;
  std::u16string folded = text::fold_kanji_variants(text);
  for (const auto* names : {&tables.pref_name, &tables.city_name1, &tables.city_name2}) {
    for (const std::u16string& name : *names) restore_data_spelling(folded, name);
  }
  if (folded == text) return std::nullopt;
  return folded;
}

}  // namespace kovari::resolve
