// kovari-cli info [--data DIR]: loads the postal data and prints, one
// "name value" per line, the directory values (block entries that are not 0),
// the table counts and the time the load took.
#include <iostream>
#include <string>

#include "cli_common.h"

namespace kovari::cli {

namespace {

void print_blocks(const char* name, const std::array<std::int32_t, 51>& blocks) {
  for (std::size_t k = 1; k < blocks.size(); ++k) {
    if (blocks[k] != 0) std::cout << name << "(" << k << ") " << blocks[k] << "\n";
  }
}

}  // namespace

int cmd_info(Args& args) {
  const std::filesystem::path folder = data_folder(args);
  if (!args.finish("info")) return 2;
  CliHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  long long load_ms = 0;
  if (!load_data(folder, db, settings, host, &load_ms)) return 1;

  const postaldb::Directory& dir = db.dir;
  print_blocks("blk1", dir.blk1);
  print_blocks("blk2", dir.blk2);
  print_blocks("blk3", dir.blk3);
  print_blocks("blk4", dir.blk4);
  const std::pair<const char*, long long> values[] = {
      {"pref_count", dir.pref_count},
      {"city_count", dir.city_count},
      {"code_count", dir.code_count},
      {"town_end1", dir.town_end1},
      {"bill_count", dir.bill_count},
      {"city_pos2_count", dir.city_pos2_count},
      {"code2_count", dir.code2_count},
      {"town_end2", dir.town_end2},
      {"office_count", dir.office_count},
      {"word_count", dir.word_count},
      {"chr_file_count", dir.chr_file_count},
      {"chr_count", db.tables.chr_count},
      {"old_code_count", dir.old_code_count},
      {"ward_pair_count", dir.ward_pair_count},
      {"tbl4_count", dir.tbl4_count},
      {"data4_present", db.data4_present},
      {"load_ms", load_ms},
  };
  for (const auto& [name, value] : values) std::cout << name << " " << value << "\n";
  return 0;
}

}  // namespace kovari::cli
