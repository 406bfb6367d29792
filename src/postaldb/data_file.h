// Bounds-checked reader over one postal data file.
//
// A DataFile reads the whole file into memory when it opens (the four files
// are a few megabytes): another process that rewrites or truncates the file
// while the program runs cannot pull the bytes away from under a search, as
// it could from a mapping. It never changes after open(), so any number of
// cursors may read it at once. A Cursor reads sequentially from a
// 1-based position; every read is checked against the file's length. A read
// that would leave the file does not happen: it yields 0 or an empty text and
// puts the cursor into a sticky failed state whose message names the file and
// the position, so a caller reads a whole record and then asks failed() once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "io/file_status.h"
#include "io/read_file.h"

namespace kovari::postaldb {

class Cursor;

// Little-endian values at `b`, as the files store them.
inline std::int16_t little_integer(const unsigned char* b) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
}
inline std::int32_t little_long(const unsigned char* b) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

// A text between fixed fields of a record, as views of the file's own bytes.
struct FramedText {
  std::string_view before, text, after;
};

class DataFile {
 public:
  DataFile() = default;
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;
  DataFile(DataFile&&) noexcept = default;
  DataFile& operator=(DataFile&&) noexcept = default;

  // Reads the file. A missing file opens as an empty file (length 0) without
  // being created; exists() tells the two apart. False (with error()) when
  // something else stands in its place (a folder, a FIFO: never waited on) or
  // it cannot be read.
  bool open(const std::filesystem::path& path);
  bool exists() const { return exists_; }
  // The identity of the file read, when it exists: an output that names the
  // same file under another name must not replace it.
  const std::optional<io::FileId>& id() const { return id_; }
  const std::filesystem::path& path() const { return path_; }
  // The file name alone, as messages name the file.
  std::string name() const { return path_.filename().string(); }
  std::int64_t length() const { return length_; }
  const std::string& error() const { return error_; }

  // The whole file. A table read straight from it must check its own bounds.
  std::string_view bytes() const { return {bytes_.get(), static_cast<std::size_t>(length_)}; }

  // A cursor at a 1-based byte position (position 1 is the first byte).
  inline Cursor at(std::int64_t position1) const;

 private:
  friend class Cursor;
  std::filesystem::path path_;
  bool exists_ = false;
  std::optional<io::FileId> id_;
  std::unique_ptr<char, io::ReleaseBytes> bytes_;
  std::int64_t length_ = 0;
  std::string error_;
};

class Cursor {
 public:
  Cursor(const DataFile& file, std::int64_t position1)
      : file_(&file), offset_(position1 >= 1 ? position1 - 1 : -1) {}  // below 1: fails on reading

  std::int64_t position() const { return offset_ + 1; }  // 1-based

  std::int16_t read_integer() {  // signed 16-bit, little-endian
    const unsigned char* b = take(2);
    return b == nullptr ? 0 : little_integer(b);
  }
  std::int32_t read_long() {  // signed 32-bit, little-endian
    const unsigned char* b = take(4);
    return b == nullptr ? 0 : little_long(b);
  }
  std::string read_code();                // 7 ASCII bytes
  std::u16string read_variant_string();   // tag (2), byte length (2), Shift-JIS bytes
  std::string read_bytes(std::size_t n);  // n raw bytes
  // The same without copies: n raw bytes as a view of the file's own, and a
  // text into `text` (its room reused; empty when it cannot be read).
  std::string_view read_view(std::size_t n) {
    const unsigned char* b = take(n);
    return b == nullptr ? std::string_view() : bytes_at(b, n);
  }
  void read_variant_string(std::u16string& text);
  // A text appended to `text` (left as it was when it cannot be read).
  void append_variant_string(std::u16string& text);
  // A text's Shift-JIS bytes, undecoded, as a view of the file's own; empty
  // when it cannot be read (the caller decodes and checks them).
  std::string_view read_variant_bytes() {
    const std::int16_t tag = read_integer();
    const std::uint16_t length = static_cast<std::uint16_t>(read_integer());
    if (failed()) return {};
    if (tag != kStringTag) {
      fail_tag(tag);
      return {};
    }
    return read_view(length);
  }
  // `before` bytes, a text (its Shift-JIS bytes undecoded) and `after`
  // bytes, as a record lays them out: checked against the file's length
  // twice rather than field by field, and all empty when they cannot be read
  // (the failure says where).
  FramedText read_framed_text(std::size_t before, std::size_t after) {
    const unsigned char* head = take(before + kTextHead);
    if (head == nullptr) return {};
    const std::int16_t tag = little_integer(head + before);
    if (tag != kStringTag) {
      fail_tag(tag);
      return {};
    }
    const auto length = static_cast<std::uint16_t>(little_integer(head + before + 2));
    const unsigned char* rest = take(length + after);
    if (rest == nullptr) return {};
    return {bytes_at(head, before), bytes_at(rest, length), bytes_at(rest + length, after)};
  }

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  // The next n bytes, the cursor moved past them; nullptr (the cursor
  // failed) when they do not lie inside the file. Inline: the code searches
  // read a few fields of a record per lookup.
  const unsigned char* take(std::size_t n) {
    const std::int64_t length = file_->length_;
    // offset_ may hold any value a caller computed; compare without overflow.
    if (failed() || offset_ < 0 || offset_ > length ||
        static_cast<std::uint64_t>(n) > static_cast<std::uint64_t>(length - offset_)) {
      return fail_outside(n);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(file_->bytes_.get()) + offset_;
    offset_ += static_cast<std::int64_t>(n);
    return bytes;
  }
  const unsigned char* fail_outside(std::size_t n);
  static std::string_view bytes_at(const unsigned char* b, std::size_t n) {
    return {reinterpret_cast<const char*>(b), n};
  }
  // The tag a text carries in front of its length, and the bytes of the two.
  static constexpr std::int16_t kStringTag = 8;
  static constexpr std::size_t kTextHead = 4;
  // Fails on the tag `tag` just read where a text's belongs.
  void fail_tag(std::int16_t tag);
  void fail(const std::string& what);

  const DataFile* file_;
  std::int64_t offset_;  // 0-based
  std::string error_;
};

Cursor DataFile::at(std::int64_t position1) const { return Cursor(*this, position1); }

// Decodes a float-coded directory value: a binary32 pattern whose magnitude lies
// in [1, 2^24) gives that value rounded to the nearest whole number (ties to
// even); every other pattern gives 0.
std::int32_t cnv_data(std::int32_t pattern);

}  // namespace kovari::postaldb
