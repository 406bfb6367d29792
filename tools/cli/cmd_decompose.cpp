// kovari-cli decompose [--data DIR] [ADDRESS ...]: decomposes each address (or
// each line of standard input when none is given) and prints one
// tab-separated line: the nine parts joined by commas, the normalised address,
// the decomposition status and the building code.
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "decompose/decomposition.h"

namespace kovari::cli {
namespace {

// A fresh result per address: a building code leaves result_parts as it was,
// which here is empty rather than the previous address's parts.
void print_decomposition(const std::string& address, const postaldb::PostalTables& tables,
                         const decompose::DecomposeOptions& options) {
  decompose::Decomposition d;
  d.addr_text = utf16(address);
  decompose::decompose_address(d, tables, options);
  std::cout << utf8(d.result_parts) << '\t' << utf8(d.addr_text) << '\t' << utf8(d.decomp_status)
            << '\t' << utf8(d.result_code) << '\n';
}

}  // namespace

int cmd_decompose(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const std::vector<std::string> addresses = positional_arguments(args);
  if (!args.finish("decompose")) return 2;

  CliHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  if (const int failed = load_data(folder, db, settings, host)) return failed;
  const decompose::DecomposeOptions options{settings.ctl_flg[4], 0};

  for_each_input(addresses, [&](const std::string& address) {
    print_decomposition(address, db.tables, options);
  });
  return 0;
}

}  // namespace kovari::cli
