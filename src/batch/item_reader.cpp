#include "batch/item_reader.h"

#include <algorithm>
#include <type_traits>

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

bool ItemReader::separator_known(std::size_t pos) const {
  return whole_ || (pos < text_.size() && (text_[pos] != u'\r' || pos + 1 < text_.size()));
}

bool ItemReader::take_item(std::u16string_view& read) {
  const std::size_t size = text_.size();
  std::size_t pos = pos_;
  while (pos < size && (text_[pos] == u' ' || text_[pos] == u'\t')) ++pos;
  std::u16string_view item;
  if (pos < size && text_[pos] == u'"') {
    const std::size_t open = pos + 1;
    const std::size_t close = text_.find(u'"', open);
    if (close == std::u16string_view::npos) {
      if (!whole_) return false;
      std::size_t end = size;
      while (end > open && is_line_end(text_[end - 1])) --end;
      pos_ = size;
      read = text_.substr(open, end - open);
      return true;
    }
    item = text_.substr(open, close - open);
    pos = close + 1;
    while (pos < size && text_[pos] != u',' && !is_line_end(text_[pos])) ++pos;
  } else {
    const std::size_t start = pos;
    while (pos < size && text_[pos] != u',' && !is_line_end(text_[pos])) ++pos;
    std::size_t end = pos;
    while (end > start && text_[end - 1] == u' ') --end;
    item = text_.substr(start, end - start);
  }
  if (!separator_known(pos)) return false;
  pos_ = pos;
  if (pos_ < size && text_[pos_] == u',') {
    ++pos_;
  } else {
    skip_line_end();
  }
  read = item;
  return true;
}

bool ItemReader::take_line(std::u16string_view& read) {
  std::size_t pos = pos_;
  while (pos < text_.size() && !is_line_end(text_[pos])) ++pos;
  if (!separator_known(pos)) return false;
  read = text_.substr(pos_, pos - pos_);
  pos_ = pos;
  skip_line_end();
  return true;
}

void ItemReader::take_piece() {
  pieces_.erase(0, pos_);
  pos_ = 0;
  if (!source_->append_piece(pieces_)) whole_ = true;
  text_ = pieces_;
}

bool ItemReader::at_end() {
  while (pos_ >= text_.size() && !whole_) take_piece();
  return pos_ >= text_.size();
}

std::u16string_view ItemReader::read_item() {
  std::u16string_view item;
  while (!take_item(item)) take_piece();
  return item;
}

std::u16string_view ItemReader::read_line() {
  std::u16string_view line;
  while (!take_line(line)) take_piece();
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

template <class View>
void ItemCounter::add_units(View piece) {
  const auto unit = [&piece](std::size_t i) {
    return static_cast<char16_t>(
        static_cast<std::make_unsigned_t<typename View::value_type>>(piece[i]));
  };
  const std::size_t size = piece.size();
  for (std::size_t i = 0; i < size;) {
    switch (state_) {
      case State::kAfterCr:
        state_ = State::kBetween;
        if (unit(i) == u'\n') ++i;  // the LF of a CR LF
        break;
      case State::kBetween:
        ++count_;  // a character follows: an item begins here
        state_ = State::kBlanks;
        break;
      case State::kBlanks:
        while (i < size && (unit(i) == u' ' || unit(i) == u'\t')) ++i;
        if (i == size) break;
        if (unit(i) == u'"') {
          ++i;
          state_ = State::kQuoted;
        } else {
          state_ = State::kPlain;
        }
        break;
      case State::kQuoted:
        while (i < size && unit(i) != u'"') ++i;
        if (i < size) {
          ++i;  // the closing quote
          state_ = State::kPlain;
        }
        break;
      case State::kPlain:
        // Up to the separator: most of the text.
        while (i < size && unit(i) != u',' && unit(i) != u'\r' && unit(i) != u'\n') ++i;
        if (i < size) state_ = unit(i++) == u'\r' ? State::kAfterCr : State::kBetween;
        break;
    }
  }
}

template void ItemCounter::add_units(std::string_view);
template void ItemCounter::add_units(std::u16string_view);

long count_items(std::u16string_view text) {
  ItemCounter counter;
  counter.add(text);
  return counter.count();
}

}  // namespace kovari::batch
