// The open postal data files, their directories and the tables loaded from
// them: what every search reads. Filled once by the start-up load.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "postaldb/code_lookup_tables.h"
#include "postaldb/data_file.h"
#include "postaldb/made_on_first_use.h"
#include "postaldb/tables.h"

namespace kovari::postaldb {

struct PostalDb {
  std::filesystem::path app_path;  // the program's folder, where the files stand
  DataFile main_file;              // "kovaritbl.dat"
  DataFile detail_file;            // "kovari2tbl.dat"
  DataFile third_file;             // "kovari3tbl.dat"
  DataFile fourth_file;            // "kovari4tbl.dat" (optional)
  int data4_present = 0;
  Directory dir;
  PostalTables tables;
  // The codes of the postal-code indexes of the main and detail files
  // (postaldb/code_numbers.h).
  std::vector<std::uint64_t> main_codes;
  std::vector<std::uint64_t> detail_codes;
  // Their directory, decoded records and location names, made by the first
  // exact look-up of a code (postaldb/code_lookup_tables.h).
  MadeOnFirstUse<CodeLookupTables> lookup_tables;
};

}  // namespace kovari::postaldb
