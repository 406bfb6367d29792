// kovari-cli decompose [--data DIR] [--line-buffered] [ADDRESS ...]: decomposes each address (or
// each line of standard input when none is given) and prints one
// tab-separated line: the nine parts joined by commas, the normalised address,
// "ok" when a building of the building table decided the code, and that code.
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "decompose/decomposition.h"

namespace kovari::cli {
namespace {

// A fresh result per address: a building code leaves result_parts as it was,
// which here is empty rather than the previous address's parts.
void print_decomposition(std::string_view address, const postaldb::PostalTables& tables,
                         const decompose::DecomposeOptions& options, Output& out) {
  decompose::Decomposition d;
  d.addr_text = utf16(address);
  decompose::decompose_address(d, tables, options);
  const bool building = d.decomp_status == decompose::DecompStatus::kBuilding;
  out << d.result_parts << '\t' << d.addr_text << '\t' << (building ? "ok" : "") << '\t'
      << d.result_code << '\n';
  out.end_answer();
}

}  // namespace

int cmd_decompose(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  Output out(args);
  const std::vector<std::string> addresses = positional_arguments(args);
  if (!args.finish("decompose")) return 2;

  CliHost host;
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  const decompose::DecomposeOptions options{session.settings.flag(settings::Flag::kApproximate), 0};

  for_each_input(addresses, [&](std::string_view address) {
    print_decomposition(address, session.db.tables, options, out);
  });
  return 0;
}

}  // namespace kovari::cli
