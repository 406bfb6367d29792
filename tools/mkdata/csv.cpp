#include "csv.h"

#include <fstream>
#include <sstream>

#include "text/sjis.h"

namespace kovari::mkdata {

std::vector<std::u16string> split_csv_fields(std::u16string_view line) {
  std::vector<std::u16string> fields;
  std::u16string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char16_t c = line[i];
    if (quoted) {
      if (c != u'"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == u'"') {
        field += u'"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == u'"') {
      quoted = true;
    } else if (c == u',') {
      fields.push_back(std::move(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return fields;
}

std::vector<CsvLine> parse_sjis_csv(std::string_view bytes, const std::string& file_label,
                                    Report& report) {
  std::vector<CsvLine> lines;
  int line_no = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    start = end + 1;
    ++line_no;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (raw.empty()) continue;
    std::size_t bad = 0;
    std::optional<std::u16string> decoded = text::decode_sjis(raw, bad);
    if (!decoded) {
      report.line(file_label, line_no, "not Shift-JIS at byte " + std::to_string(bad + 1));
      continue;
    }
    lines.push_back({line_no, split_csv_fields(*decoded)});
  }
  // The official files end every line, the last one too: a file that stops
  // inside a line was cut short (an interrupted download or copy).
  if (!bytes.empty() && bytes.back() != '\n') {
    report.fatal(file_label + ":" + std::to_string(line_no) +
                 ": the last line has no line end: the file is cut short");
  }
  return lines;
}

std::optional<std::string> read_file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(buffer).str();
}

}  // namespace kovari::mkdata
