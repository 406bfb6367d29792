// kovari-cli addr [--data DIR] [--fuzzy] [--detail-pass] [--hyphen] [ADDRESS ...]:
// converts each address (or each line of standard input when none is given)
// to its postal code as the clipboard converter does, and prints one
// tab-separated line per input: the code, the message, the decomposed parts
// and the input as given. Lines are read and written one at a time.
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "text/format.h"

namespace kovari::cli {
namespace {

class AddressConverter {
 public:
  AddressConverter(const postaldb::PostalDb& db, const settings::Settings& settings, Host& host)
      : db_(db), flags_(settings.ctl_flg), host_(host), options_{flags_[4], 0} {
    state_.caller_mode = 0;
  }

  void convert(const std::string& address) {
    d_.addr_text = utf16(address);
    decompose::decompose_address(d_, db_.tables, options_);
    state_.result_msg.clear();
    state_.result_parts.clear();
    resolve::ResolveContext ctx{db_, flags_, {}, host_, u""};
    resolve::kaiseki_phase1(state_, d_, ctx);
    std::u16string code = state_.result_code;
    if (!code.empty() && flags_[3] == 1) code = text::Format(code, u"000-0000");
    std::cout << utf8(code) << '\t' << utf8(state_.result_msg) << '\t'
              << utf8(state_.result_parts) << '\t' << address << '\n';
  }

 private:
  const postaldb::PostalDb& db_;
  std::array<int, 17> flags_;
  Host& host_;
  decompose::DecomposeOptions options_;
  decompose::Decomposition d_;
  resolve::ResolveState state_;
};

}  // namespace

int cmd_addr(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const bool fuzzy = args.flag("fuzzy");
  const bool detail_pass = args.flag("detail-pass");
  const bool hyphen = args.flag("hyphen");
  const std::vector<std::string> addresses = positional_arguments(args);
  if (!args.finish("addr")) return 2;

  CliHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  if (const int failed = load_data(folder, db, settings, host)) return failed;
  if (fuzzy) settings.ctl_flg[4] = 1;
  if (detail_pass) settings.ctl_flg[10] = 1;
  if (hyphen) settings.ctl_flg[3] = 1;

  std::ios::sync_with_stdio(false);
  AddressConverter converter(db, settings, host);
  for_each_input(addresses, [&](const std::string& address) { converter.convert(address); });
  return 0;
}

}  // namespace kovari::cli
