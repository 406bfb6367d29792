// kovari-cli info [--data DIR]: loads the postal data and prints, one
// "name value" per line, the directory values (block entries that are not 0),
// the table counts, the time the load took and the date of the data.
#include <array>
#include <cstdint>
#include <iostream>
#include <string>

#include "cli_common.h"
#include "postaldb/summary.h"

namespace kovari::cli {

namespace {

void print_blocks(const char* name, const std::array<std::int32_t, 51>& blocks) {
  for (std::size_t k = 1; k < blocks.size(); ++k) {
    if (blocks[k] != 0) std::cout << name << "(" << k << ") " << blocks[k] << "\n";
  }
}

}  // namespace

int cmd_info(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  if (!args.finish("info")) return 2;
  CliHost host;
  Session session;
  long long load_ms = 0;
  if (const int failed = load_data(folder, session, host, &load_ms)) return failed;

  const postaldb::PostalDb& db = session.db;
  const postaldb::Directory& dir = db.dir;
  print_blocks("blk1", dir.blk1);
  print_blocks("blk2", dir.blk2);
  print_blocks("blk3", dir.blk3);
  print_blocks("blk4", dir.blk4);
  for (const auto& [name, value] : postaldb::load_summary(db)) {
    std::cout << name << " " << value << "\n";
  }
  std::cout << "load_ms " << load_ms << "\n";
  std::cout << "data_date " << utf8(dir.data_date) << "\n";
  return 0;
}

}  // namespace kovari::cli
