#include "code_entry/code_entry.h"

#include <utility>

#include "clipboard/clip_copy.h"
#include "code_search/code_search.h"
#include "session/convert_code.h"
#include "text/vb.h"

namespace kovari::code_entry {

namespace {

constexpr int kCodeLength = 7;

// A code committed by an input method comes in full-width digits, with the
// full-width hyphen or the long-vowel mark that the minus key gives there:
// they stand for the digits and the hyphen the searches know.
std::u16string narrow_code_input(std::u16string_view typed) {
  std::u16string code(typed);
  for (char16_t& c : code) {
    if (c >= u'０' && c <= u'９') {
      c = static_cast<char16_t>(u'0' + (c - u'０'));
    } else if (c == u'－' || c == u'ー') {
      c = u'-';
    }
  }
  return code;
}

bool is_number(std::u16string_view code) { return text::IsNumeric(text::trim_view(code)); }

CodeConversion input_error(CodeConversion conversion, std::u16string_view message) {
  conversion.fields.message = message;
  conversion.state = CodeWindowState::Input;
  conversion.focus = CodeWindowFocus::Code;
  return conversion;
}

}  // namespace

CodeWindowControls controls_for(CodeWindowState state) {
  switch (state) {
    case CodeWindowState::Input:
      return {};
    case CodeWindowState::Result:
      return {.copy_visible = true, .result_enabled = true};
    case CodeWindowState::Choice:
      return {.convert_enabled = false, .result_visible = false, .list_visible = true};
  }
  return {};
}

CodeConversion input_state(const CodeWindowFields& fields) {
  CodeConversion conversion;
  conversion.fields = fields;
  conversion.fields.message = kMsgEnterCode;
  return conversion;
}

CodeConversion convert_typed_code(Session& session, Host& host, const CodeWindowFields& fields,
                                  const code_search::SearchOptions& options) {
  CodeConversion conversion = input_state(fields);
  CodeWindowFields& f = conversion.fields;
  if (text::trim_view(f.code).empty()) return input_error(std::move(conversion), kMsgNoCode);
  f.code = narrow_code_input(f.code);
  if (!is_number(f.code)) {
    f.code = text::Replace(f.code, u"-", u"");
    if (!is_number(f.code)) return input_error(std::move(conversion), kMsgBadCode);
  }
  if (text::Len(text::trim_view(f.code)) > kCodeLength) {
    return input_error(std::move(conversion), kMsgBadCode);
  }

  // The search starts from the fields as the window shows them (the message
  // line already reset, so a prefix list never shows an earlier message) and
  // gives them back.
  CodeOutcome found = convert_code(session, host, f.code, CallerMode::kWindow, options,
                                   {f.address, f.pobox, f.office, f.message});
  f = {std::move(found.code), std::move(found.address), std::move(found.message),
       std::move(found.pobox), std::move(found.office)};
  switch (found.result) {
    case code_search::SearchOutcome::Single:
      conversion.state = CodeWindowState::Result;
      conversion.focus = CodeWindowFocus::Convert;
      break;
    case code_search::SearchOutcome::Several:
      conversion.state = CodeWindowState::Choice;
      conversion.focus = CodeWindowFocus::List;
      conversion.results = std::move(found.results);
      break;
    case code_search::SearchOutcome::PrefixList:
      conversion.prefix_list = std::move(found.prefix_list);
      break;
    case code_search::SearchOutcome::NotFound:
      break;
  }
  return conversion;
}

std::optional<CodeConversion> choose_result(const std::vector<result_list::ResultRow>& results,
                                            int row, const CodeWindowFields& fields) {
  if (row < 0 || row >= static_cast<int>(results.size())) return std::nullopt;
  const result_list::ResultRow& chosen = results[static_cast<std::size_t>(row)];
  CodeConversion conversion;
  conversion.fields = fields;
  conversion.fields.address = chosen.address;
  conversion.fields.message = code_search::kMsgResultShown;
  conversion.fields.pobox = chosen.pobox;
  conversion.fields.office = chosen.office;
  conversion.state = CodeWindowState::Result;
  conversion.focus = CodeWindowFocus::Copy;
  return conversion;
}

std::optional<CodeConversion> copy_result(Session& session, Host& host,
                                          const CodeWindowFields& fields) {
  if (fields.address.empty()) return std::nullopt;
  const std::u16string line = clipboard::result_line(
      {fields.code, fields.address, fields.pobox, fields.office}, session.settings);
  clipboard::append_to_clipboard(host, session.clip_asked, line);
  return input_state(fields);
}

}  // namespace kovari::code_entry
