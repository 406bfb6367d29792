// Laying out the four data files: "kovaritbl.dat" (main), "kovari2tbl.dat"
// (detail), "kovari3tbl.dat" (old codes, ward pairs), "kovari4tbl.dat"
// (town-name index). Every file starts with a header block, keeps each table
// at a block boundary (block 0 would mean "absent") and ends with its
// 1024-byte directory block.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "byte_buffer.h"
#include "postal_data.h"
#include "report.h"
#include "sorted_index.h"

namespace kovari::mkdata {

struct DataFile {
  std::string name;  // file name in the program's folder
  ByteBuffer bytes;
};

struct Counts {
  int prefs = 0, cities = 0, town_areas = 0, codes = 0, buildings = 0;
  int details = 0, detail_codes = 0, office_names = 0, words = 0, char_pairs = 0;
  int old_codes = 0, ward_pairs = 0, town_name_keys = 0;
};

// Lays out the main file and sets every town area's offset.
DataFile lay_out_main_file(PostalData& data, Counts& counts, Report& report);
// Lays out the detail file and sets every detail record's offset.
DataFile lay_out_detail_file(PostalData& data, Counts& counts, Report& report);
DataFile lay_out_third_file(const PostalData& data, Counts& counts, Report& report);
// Needs the town-area offsets of the main file.
DataFile lay_out_fourth_file(const PostalData& data, Counts& counts, Report& report);

// A postal-code index of both files: the entries (code, record offset) sorted
// and written as 13-byte records with their run ordinals. Returns their count.
std::int32_t write_code_index(std::vector<IndexEntry<std::string>> index, ByteBuffer& file,
                              Report& report);

// The directory block: 50 block numbers then the trailing values, padded to
// 1024 bytes.
void append_directory(ByteBuffer& file, const ByteBuffer& directory, Report& report,
                      const std::string& name);

// Writes each file under a temporary name, then renames them all into place
// (io::AtomicFile). Nothing is written when a file is invalid or the report
// holds a fatal problem, and a write that fails leaves no temporary file.
bool write_data_files(const std::vector<DataFile>& files, const std::filesystem::path& dir,
                      Report& report);

}  // namespace kovari::mkdata
