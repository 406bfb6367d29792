// The office-name index: the names of the detail file's office-name table
// (table 6), each with the number of detail records that carry it, in table
// order. It is read from the table once, written to the index file
// "ooguchi_index.csv" and read back from there by later runs.
//
// The index file is Shift-JIS text, every field in double quotes but the
// numbers, lines ending in CR LF. Its first line names the program version
// and the data the index was made from, so that an index of other data (a
// data update, another data folder) is made again:
//   "0.1.0","大口事業所名検索インデックスファイルです。変更を行わないこと。","2025/09/30 22450
//   5412864" "アイエイチアイ",3
//   ...
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "postaldb/postal_db.h"

namespace kovari::office_search {

inline constexpr std::u16string_view kIndexNotice =
    u"大口事業所名検索インデックスファイルです。変更を行わないこと。";

struct OfficeName {
  std::u16string name;           // as stored: already in the normal form of office_name.h
  std::int32_t n = 0;            // its entries in the record-position table (table 7)
  std::int64_t first_entry = 0;  // the entry number of the first of them (from 0)
};

struct OfficeIndex {
  std::u16string stamp;  // the data it was made from (data_stamp)
  std::vector<OfficeName> names;
};

// What identifies the data an index belongs to: the data date, the number of
// office names and the size of the detail file.
std::u16string data_stamp(const postaldb::PostalDb& db);

// The index read from table 6. Progress: the caption of the table build, the
// name count as its range, the value and pending events every 1000 names.
// std::nullopt when the table does not lie inside the file.
std::optional<OfficeIndex> read_name_table(const postaldb::PostalDb& db, Host& host);

// The index file's bytes; std::nullopt when a name has no Shift-JIS form.
std::optional<std::string> index_file_content(const OfficeIndex& index);

// The index file at `path` when it belongs to `db` and reads completely: its
// first line names this version and the data's stamp, and one well-formed
// line follows for each of the office_count names. std::nullopt otherwise
// (missing, unreadable, damaged or of other data).
std::optional<OfficeIndex> read_index_file(const std::filesystem::path& path,
                                           const postaldb::PostalDb& db);

}  // namespace kovari::office_search
