// Splitting a settings file into the fields its reader takes one at a time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovari::settings {

// Reads the fields of a Shift-JIS text in order, one per call, without
// holding more than the current line. Lines end with CR LF, CR or LF. A line
// is a run of comma-separated fields; blanks and tabs around a field are
// dropped, and a field that starts with a double quotation mark ends at the
// next one and loses both (what follows it up to the comma is dropped). Empty
// lines give no field; a line that is not valid Shift-JIS is skipped whole.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

  // The next field, or std::nullopt at the end of the text.
  std::optional<std::u16string> next();

 private:
  bool load_next_line();

  std::string_view bytes_;
  std::size_t byte_pos_ = 0;
  std::u16string line_;
  std::size_t line_pos_ = 0;
  bool line_open_ = false;  // the current line has fields left
};

}  // namespace kovari::settings
