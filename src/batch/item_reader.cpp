#include "batch/item_reader.h"

#include <algorithm>

namespace kovari::batch {

namespace {

bool is_line_end(char16_t c) { return c == u'\r' || c == u'\n'; }

}  // namespace

void ItemReader::skip_line_end() {
  if (pos_ < text_.size() && text_[pos_] == u'\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == u'\n') {
    ++pos_;
  }
}

std::u16string_view ItemReader::read_item() {
  const std::size_t size = text_.size();
  while (pos_ < size && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
  std::u16string_view item;
  if (pos_ < size && text_[pos_] == u'"') {
    const std::size_t open = pos_ + 1;
    const std::size_t close = text_.find(u'"', open);
    if (close == std::u16string_view::npos) {
      std::size_t end = size;
      while (end > open && is_line_end(text_[end - 1])) --end;
      pos_ = size;
      return text_.substr(open, end - open);
    }
    item = text_.substr(open, close - open);
    pos_ = close + 1;
    while (pos_ < size && text_[pos_] != u',' && !is_line_end(text_[pos_])) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < size && text_[pos_] != u',' && !is_line_end(text_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && text_[end - 1] == u' ') --end;
    item = text_.substr(start, end - start);
  }
  if (pos_ < size && text_[pos_] == u',') {
    ++pos_;
  } else {
    skip_line_end();
  }
  return item;
}

std::u16string_view ItemReader::read_line() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !is_line_end(text_[pos_])) ++pos_;
  const std::u16string_view line = text_.substr(start, pos_ - start);
  skip_line_end();
  return line;
}

void read_record(ItemReader& reader, int count, RecordBuffer& rec_item) {
  count = std::min(count, kMaxItemPosition);
  for (int k = 1; k <= count; ++k) rec_item[k] = reader.read_item();
}

int split_line(std::u16string_view line, RecordBuffer& rec_item, int max_items) {
  max_items = std::clamp(max_items, 0, kMaxItemPosition);
  // The line as the only content of a file, with its line end.
  std::u16string work_copy(line);
  work_copy += u"\r\n";
  ItemReader reader(work_copy);
  int k = 0;
  while (!reader.at_end() && k <= max_items) {
    const std::u16string_view item = reader.read_item();
    ++k;
    if (k <= max_items) rec_item[k] = item;
  }
  return k;
}

std::u16string_view records_text(std::u16string_view text) {
  const std::size_t last = text.find_last_not_of(u" \t\r\n");
  if (last == std::u16string_view::npos) return {};
  const std::size_t line_end = text.find_first_of(u"\r\n", last);
  return text.substr(0, line_end == std::u16string_view::npos ? text.size() : line_end);
}

long count_items(std::u16string_view text) {
  ItemReader reader(text);
  long count = 0;
  while (!reader.at_end()) {
    reader.read_item();
    ++count;
  }
  return count;
}

}  // namespace kovari::batch
