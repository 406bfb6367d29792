// Narrowing the search-result list by a text (set_list21, set_list51): the
// rows whose address contains the text, where "*", "?", "#" and bracketed
// character lists typed in it are wildcards.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "result_list/result_list.h"
#include "settings/settings.h"

namespace kovari::result_list {

// A narrowing text as the list matches it.
struct NarrowingText {
  // What the text field shows afterwards: the typed text trimmed and widened
  // to full-width form, the wildcard characters left as typed.
  std::u16string field_text;
  // The wildcard pattern an address must match: "*" + text + "*", where "#"
  // stands for one digit, half- or full-width (addresses write theirs in
  // full width).
  std::u16string pattern;
};

// Nothing for a text that is empty once trimmed (the field keeps the focus).
std::optional<NarrowingText> narrowing_text(std::u16string_view typed);

// set_list21 (modes 1 to 3): the catch-all town area first when the list has
// one, then every other row whose address matches; headers recomputed among
// the rows listed.
std::vector<ResultRow> set_list21(const ResultList& list, std::u16string_view pattern,
                                  const settings::Settings& settings);

// set_list51 (mode 4): every row whose address matches.
std::vector<ResultRow> set_list51(const ResultList& list, std::u16string_view pattern,
                                  const settings::Settings& settings);

// Enter in the narrowing field: the narrowed rows by the mode's rule (column 1
// of the result table), or nothing for an empty text.
struct NarrowedList {
  std::u16string field_text;
  std::vector<ResultRow> rows;
};
std::optional<NarrowedList> narrow_list(const ResultList& list, std::u16string_view typed,
                                        const settings::Settings& settings);

}  // namespace kovari::result_list
