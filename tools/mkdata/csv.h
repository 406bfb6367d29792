// Reading the official Shift-JIS CSV files: one record per line (CR LF or LF),
// fields separated by "," and optionally enclosed in double quotes ("" inside
// quotes is one quote). Shift-JIS trail bytes never take the values of "," or
// '"', so the bytes can be decoded one line at a time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report.h"

namespace kovari::mkdata {

struct CsvLine {
  int line_no = 0;  // 1-based line number in the file
  std::vector<std::u16string> fields;
};

// Splits one decoded line into its fields.
std::vector<std::u16string> split_csv_fields(std::u16string_view line);

// Decodes and splits every non-empty line of a Shift-JIS text. A line that is
// not valid Shift-JIS is reported under file_label and left out; a text whose
// last line has no line end is cut short, which is fatal.
std::vector<CsvLine> parse_sjis_csv(std::string_view bytes, const std::string& file_label,
                                    Report& report);

// The whole file as bytes; std::nullopt when it cannot be read.
std::optional<std::string> read_file_bytes(const std::filesystem::path& path);

}  // namespace kovari::mkdata
