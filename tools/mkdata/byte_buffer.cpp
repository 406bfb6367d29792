#include "byte_buffer.h"

#include <bit>
#include <optional>

#include "text/sjis.h"

namespace kovari::mkdata {

void ByteBuffer::integer(std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  bytes_ += static_cast<char>(v & 0xFF);
  bytes_ += static_cast<char>(v >> 8);
}

void ByteBuffer::long_value(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_ += static_cast<char>((v >> shift) & 0xFF);
}

void ByteBuffer::float_coded(std::int32_t value) {
  if (value <= -(1 << 24) || value >= (1 << 24)) fail("float-coded value out of range");
  long_value(std::bit_cast<std::int32_t>(static_cast<float>(value)));
}

void ByteBuffer::code(std::string_view seven_digits) {
  bool digits = seven_digits.size() == 7;
  for (char c : seven_digits) digits = digits && c >= '0' && c <= '9';
  if (!digits) fail("postal code is not seven digits: " + std::string(seven_digits));
  std::string padded(seven_digits.substr(0, 7));
  padded.resize(7, '0');
  bytes_ += padded;
}

void ByteBuffer::variant_string(std::u16string_view text) {
  const std::optional<std::string> sjis = text::encode_sjis(text);
  if (!sjis) fail("text without a Shift-JIS form: " + text::to_utf8(text));
  const std::string encoded = sjis.value_or("");
  if (encoded.size() > 0x7FFF) fail("text longer than a Variant string holds");
  integer(8);
  integer(static_cast<std::int16_t>(encoded.size() & 0x7FFF));
  bytes_ += encoded.substr(0, 0x7FFF);
}

void ByteBuffer::fixed_text(std::u16string_view text, std::size_t byte_count) {
  std::string encoded = text::encode_sjis(text).value_or("");
  if (encoded.size() != byte_count) {
    fail("fixed text of " + std::to_string(byte_count) + " bytes expected: " + text::to_utf8(text));
    encoded.resize(byte_count, ' ');
  }
  bytes_ += encoded;
}

void ByteBuffer::raw(std::string_view bytes) { bytes_ += bytes; }

void ByteBuffer::align_to_block() {
  const std::size_t rest = bytes_.size() % kBlockSize;
  if (rest != 0) bytes_.append(kBlockSize - rest, '\0');
}

void ByteBuffer::fail(const std::string& message) {
  if (error_.empty()) error_ = message;
}

int sjis_length(std::u16string_view text) {
  const std::optional<std::string> sjis = text::encode_sjis(text);
  return sjis ? static_cast<int>(sjis->size()) : -1;
}

}  // namespace kovari::mkdata
