#include "code_search/code_entry.h"

#include "text/vb.h"

namespace kovari::code_search {

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
  conversion.fields.text3 = message;
  conversion.state = CodeWindowState::Input;
  conversion.focus = CodeWindowFocus::Text1;
  return conversion;
}

std::vector<CodeResult> listed_results(const CodeSearchState& state) {
  std::vector<CodeResult> results;
  for (int n = 1; n <= state.res_count[1] && n <= kMaxResults; ++n) {
    results.push_back({state.res_address[1][n], state.res_pobox[1][n], state.res_office[1][n]});
  }
  return results;
}

}  // namespace

CodeConversion convert_typed_code(const SearchContext& ctx, const CodeWindowFields& fields) {
  CodeConversion conversion;
  conversion.fields = fields;
  CodeWindowFields& f = conversion.fields;
  f.text3 = kMsgEnterCode;
  if (text::trim_view(f.text1).empty()) return input_error(std::move(conversion), kMsgNoCode);
  f.text1 = narrow_code_input(f.text1);
  if (!is_number(f.text1)) {
    f.text1 = text::Replace(f.text1, u"-", u"");
    if (!is_number(f.text1)) return input_error(std::move(conversion), kMsgBadCode);
  }
  const int length = text::Len(text::trim_view(f.text1));
  if (length > kCodeLength) return input_error(std::move(conversion), kMsgBadCode);

  // The search starts from the fields as the window shows them (the message
  // line already reset, so a prefix list never shows an earlier message) and
  // gives them back.
  CodeSearchState state;
  state.in_code = f.text1;
  state.out_address = f.text2;
  state.status_msg = f.text3;
  state.out_pobox = f.text4;
  state.out_office = f.text5;
  const SearchOutcome outcome =
      length == kCodeLength ? sertch_kovari1(ctx, state) : sertch_kovari2(ctx, state);
  f = {state.in_code, state.out_address, state.status_msg, state.out_pobox, state.out_office};

  switch (outcome) {
    case SearchOutcome::Single:
      conversion.state = CodeWindowState::Result;
      conversion.focus = CodeWindowFocus::Command3;
      break;
    case SearchOutcome::Several:
      conversion.state = CodeWindowState::Choice;
      conversion.focus = CodeWindowFocus::List1;
      conversion.results = listed_results(state);
      break;
    case SearchOutcome::PrefixList:
      conversion.prefix_hits = prefix_hits(state);
      break;
    case SearchOutcome::NotFound:
      break;
  }
  return conversion;
}

std::vector<std::u16string> result_rows(const std::vector<CodeResult>& results) {
  std::vector<std::u16string> rows;
  for (const CodeResult& result : results) {
    rows.push_back(result.office.empty() ? result.address
                                         : result.address + u"　　" + result.office);
  }
  return rows;
}

std::optional<CodeConversion> choose_result(const std::vector<CodeResult>& results, int row,
                                            const CodeWindowFields& fields) {
  if (row < 0 || row >= static_cast<int>(results.size())) return std::nullopt;
  const CodeResult& chosen = results[static_cast<std::size_t>(row)];
  CodeConversion conversion;
  conversion.fields = fields;
  conversion.fields.text2 = chosen.address;
  conversion.fields.text3 = kMsgResultShown;
  conversion.fields.text4 = chosen.pobox;
  conversion.fields.text5 = chosen.office;
  conversion.state = CodeWindowState::Result;
  conversion.focus = CodeWindowFocus::Command5;
  return conversion;
}

}  // namespace kovari::code_search
