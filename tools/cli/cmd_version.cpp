// kovari-cli --version [--data DIR]: the program's version and the date of the
// data it would use, read from the main file's directory alone:
//
//   kovari-cli 0.1.0
//   data_date 2025/09/30
//   data_folder /usr/share/kovari
//
// Without data the date is "不明" and the folder line is left out. Exit 0.
#include <iostream>

#include "cli_common.h"
#include "paths/version.h"
#include "postaldb/data_date.h"

namespace kovari::cli {

int cmd_version(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  if (!args.finish("--version")) return 2;
  std::cout << "kovari-cli " << paths::kProgramVersion << "\n";
  if (!folder.folder) {
    std::cout << "data_date " << utf8(postaldb::kUnknownDataDate) << "\n";
    return 0;
  }
  std::cout << "data_date " << utf8(postaldb::read_data_date(*folder.folder)) << "\n";
  std::cout << "data_folder " << folder.folder->string() << "\n";
  return 0;
}

}  // namespace kovari::cli
