// kovari-cli code [--data DIR] [--hyphen] [CODE ...]: looks up each code (or
// each line of standard input when none is given) as the clipboard converter
// does, without prompts, and prints one tab-separated line per result: code,
// address, post-office box, office name, message. A code with no result gives
// one line with empty address fields and the message. A code of fewer than 7
// digits lists the codes that begin with it (code and address). Only the
// digits of an input count ("〒100-0001" is 1000001).
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "code_search/code_search.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::cli {
namespace {

constexpr std::u16string_view kMsgEmpty = u"郵便番号が入力されていません。省略できません。";
constexpr std::u16string_view kMsgTooLong =
    u"郵便番号の入力エラーです。郵便番号は数字７桁以内です。";

class CodeLookup {
 public:
  CodeLookup(const postaldb::PostalDb& db, const settings::Settings& settings, Host& host,
             bool hyphen)
      : db_(db),
        context_{db, settings, host, {code_search::CallerMode::Clipboard}},
        hyphen_(hyphen) {}

  void lookup(std::string_view input) {
    std::u16string digits;
    for (char16_t c : text::to_narrow(utf16(input))) {
      if (c >= u'0' && c <= u'9') digits += c;
    }
    state_.in_code = digits;
    state_.status_msg.clear();
    if (digits.empty()) {
      print(digits, {},
            input.find_first_not_of(" \t\r") == std::string_view::npos ? kMsgEmpty : kMsgTooLong);
    } else if (digits.size() > 7) {
      print(digits, {}, kMsgTooLong);
    } else if (digits.size() == 7) {
      lookup_exact(digits);
    } else {
      lookup_prefix(digits);
    }
  }

 private:
  struct Fields {
    std::u16string_view address, pobox, office;
  };

  void lookup_exact(const std::u16string& code) {
    code_search::sertch_kovari1(context_, state_);
    if (state_.res_count[1] == 0) {
      print(code, {}, state_.status_msg);
      return;
    }
    for (int n = 1; n <= state_.res_count[1]; ++n) {
      print(code, {state_.res_address[1][n], state_.res_pobox[1][n], state_.res_office[1][n]},
            state_.status_msg);
    }
  }

  void lookup_prefix(const std::u16string& code) {
    if (code_search::sertch_kovari2(context_, state_) != code_search::SearchOutcome::PrefixList) {
      print(code, {}, state_.status_msg);
      return;
    }
    for (const code_search::PrefixRow& row : code_search::list_prefix_hits(db_, state_)) {
      print(row.code, {row.address, u"", u""}, state_.status_msg);
    }
  }

  void print(std::u16string_view code, const Fields& fields, std::u16string_view message) {
    std::u16string shown(code);
    if (hyphen_ && shown.size() == 7) shown.insert(3, u"-");
    std::cout << utf8(shown) << '\t' << utf8(fields.address) << '\t' << utf8(fields.pobox) << '\t'
              << utf8(fields.office) << '\t' << utf8(message) << '\n';
  }

  const postaldb::PostalDb& db_;
  code_search::SearchContext context_;
  code_search::CodeSearchState state_;
  bool hyphen_;
};

}  // namespace

int cmd_code(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const bool hyphen = args.flag("hyphen");
  const std::vector<std::string> codes = positional_arguments(args);
  if (!args.finish("code")) return 2;

  CliHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  if (const int failed = load_data(folder, db, settings, host)) return failed;
  CodeLookup lookup(db, settings, host, hyphen);
  for_each_input(codes, [&](const std::string& code) {
    // A blank line of standard input is no code; an argument is always looked up.
    if (codes.empty() && code.find_first_not_of(" \t") == std::string::npos) return;
    lookup.lookup(code);
  });
  return 0;
}

}  // namespace kovari::cli
