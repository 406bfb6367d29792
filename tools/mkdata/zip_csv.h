// Reading the CSV file inside one of Japan Post's zip downloads (ken_all.zip
// holds KEN_ALL.CSV, jigyosyo.zip holds JIGYOSYO.CSV), with the date of the
// entry: the day Japan Post made the file, which is the date of its data.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "postaldb/data_date.h"

namespace kovari::mkdata {

struct ZipCsv {
  std::string bytes;                                 // the entry's contents
  std::optional<postaldb::CalendarDate> entry_date;  // its modification date, when valid
  std::string error;                                 // why nothing was read; empty on success
};

// The entry named `entry_name` (letter case ignored) of the zip file `zip`,
// read whole and checked against its CRC. An unreadable or damaged archive,
// a missing entry or one larger than any official file gives an error.
ZipCsv read_zip_csv(const std::filesystem::path& zip, std::string_view entry_name);

}  // namespace kovari::mkdata
