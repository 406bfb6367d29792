// The lines of an export file: a header, the detail records (offices and
// post-office boxes) of the range when they are asked for, then its
// town-area records, each line its fields in double quotes separated by ","
// and ended by CR LF:
//   "郵便番号","都道府県名","市区町村名","町域名"
//   "0600000","北海道  ","札幌市中央区 ","以下に掲載がない場合"
// with the detail records, two more columns:
//   "郵便番号","都道府県名","市区町村名","町域名","私書箱","大口事業所名等"
//   "0608711","北海道  ","札幌市中央区 ","大通西３丁目６","","株式会社　北海道新聞社"
//   "0600000","北海道  ","札幌市中央区 ","以下に掲載がない場合"," "," "
// The prefecture is padded with blanks to 5 characters and the city (name
// parts 1 and 2) to 7; a longer city name is written whole.
#pragma once

#include <span>
#include <string>

#include "csv_export/export_range.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::csv_export {

// Which records to write: "新郵便番号テーブルを出力" and "大口事業所等個別番号を出力".
struct ExportTables {
  bool towns = true;
  bool offices = false;
};

struct ExportText {
  std::u16string text;  // the lines
  long count = 0;       // records written
};

// The file's lines for `ranges`: the detail records of every range, then
// the town-area records of every range. Codes are written "000-0000" when
// Flag::kHyphen is set; town-area records of kind 6 are left out. Pending
// window events run every 500 town-area records.
ExportText export_lines(const postaldb::PostalDb& db, std::span<const RecordRange> ranges,
                        const ExportTables& tables, const settings::Settings& settings, Host& host);

}  // namespace kovari::csv_export
