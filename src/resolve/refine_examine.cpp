#include "resolve/refine_examine.h"

#include <utility>

#include "decompose/block_numbers.h"
#include "decompose/normalize.h"
#include "resolve/condition_compound.h"
#include "resolve/condition_text.h"
#include "text/like.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using text::InStr;
using text::Trim;

namespace {

constexpr double kNoUpperBound = 99999;

bool within(double lo, double value, double hi) { return lo <= value && value <= hi; }

}  // namespace

ConditionExamination::ConditionExamination(bool kyoto_mode, std::u16string town_text,
                                           const ConditionAddress& address,
                                           const KanjiNumerals& kanji_num)
    : kyoto_mode_(kyoto_mode),
      town_text_(std::move(town_text)),
      a_(address),
      kanji_num_(kanji_num) {}

bool ConditionExamination::fits(const ConditionItem& item) {
  std::u16string c = item.condition;
  decompose::normalize_ke(c);
  c = text::to_narrow(c);
  const int other = InStr(c, u"その他");
  if (other == 0) {
    decompose::no_to_dash(c, InStr(c, u"の"));
    if (!kyoto_mode_) {
      prefix_.clear();
      split_condition_prefix(c, prefix_);
    }
  }

  ConditionMarks m = find_block_marks(c, kyoto_mode_);
  m.other = other;
  const CompoundVerdict compound = match_compound_condition(c, m, a_);
  if (compound == CompoundVerdict::kMatch) return true;
  if (match_north_south(c, a_)) return true;
  if (compound == CompoundVerdict::kMismatch) return false;

  find_other_marks(c, m);
  remember_codes(item, m);
  if (m.sen != 0 && match_sen_condition(item.name, c, prefix_, a_, kanji_num_)) return true;
  if (m.ku != 0 && match_ku_condition(item.name, c, a_, kanji_num_)) return true;

  // The prefix was cut from the narrowed condition; the town text is wide.
  const std::u16string pattern = Trim(item.name) + Trim(text::to_wide(prefix_)) + u"*";
  town_fits_ = text::Like(town_text_, pattern);
  if (m.tilde != 0 && town_fits_ && fits_range(item, c, m)) return true;
  if (m.dash != 0 && town_fits_ && fits_pair(c, m)) return true;
  if (fits_chome_pair(c, m)) return true;
  return m.any_number_mark() ? fits_numbered(c, m) : fits_unnumbered(item, c);
}

// "1~5丁目", "23~45番地", "1~8号", "3~12": the range holds the number of the
// level its mark names (a 丁目 range also holds a lone 番地 number).
bool ConditionExamination::fits_range(const ConditionItem& item, std::u16string_view c,
                                      const ConditionMarks& m) const {
  const double lo = number_before(c, m.tilde);
  const double hi = number_after(c, m.tilde);
  if (m.chome != 0) {
    if (lo != 0 && within(lo, a_.p5, hi)) return true;
    if (a_.p5 == 0 && a_.p6 != 0 && within(lo, a_.p6, hi)) return true;
  }
  if (m.banchi != 0 && lo != 0 && within(lo, a_.p6, hi)) return true;
  if (m.go != 0 && lo != 0 && within(lo, a_.p7, hi)) return true;
  if (m.chome == 0 && m.banchi == 0 && m.go == 0) {
    if (lo != 0 && within(lo, a_.p6, hi)) return true;
    return match_line_name_range(item.name, c, m.tilde, a_);
  }
  return false;
}

// "5-3": 番地 and 号, or 丁目 and 番地.
bool ConditionExamination::fits_pair(std::u16string_view c, const ConditionMarks& m) const {
  const double first = number_before(c, m.dash);
  const double second = number_after(c, m.dash);
  return (first == a_.p6 && second == a_.p7) || (first == a_.p5 && second == a_.p6);
}

// "3丁目5": 丁目 and 番地.
bool ConditionExamination::fits_chome_pair(std::u16string_view c, const ConditionMarks& m) const {
  if (m.chome == 0 || (m.banchi == 0 && a_.p6 == 0)) return false;
  return number_before(c, m.chome) == a_.p5 && number_after(c, m.chome, 2) == a_.p6;
}

// A condition without number marks: a single number, or a name that continues
// the town name ("大通", "丁目", "番地", "その他" ...).
bool ConditionExamination::fits_unnumbered(const ConditionItem& item, std::u16string_view c) const {
  if (c.empty()) return false;
  const double v = leading_number(c);
  if (v != 0) return town_fits_ && (v == a_.p5 || v == a_.p6);
  const std::u16string wide = Trim(text::to_wide(c));
  if (text::Like(town_text_, Trim(item.name) + wide + u"*")) return true;
  if (wide == u"丁目") return !a_.chome.empty() && a_.p5 != 0;
  if (wide == u"番地") return !a_.banchi.empty() && a_.p6 != 0;
  return false;
}

// A single number with its mark: a floor, a 丁目, a 番地 (with 以上/以下), a 号.
bool ConditionExamination::fits_numbered(std::u16string_view c, const ConditionMarks& m) const {
  const double v = leading_number(c);
  if (!c.empty() && v != 0 && !a_.floor.empty() && m.floor != 0) {
    return v == leading_number(a_.floor);
  }
  if (m.tilde != 0) return false;
  if (m.chome != 0 && m.banchi == 0) return number_before(c, m.chome) == a_.p5;
  if (m.chome == 0 && m.banchi != 0) {
    double lo = number_before(c, m.banchi), hi = lo;
    if (m.at_least != 0) hi = kNoUpperBound;
    if (m.at_most != 0) lo = 1;
    return within(lo, a_.p6, hi);
  }
  if (m.chome == 0 && m.banchi == 0 && m.go != 0) return number_before(c, m.go) == a_.p7;
  return false;
}

void ConditionExamination::remember_codes(const ConditionItem& item, const ConditionMarks& m) {
  if (m.other != 0) other_code_ = item.code;
  if (m.next_building != 0) next_building_code_ = item.code;
  if (m.no_floor != 0) no_floor_code_ = item.code;
  if (m.oaza != 0) oaza_code_ = item.code;
}

}  // namespace kovari::resolve
