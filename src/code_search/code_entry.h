// What CodeToAddressWindow decides: from the code typed into its code field
// to what each of its fields shows and which state follows (input, result,
// choice among several results, or the prefix list in the result-list
// window), and the choice of a row of its list. The window shows the values;
// the copy to the clipboard is clipboard::result_line of its fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code_search/code_search.h"

namespace kovari::code_search {

inline constexpr std::u16string_view kMsgEnterCode = u"郵便番号を入力して下さい。";
inline constexpr std::u16string_view kMsgNoCode = u"郵便番号が入力されていません。省略できません。";
inline constexpr std::u16string_view kMsgBadCode =
    u"郵便番号の入力エラーです。郵便番号は数字７桁以内です。";

// The texts of the window's fields: code, address, message line,
// post-office box, office name.
struct CodeWindowFields {
  std::u16string text1;
  std::u16string text2;
  std::u16string text3;
  std::u16string text4;
  std::u16string text5;
};

enum class CodeWindowState {
  Input,   // the code field active, the result fields disabled
  Result,  // one result: the address fields editable, the copy button shown
  Choice,  // several results listed in List1, the result fields hidden
};

// The control that takes the focus.
enum class CodeWindowFocus { Text1, Command3, Command5, List1 };

// One result of a code: what Text2, Text4 and Text5 show when it is chosen.
struct CodeResult {
  std::u16string address;
  std::u16string pobox;
  std::u16string office;
};

struct CodeConversion {
  CodeWindowFields fields;
  CodeWindowState state = CodeWindowState::Input;
  CodeWindowFocus focus = CodeWindowFocus::Text1;
  // Choice: the results behind the rows of List1, in list order.
  std::vector<CodeResult> results;
  // When set, the result-list window opens on the prefix search's hits (the
  // town-area record offsets of its mode 1); the code window stays in input.
  std::optional<std::vector<std::int32_t>> prefix_hits;
};

// Convert (Command3): checks the typed code (`fields.text1`) and runs the
// exact lookup of a 7-digit code or the prefix search of a shorter one with
// ctx (its options say whether Check1, the prefix fallback, is ticked). The
// other fields go into the search as they stand, as the window shows them.
CodeConversion convert_typed_code(const SearchContext& ctx, const CodeWindowFields& fields);

// The rows of List1: each result's address, followed by two full-width
// blanks and the office name when it has one.
std::vector<std::u16string> result_rows(const std::vector<CodeResult>& results);

// Choosing row `row` (0-based) of List1 by double click or Enter: the fields
// show that result, the window moves to its result state with the focus on
// the copy button. Nothing when the row does not exist.
std::optional<CodeConversion> choose_result(const std::vector<CodeResult>& results, int row,
                                            const CodeWindowFields& fields);

}  // namespace kovari::code_search
