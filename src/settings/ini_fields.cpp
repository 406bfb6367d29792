#include "settings/ini_fields.h"

#include "text/sjis.h"

namespace kovari::settings {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

bool FieldReader::load_next_line() {
  while (byte_pos_ < bytes_.size()) {
    // CR and LF never occur inside a double-byte character, so lines can be
    // cut on the raw bytes.
    std::size_t end = bytes_.find_first_of("\r\n", byte_pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    const std::string_view raw = bytes_.substr(byte_pos_, end - byte_pos_);
    byte_pos_ = end;
    if (byte_pos_ < bytes_.size() && bytes_[byte_pos_] == '\r') ++byte_pos_;
    if (byte_pos_ < bytes_.size() && bytes_[byte_pos_] == '\n') ++byte_pos_;
    if (raw.empty()) continue;
    if (std::optional<std::u16string> line = text::decode_sjis(raw)) {
      line_ = std::move(*line);
      line_pos_ = 0;
      line_open_ = true;
      return true;
    }
  }
  return false;
}

std::optional<std::u16string> FieldReader::next() {
  if (!line_open_ && !load_next_line()) return std::nullopt;
  const std::u16string_view line = line_;
  std::size_t pos = line_pos_;
  while (pos < line.size() && is_blank(line[pos])) ++pos;
  std::u16string field;
  std::size_t comma;
  if (pos < line.size() && line[pos] == u'"') {
    std::size_t close = line.find(u'"', pos + 1);
    if (close == std::u16string_view::npos) close = line.size();
    field = line.substr(pos + 1, close - pos - 1);
    comma = line.find(u',', close);
  } else {
    comma = line.find(u',', pos);
    std::u16string_view text = line.substr(
        pos, comma == std::u16string_view::npos ? std::u16string_view::npos : comma - pos);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    field = text;
  }
  if (comma == std::u16string_view::npos) {
    line_open_ = false;
  } else {
    line_pos_ = comma + 1;
  }
  return field;
}

}  // namespace kovari::settings
