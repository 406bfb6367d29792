#include "result_list/narrowing.h"

#include "text/like.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::result_list {

namespace {

// "#" of the pattern: one digit of either width.
constexpr std::u16string_view kAnyDigit = u"[0-9０-９]";

// Builds the field text and the pattern together: literal runs are widened
// (so that half-width katakana and their voiced marks join as they do in the
// addresses), the wildcard characters and the syntax of a bracketed list
// ("[", "]", a leading "!", "-") stay as typed.
class PatternBuilder {
 public:
  explicit PatternBuilder(std::u16string_view typed) {
    for (const char16_t c : typed) take(c);
    flush();
  }
  NarrowingText result() && { return {std::move(field_), u"*" + std::move(pattern_) + u"*"}; }

 private:
  void take(char16_t c) {
    const bool list_start = in_list_ && list_length_ == 0;
    if (in_list_) ++list_length_;
    if (!in_list_ && (c == u'*' || c == u'?' || c == u'#' || c == u'[')) {
      flush();
      field_ += c;
      pattern_ += c == u'#' ? kAnyDigit : std::u16string_view(&c, 1);
      in_list_ = c == u'[';
      list_length_ = 0;
    } else if (in_list_ && (c == u']' || c == u'-' || (c == u'!' && list_start))) {
      flush();
      field_ += c;
      pattern_ += c;
      in_list_ = c != u']';
    } else {
      literal_ += c;
    }
  }
  void flush() {
    const std::u16string wide = text::to_wide(literal_);
    field_ += wide;
    pattern_ += wide;
    literal_.clear();
  }

  std::u16string field_, pattern_, literal_;
  bool in_list_ = false;
  int list_length_ = 0;  // characters taken since the list's "["
};

bool matches(const ResultRow& row, std::u16string_view pattern) {
  return text::Like(row.address, pattern);
}

}  // namespace

std::optional<NarrowingText> narrowing_text(std::u16string_view typed) {
  const std::u16string_view trimmed = text::trim_view(typed);
  if (trimmed.empty()) return std::nullopt;
  return PatternBuilder(trimmed).result();
}

std::vector<ResultRow> set_list21(const ResultList& list, std::u16string_view pattern,
                                  const settings::Settings& settings) {
  std::vector<ResultRow> rows;
  const int below_row = list.below_row;
  const int count = static_cast<int>(list.rows.size());
  if (below_row >= 1 && below_row <= count) rows.push_back(list.rows[below_row - 1]);
  for (int n = 1; n <= count; ++n) {
    const ResultRow& row = list.rows[n - 1];
    if (n != below_row && matches(row, pattern)) rows.push_back(row);
  }
  lay_out_rows(rows, list.mode, settings);
  return rows;
}

std::vector<ResultRow> set_list51(const ResultList& list, std::u16string_view pattern,
                                  const settings::Settings& settings) {
  std::vector<ResultRow> rows;
  for (const ResultRow& row : list.rows) {
    if (matches(row, pattern)) rows.push_back(row);
  }
  lay_out_rows(rows, list.mode, settings);
  return rows;
}

std::optional<NarrowedList> narrow_list(const ResultList& list, std::u16string_view typed,
                                        const settings::Settings& settings) {
  std::optional<NarrowingText> narrowing = narrowing_text(typed);
  if (!narrowing) return std::nullopt;
  NarrowedList narrowed;
  narrowed.field_text = std::move(narrowing->field_text);
  narrowed.rows = list.mode == ListMode::TownName ? set_list51(list, narrowing->pattern, settings)
                                                  : set_list21(list, narrowing->pattern, settings);
  return narrowed;
}

}  // namespace kovari::result_list
