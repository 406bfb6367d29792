// What CodeToAddressWindow decides: from the code typed into its code field
// to what each of its fields shows and which state follows (input, result,
// choice among several results, or the prefix list in the result-list
// window), what its controls show in each state, the choice of a row of its
// list and the copy of its result to the clipboard. The window shows the
// values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code_search/search_context.h"
#include "host/host.h"
#include "result_list/result_list.h"
#include "session/session.h"

namespace kovari::code_entry {

inline constexpr std::u16string_view kMsgEnterCode = u"郵便番号を入力して下さい。";
inline constexpr std::u16string_view kMsgNoCode = u"郵便番号が入力されていません。省略できません。";
inline constexpr std::u16string_view kMsgBadCode =
    u"郵便番号の入力エラーです。郵便番号は数字７桁以内です。";

// The texts of the window's five fields.
struct CodeWindowFields {
  std::u16string code;     // the code typed
  std::u16string address;  // the address of the result
  std::u16string message;  // the message line
  std::u16string pobox;    // the post-office box of the result
  std::u16string office;   // the office name of the result
};

enum class CodeWindowState {
  Input,   // the code field active, the result fields disabled
  Result,  // one result: the address fields editable, the copy button shown
  Choice,  // several results listed, the result fields hidden
};

// What takes the focus.
enum class CodeWindowFocus {
  Code,     // the code field
  Convert,  // the convert button "変換"
  Copy,     // the copy button "変換結果をクリップボードに複写する"
  List,     // the list of several results
};

// What the window's controls show in a state.
struct CodeWindowControls {
  bool convert_enabled = true;  // the convert button "変換"
  bool copy_visible = false;    // the copy button
  bool result_visible = true;   // the address, post-office box and office fields and their labels
  bool result_enabled = false;  // the same fields editable
  bool list_visible = false;    // the list of several results
};
CodeWindowControls controls_for(CodeWindowState state);

struct CodeConversion {
  CodeWindowFields fields;
  CodeWindowState state = CodeWindowState::Input;
  CodeWindowFocus focus = CodeWindowFocus::Code;
  // Choice: the results behind the rows of the list, in list order; each
  // row's text is what the list shows.
  std::vector<result_list::ResultRow> results;
  // When set, the result-list window opens on this list (its mode 1); the
  // code window stays in input.
  std::optional<result_list::ResultList> prefix_list;
};

// Convert: checks the typed code (`fields.code`) and searches it as the code
// window does (convert_code in CallerMode::kWindow: the exact lookup of a
// 7-digit code, the prefix search of a shorter one) with the window's
// options (prefix_fallback: its "変換できない場合、前方一致検索する"). The
// other fields go into the search as the window shows them and keep what the
// search does not replace.
// The input state over `fields`: the message asks for a code and the code
// field takes the focus. The window opens in it, and returns to it when the
// code field is entered.
CodeConversion input_state(const CodeWindowFields& fields);

CodeConversion convert_typed_code(Session& session, Host& host, const CodeWindowFields& fields,
                                  const code_search::SearchOptions& options = {});

// Choosing row `row` (0-based) of the list by double click or Enter: the
// fields show that result, the window moves to its result state with the
// focus on the copy button. Nothing when the row does not exist.
std::optional<CodeConversion> choose_result(const std::vector<result_list::ResultRow>& results,
                                            int row, const CodeWindowFields& fields);

// The copy button: nothing while the address field is empty; otherwise the
// first-copy question of the run (clipboard::ask_first_copy), the result's
// line (code, address, post-office box, office name as the settings format
// them) appended to the clipboard's text, and the window back in its input
// state with the focus on the code field, ready for the next code.
std::optional<CodeConversion> copy_result(Session& session, Host& host,
                                          const CodeWindowFields& fields);

}  // namespace kovari::code_entry
