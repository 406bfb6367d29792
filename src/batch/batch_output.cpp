#include "batch/batch_output.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "text/sjis.h"

namespace kovari::batch {

namespace {

// Encoded lines are handed to the stream in pieces of about this size.
constexpr std::size_t kFlushSize = 1 << 16;

bool needs_quotes(std::u16string_view item) {
  return item.find_first_of(u",\"") != std::u16string_view::npos;
}

void append_item(std::u16string& line, std::u16string_view item) {
  if (!needs_quotes(item)) {
    line += item;
    return;
  }
  line += u'"';
  for (char16_t c : item) {
    if (c == u'"') line += u'"';
    line += c;
  }
  line += u'"';
}

}  // namespace

std::u16string join_record(std::span<const std::u16string> items) {
  std::u16string line;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) line += u',';
    append_item(line, items[k]);
  }
  return line;
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const std::filesystem::path resolved_a = std::filesystem::weakly_canonical(a, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  const std::filesystem::path resolved_b = std::filesystem::weakly_canonical(b, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  return resolved_a == resolved_b;
}

bool OutputFile::open(const std::filesystem::path& path) {
  path_ = path;
  error_.clear();
  buffer_.clear();
  line_ = 0;
  errno = 0;
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) {
    fail(std::string("cannot create: ") + (errno != 0 ? std::strerror(errno) : "error"));
    return false;
  }
  return true;
}

bool OutputFile::write_record(std::span<const std::u16string> items) {
  if (failed()) return false;
  ++line_;
  std::size_t bad = 0;
  const std::optional<std::string> encoded = text::encode_sjis(join_record(items), bad);
  if (!encoded) {
    fail("line " + std::to_string(line_) + " has a character (position " + std::to_string(bad + 1) +
         ") that Shift-JIS cannot hold");
    return false;
  }
  buffer_ += *encoded;
  buffer_ += "\r\n";
  return buffer_.size() < kFlushSize || flush();
}

bool OutputFile::flush() {
  if (failed()) return false;
  errno = 0;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
  if (!out_) {
    fail(std::string("cannot write: ") + (errno != 0 ? std::strerror(errno) : "error"));
    return false;
  }
  return true;
}

bool OutputFile::close() {
  if (!out_.is_open()) return !failed();
  if (flush()) {
    out_.flush();
    if (!out_) fail(std::string("cannot write: ") + (errno != 0 ? std::strerror(errno) : "error"));
  }
  out_.close();
  if (out_.fail() && !failed()) fail("cannot close");
  return !failed();
}

void OutputFile::fail(const std::string& what) {
  if (error_.empty()) error_ = "\"" + path_.string() + "\": " + what;
}

}  // namespace kovari::batch
