// Whether one condition of a town-area record fits the decomposed address,
// and the codes of the catch-all conditions met on the way ("その他",
// "次のビル", "階層不明", "大字"), which decide when no condition fits.
#pragma once

#include <string>
#include <string_view>

#include "resolve/condition_address.h"
#include "resolve/condition_names.h"
#include "resolve/refine_items.h"

namespace kovari::resolve {

class ConditionExamination {
 public:
  // town_text is the town area with its Kyoto direction or 字 text; address
  // and kanji_num must outlive the examination.
  ConditionExamination(bool kyoto_mode, std::u16string town_text, const ConditionAddress& address,
                       const KanjiNumerals& kanji_num);

  // True when the item's condition admits the address.
  bool fits(const ConditionItem& item);

  const std::u16string& town_text() const { return town_text_; }
  const std::u16string& other_code() const { return other_code_; }
  const std::u16string& next_building_code() const { return next_building_code_; }
  const std::u16string& no_floor_code() const { return no_floor_code_; }
  const std::u16string& oaza_code() const { return oaza_code_; }

 private:
  bool fits_range(const ConditionItem& item, std::u16string_view c, const ConditionMarks& m) const;
  bool fits_pair(std::u16string_view c, const ConditionMarks& m) const;
  bool fits_chome_pair(std::u16string_view c, const ConditionMarks& m) const;
  bool fits_unnumbered(const ConditionItem& item, std::u16string_view c) const;
  bool fits_numbered(std::u16string_view c, const ConditionMarks& m) const;
  void remember_codes(const ConditionItem& item, const ConditionMarks& m);

  bool kyoto_mode_;
  std::u16string town_text_;
  const ConditionAddress& a_;
  const KanjiNumerals& kanji_num_;
  // The text before a condition's first number; kept from the previous
  // condition where a condition does not set it ("その他", Kyoto).
  std::u16string prefix_;
  bool town_fits_ = false;  // the town text begins with the name and prefix
  std::u16string other_code_, next_building_code_, no_floor_code_, oaza_code_;
};

}  // namespace kovari::resolve
