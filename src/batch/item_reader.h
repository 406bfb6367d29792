// Reading the items and records of a batch input file (both batch converters
// and the record view use these rules).
//
// An input file is a Shift-JIS text of items separated by commas and line
// ends, read from memory or piece by piece as it is decoded (batch/input_file.h):
//  - blanks and tabs in front of an item are skipped;
//  - an item that begins with a double quote runs to the next double quote
//    (commas, blanks and line ends included; there is no escape for a quote
//    inside); whatever follows the closing quote up to the next comma or line
//    end is discarded. A quote that is never closed runs to the end of the
//    text, without the text's final line end;
//  - any other item runs to the next comma or line end, trailing blanks removed;
//  - a line end is CR LF, CR or LF; reading goes on across line ends, so a
//    record read by count may span lines and a line may hold several records;
//  - two separators in a row give an empty item;
//  - the end is reached when no character is left after the last item (a
//    final line end makes no extra item).
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace kovari::batch {

// Where a reader takes a text from piece by piece.
class TextSource {
 public:
  virtual ~TextSource() = default;
  // Appends the next piece of the text to `text`; false once none is left.
  virtual bool append_piece(std::u16string& text) = 0;
};

// Reads a whole text, or a text piece by piece from a source: it holds the
// item or line being read and the rest of the piece it ends in, never more
// (but an item that runs to the end of the text is held whole). A view it
// returns is valid until the next read.
class ItemReader {
 public:
  explicit ItemReader(std::u16string_view text) : text_(text) {}
  explicit ItemReader(std::unique_ptr<TextSource> source) : source_(std::move(source)) {}
  ItemReader(const ItemReader&) = delete;
  ItemReader& operator=(const ItemReader&) = delete;

  // No character left.
  bool at_end();

  // The next item (a view into the text), and past the separator behind it.
  // At the end: an empty item.
  std::u16string_view read_item();

  // The rest of the current line, and past its line end. At the end: empty.
  std::u16string_view read_line();

 private:
  // The item or line at pos_ into `read`, and past its separator; false
  // (nothing moved) when the text held so far may end before it does.
  bool take_item(std::u16string_view& read);
  bool take_line(std::u16string_view& read);
  // Whether a separator at `pos` is known whole: a CR needs the character
  // after it (an LF makes one line end with it).
  bool separator_known(std::size_t pos) const;
  void skip_line_end();
  // Drops the text before pos_ and adds the next piece: whole_ once there is
  // none.
  void take_piece();

  std::u16string_view text_;
  std::size_t pos_ = 0;
  std::unique_ptr<TextSource> source_;
  std::u16string pieces_;  // the text held from the source
  bool whole_ = source_ == nullptr;
};

// The record buffer rec_item(0..100): one text per item position. Position 0
// is never a real item (a position field holding 0 means "absent"). It is not
// cleared between records.
inline constexpr int kMaxItemPosition = 100;
using RecordBuffer = std::array<std::u16string, kMaxItemPosition + 1>;

// Reads exactly `count` items (at most kMaxItemPosition) into rec_item(1..count),
// whatever the line breaks: a record in item mode.
void read_record(ItemReader& reader, int count, RecordBuffer& rec_item);

// Splits one line (without its line end) into rec_item(1..k) by the item
// rules, as if it were the whole content of a file followed by CR LF: an
// empty line is one empty item, a trailing comma adds an empty item. Stores at
// most `max_items` items; positions above k keep what they held. Returns the
// number of items read, counting at most max_items + 1 (so a caller can tell
// that the line holds more than max_items).
int split_line(std::u16string_view line, RecordBuffer& rec_item, int max_items = kMaxItemPosition);

// The part of a text that holds its records: up to the end of its last line
// that is not blank (blanks and tabs only, or nothing). Blank lines at the end
// and the final line end make no record and no item; blank lines before the
// last record keep their place (an empty record each in line mode).
std::u16string_view records_text(std::u16string_view text);

// Counts the items of a text handed over piece by piece, cut anywhere, as a
// reader of the whole text reads them, keeping nothing of it. Every character
// the rules look at is a single ASCII unit, and no byte of a two-byte
// Shift-JIS character is one of them: the bytes of a Shift-JIS text count as
// its decoded text does.
class ItemCounter {
 public:
  void add(std::string_view piece) { add_units(piece); }
  void add(std::u16string_view piece) { add_units(piece); }
  long count() const { return count_; }

 private:
  enum class State {
    kBetween,  // where an item begins, if any character follows
    kBlanks,   // in the blanks in front of an item
    kQuoted,   // between the quotes of a quoted item
    kPlain,    // in an item or past its closing quote: up to the separator
    kAfterCr,  // right after a CR: an LF would be part of its line end
  };
  template <class View>
  void add_units(View piece);

  State state_ = State::kBetween;
  long count_ = 0;
};

// The number of items of a whole text.
long count_items(std::u16string_view text);

}  // namespace kovari::batch
