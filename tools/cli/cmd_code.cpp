// kovari-cli code [--data DIR] [--hyphen] [--line-buffered] [CODE ...]: looks up each code (or
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
#include "code_entry/code_entry.h"
#include "session/convert_code.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::cli {
namespace {

// The code window's messages for a missing and a malformed code.
using code_entry::kMsgBadCode;
using code_entry::kMsgNoCode;

class CodeLookup {
 public:
  CodeLookup(Session& session, Host& host, bool hyphen, Output& out)
      : session_(session), host_(host), hyphen_(hyphen), out_(out) {}

  void lookup(std::string_view input) {
    std::u16string digits;
    for (char16_t c : text::to_narrow(utf16(input))) {
      if (c >= u'0' && c <= u'9') digits += c;
    }
    if (digits.empty()) {
      print(digits, {},
            input.find_first_not_of(" \t\r") == std::string_view::npos ? kMsgNoCode : kMsgBadCode);
    } else if (digits.size() > 7) {
      print(digits, {}, kMsgBadCode);
    } else {
      lookup_code(digits);
    }
  }

 private:
  struct Fields {
    std::u16string_view address, pobox, office;
  };

  // Seven digits: the code's results (one line with the message when it has
  // none); fewer: the codes that begin with them.
  void lookup_code(const std::u16string& digits) {
    const CodeOutcome& found =
        convert_code(session_, host_, digits, CallerMode::kClipboard, buffers_);
    if (found.result == code_search::SearchOutcome::Single) {
      print(digits, {found.address, found.pobox, found.office}, found.message);
      return;
    }
    const bool prefix = found.result == code_search::SearchOutcome::PrefixList;
    const std::vector<result_list::ResultRow>& rows =
        prefix ? found.prefix_list.rows : found.results;
    // A prefix whose codes yield no address lists nothing.
    if (rows.empty() && !prefix) {
      print(digits, {}, found.message);
      return;
    }
    for (const result_list::ResultRow& row : rows) {
      print(row.code, {row.address, row.pobox, row.office}, found.message);
    }
  }

  void print(std::u16string_view code, const Fields& fields, std::u16string_view message) {
    std::u16string shown(code);
    if (hyphen_ && shown.size() == 7) shown.insert(3, u"-");
    out_ << shown << '\t' << fields.address << '\t' << fields.pobox << '\t' << fields.office << '\t'
         << message << '\n';
  }

  Session& session_;
  Host& host_;
  bool hyphen_;
  Output& out_;
  CodeBuffers buffers_;  // their room kept from one code to the next
};

}  // namespace

int cmd_code(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const bool hyphen = args.flag("hyphen");
  Output out(args);
  const std::vector<std::string> codes = positional_arguments(args);
  if (!args.finish("code")) return 2;

  CliHost host;
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  CodeLookup lookup(session, host, hyphen, out);
  for_each_input(codes, [&](std::string_view code) {
    // A blank line of standard input is no code; an argument is always looked up.
    if (codes.empty() && code.find_first_not_of(" \t") == std::string_view::npos) return;
    lookup.lookup(code);
    out.end_answer();
  });
  return 0;
}

}  // namespace kovari::cli
