// The decomposed address as the bracketed conditions of town-area records read
// it, and the marker positions found in one condition text.
#pragma once

#include <string_view>

#include "decompose/decomposition.h"

namespace kovari::resolve {

// Parts of one decomposition slot, with the leading-number values of the
// 丁目, 番地 and 号 parts (p5, p6, p7). The views live as long as the slot.
struct ConditionAddress {
  std::u16string_view town;    // addr_part(4)
  std::u16string_view chome;   // addr_part(5)
  std::u16string_view banchi;  // addr_part(6)
  std::u16string_view go;      // addr_part(7)
  std::u16string_view floor;   // addr_part(9): floor or room number
  double p5 = 0;
  double p6 = 0;
  double p7 = 0;
};

ConditionAddress condition_address(const decompose::DecompositionSlot& slot);

// 1-based positions of the marks of one condition text, 0 when absent.
struct ConditionMarks {
  int tilde = 0;          // "~"
  int dash = 0;           // the first "-"
  int chome = 0;          // "丁目", else "地割"
  int banchi = 0;         // "番地", else "番"
  int go = 0;             // "号"
  int sen = 0;            // "線"
  int floor = 0;          // "階"
  int ku = 0;             // "区"
  int other = 0;          // "その他"
  int next_building = 0;  // "次のﾋﾞﾙ"
  int no_floor = 0;       // "階層不明"
  int at_least = 0;       // "以上"
  int at_most = 0;        // "以下"
  int oaza = 0;           // "大字"

  // Any mark that names a number (the first eight above).
  bool any_number_mark() const {
    return tilde + dash + chome + banchi + go + sen + floor + ku != 0;
  }
};

// Finds the range, pair, 丁目 and 番地 marks of a narrow condition text. A
// 丁目 condition followed by a number without 番 gets "番" appended to c so that
// the number after 丁目 reads as a 番地. In kyoto_mode 丁目 is not a mark.
ConditionMarks find_block_marks(std::u16string& c, bool kyoto_mode);

// Adds the remaining marks of c to m and drops marks that stand where they
// cannot follow a number (at the start, at the very end, after a non-digit).
void find_other_marks(std::u16string_view c, ConditionMarks& m);

}  // namespace kovari::resolve
