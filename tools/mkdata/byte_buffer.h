// A data file under construction: the primitive encodings of the postal data
// files (little-endian Integers and Longs, float-coded numbers, 7-byte codes,
// Variant strings) appended to a byte string. A value the readers could not
// read back (a text without a Shift-JIS form, a string longer than its length
// word, a code that is not seven digits) makes the buffer invalid; an invalid
// buffer is never written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kovari::mkdata {

inline constexpr std::int32_t kBlockSize = 1024;

class ByteBuffer {
 public:
  void integer(std::int16_t value);
  void long_value(std::int32_t value);
  // A whole number as an IEEE 754 binary32 pattern (exact below 2^24).
  void float_coded(std::int32_t value);
  void code(std::string_view seven_digits);
  // Type tag 8, byte length, Shift-JIS bytes.
  void variant_string(std::u16string_view text);
  // Shift-JIS bytes of a text that must take exactly byte_count bytes.
  void fixed_text(std::u16string_view text, std::size_t byte_count);
  void raw(std::string_view bytes);
  // Zero bytes up to the next 1024-byte boundary.
  void align_to_block();

  std::int32_t size() const { return static_cast<std::int32_t>(bytes_.size()); }
  std::int32_t block() const { return size() / kBlockSize; }
  const std::string& bytes() const { return bytes_; }
  bool valid() const { return error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  void fail(const std::string& message);
  std::string bytes_;
  std::string error_;
};

// Byte length of a text in Shift-JIS, or -1 when it has no Shift-JIS form.
int sjis_length(std::u16string_view text);

}  // namespace kovari::mkdata
