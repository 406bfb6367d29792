#include "postaldb/data_file.h"

#include <bit>
#include <cmath>
#include <utility>

#include "io/read_file.h"
#include "text/sjis.h"

namespace kovari::postaldb {

bool DataFile::open(const std::filesystem::path& path) {
  *this = DataFile();
  path_ = path;
  io::FileBytes file = io::read_regular_file(path);
  if (file.problem == io::ReadProblem::kMissing) return true;  // reads as an empty file
  exists_ = true;
  if (!file.ok()) {
    error_ = name() + " " + file.error;
    return false;
  }
  id_ = file.id;
  bytes_ = std::move(file.bytes);
  length_ = static_cast<std::int64_t>(file.size);
  return true;
}

const unsigned char* Cursor::fail_outside(std::size_t n) {
  if (failed()) return nullptr;
  fail("a read of " + std::to_string(n) + " bytes at position " + std::to_string(offset_ + 1) +
       " lies outside the file (length " + std::to_string(file_->length_) + ")");
  return nullptr;
}

void Cursor::fail(const std::string& what) {
  if (!failed()) error_ = file_->name() + ": " + what;
}

std::string Cursor::read_code() { return read_bytes(7); }

std::string Cursor::read_bytes(std::size_t n) { return std::string(read_view(n)); }

std::u16string Cursor::read_variant_string() {
  std::u16string text;
  read_variant_string(text);
  return text;
}

void Cursor::read_variant_string(std::u16string& text) {
  text.clear();
  append_variant_string(text);
}

void Cursor::fail_tag(std::int16_t tag) {
  const std::int64_t start = position() - static_cast<std::int64_t>(kTextHead);
  fail("the text at position " + std::to_string(start) + " has type tag " + std::to_string(tag) +
       ", not " + std::to_string(kStringTag));
}

void Cursor::append_variant_string(std::u16string& text) {
  const std::int64_t start = position();
  const std::string_view bytes = read_variant_bytes();
  if (failed()) return;
  std::size_t bad = 0;
  if (!text::append_decoded_sjis(bytes, text, bad)) {
    fail("the text at position " + std::to_string(start) + " is not valid Shift-JIS (byte " +
         std::to_string(start + 4 + static_cast<std::int64_t>(bad)) + ")");
  }
}

std::int32_t cnv_data(std::int32_t pattern) {
  const std::uint32_t bits = static_cast<std::uint32_t>(pattern);
  const std::uint32_t biased_exponent = (bits >> 23) & 0xFF;
  // Exponents 127..150 are exactly the magnitudes 1 <= |v| < 2^24.
  if (biased_exponent < 127 || biased_exponent > 150) return 0;
  const double value = std::bit_cast<float>(bits);
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<std::int32_t>(whole);
}

}  // namespace kovari::postaldb
