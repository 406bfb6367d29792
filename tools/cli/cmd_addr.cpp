// kovari-cli addr [--data DIR] [--fuzzy] [--detail-pass] [--hyphen]
// [--line-buffered] [ADDRESS ...]:
// converts each address (or each line of standard input when none is given)
// to its postal code as the clipboard converter does, and prints one
// tab-separated line per input: the code, the message, the decomposed parts
// and the input as given. Each line is converted as soon as it is read; the
// output is written at the end (or per line with --line-buffered).
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "session/convert_address.h"
#include "text/format.h"

namespace kovari::cli {

int cmd_addr(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const bool fuzzy = args.flag("fuzzy");
  const bool detail_pass = args.flag("detail-pass");
  const bool hyphen = args.flag("hyphen");
  Output out(args);
  const std::vector<std::string> addresses = positional_arguments(args);
  if (!args.finish("addr")) return 2;

  CliHost host;
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  settings::Settings& settings = session.settings;
  if (fuzzy) settings.set_flag(settings::Flag::kApproximate, 1);
  if (detail_pass) settings.set_flag(settings::Flag::kDetailPass, 1);
  if (hyphen) settings.set_flag(settings::Flag::kHyphen, 1);

  for_each_input(addresses, [&](std::string_view address) {
    const AddressOutcome outcome =
        convert_address(session, host, utf16(address), CallerMode::kClipboard);
    std::u16string code = outcome.code;
    if (!code.empty() && settings.flag(settings::Flag::kHyphen) == 1) {
      code = text::Format(code, u"000-0000");
    }
    out << code << '\t' << outcome.message << '\t' << outcome.parts << '\t' << address << '\n';
    out.end_answer();
  });
  return 0;
}

}  // namespace kovari::cli
