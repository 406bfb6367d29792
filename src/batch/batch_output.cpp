#include "batch/batch_output.h"

#include <algorithm>

#include "text/sjis.h"

namespace kovari::batch {

namespace {

// Encoded lines are handed to the stream in pieces of about this size.
constexpr std::size_t kFlushSize = 1 << 16;

bool needs_quotes(std::u16string_view item) {
  return std::any_of(item.begin(), item.end(), [](char16_t c) { return c == u',' || c == u'"'; });
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

void join_into(std::span<const std::u16string> items, std::u16string& line) {
  line.clear();
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) line += u',';
    append_item(line, items[k]);
  }
}

}  // namespace

std::u16string join_record(std::span<const std::u16string> items) {
  std::u16string line;
  join_into(items, line);
  return line;
}

bool append_record(std::span<const std::u16string> items, std::u16string& line, std::string& bytes,
                   std::size_t& bad) {
  // Item by item straight into `bytes`: Shift-JIS keeps no state from one
  // character to the next, so the pieces make the joined line's bytes.
  const std::size_t kept = bytes.size();
  bool encoded = true;
  std::size_t unused = 0;
  for (std::size_t k = 0; encoded && k < items.size(); ++k) {
    if (k > 0) bytes += ',';
    std::u16string_view item = items[k];
    if (needs_quotes(item)) {
      line.clear();
      append_item(line, item);
      item = line;
    }
    encoded = text::append_sjis(bytes, item, unused);
  }
  if (!encoded) {
    // The joined line tells where the character without a code stands.
    bytes.resize(kept);
    join_into(items, line);
    if (!text::append_sjis(bytes, line, bad)) return false;
  }
  bytes += "\r\n";
  return true;
}

bool OutputFile::open(const std::filesystem::path& path) {
  path_ = path;
  error_.clear();
  buffer_.clear();
  line_ = 0;
  if (!out_.open(path)) {
    fail(out_.error());
    return false;
  }
  return true;
}

bool OutputFile::write_record(std::span<const std::u16string> items) {
  if (failed()) return false;
  std::size_t bad = 0;
  if (!append_record(items, line_text_, buffer_, bad)) {
    fail_unencodable(bad);
    return false;
  }
  ++line_;
  return buffer_.size() < kFlushSize || flush();
}

bool OutputFile::write_lines(std::string_view bytes, long count) {
  if (failed()) return false;
  buffer_ += bytes;
  line_ += count;
  return buffer_.size() < kFlushSize || flush();
}

void OutputFile::fail_unencodable(std::size_t bad) {
  fail("cannot hold line " + std::to_string(line_ + 1) + ": its character at position " +
       std::to_string(bad + 1) + " has no Shift-JIS code");
}

bool OutputFile::flush() {
  if (failed()) return false;
  const bool written = out_.write(buffer_);
  buffer_.clear();
  if (!written) fail(out_.error());
  return written;
}

bool OutputFile::close() {
  if (flush() && !out_.commit()) fail(out_.error());
  if (failed()) out_.discard();
  return !failed();
}

void OutputFile::fail(const std::string& what) {
  if (error_.empty()) error_ = "\"" + path_.string() + "\" " + what;
}

}  // namespace kovari::batch
