#include "batch/input_file.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>

#include "text/sjis.h"

namespace kovari::batch {

namespace {

// The file's name in double quotes.
std::string describe(const std::filesystem::path& path) {
  std::string named(1, '"');
  named += path.native();
  named += '"';
  return named;
}

// The length of the longest start of `bytes` that ends with a whole
// character. A byte below 0x40 is never part of a two-byte character, so the
// characters after the last such byte are all that need walking.
std::size_t whole_characters(std::string_view bytes) {
  std::size_t pos = bytes.size();
  while (pos > 0 && static_cast<unsigned char>(bytes[pos - 1]) >= 0x40) --pos;
  while (pos < bytes.size()) {
    const std::size_t next =
        pos + (text::is_sjis_lead_byte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1);
    if (next > bytes.size()) break;
    pos = next;
  }
  return pos;
}

// The bytes [0, end) of a file a piece at a time, each piece checked as
// Shift-JIS text (and decoded where asked). A character cut by the end of a
// piece waits for the next piece. A failure ends the pieces and is left in
// `error`.
class SjisPieces {
 public:
  SjisPieces(const std::filesystem::path& path, io::RegularFile& file, std::uint64_t end,
             std::size_t piece_bytes, std::string& error)
      : path_(path), file_(file), end_(end), piece_bytes_(piece_bytes), error_(error) {}

  // The next piece into `piece` (valid until the next call), decoded onto
  // `text` unless it is null; false once none is left or one failed.
  bool next(std::string_view& piece, std::u16string* text) {
    bytes_.erase(0, whole_);
    if (!error_.empty() || next_ >= end_) return false;
    const std::size_t carried = bytes_.size();
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(piece_bytes_, end_ - next_));
    bytes_.resize(carried + wanted);
    std::size_t read = 0;
    if (!file_.read_at(next_, bytes_.data() + carried, wanted, read)) {
      return stop(" " + file_.error());
    }
    // Shorter than it was a moment ago: someone is writing it.
    if (read < wanted) return stop(" changed while it was being read");
    next_ += wanted;
    const std::string_view bytes(bytes_);
    whole_ = next_ >= end_ ? bytes.size() : whole_characters(bytes);
    piece = bytes.substr(0, whole_);
    std::size_t bad = 0;
    if (text ? !text::append_decoded_sjis(piece, *text, bad) : !text::check_sjis(piece, bad)) {
      const long line = lines_ + 1 + std::count(bytes.begin(), bytes.begin() + bad, '\n');
      return stop(": line " + std::to_string(line) + " is not Shift-JIS text (byte offset " +
                  std::to_string(next_ - bytes.size() + bad) + ")");
    }
    lines_ += std::count(piece.begin(), piece.end(), '\n');
    return true;
  }

 private:
  // `what` follows the file's name.
  bool stop(const std::string& what) {
    error_ = describe(path_) + what;
    return false;
  }

  const std::filesystem::path& path_;
  io::RegularFile& file_;
  const std::uint64_t end_;
  const std::size_t piece_bytes_;
  std::string& error_;
  std::uint64_t next_ = 0;  // the next byte to read
  std::string bytes_;       // the last piece, then the start of a character it cut off
  std::size_t whole_ = 0;   // the bytes of the last piece
  long lines_ = 0;          // LFs in the pieces so far
};

// The text of the bytes [0, end) of a file, decoded a piece at a time.
class SjisFileSource : public TextSource {
 public:
  explicit SjisFileSource(SjisPieces pieces) : pieces_(std::move(pieces)) {}

  bool append_piece(std::u16string& text) override {
    std::string_view piece;
    return pieces_.next(piece, &text);
  }

 private:
  SjisPieces pieces_;
};

}  // namespace

bool InputFile::open(const std::filesystem::path& path) {
  path_ = path;
  error_.clear();
  item_total_ = 0;
  if (!file_.open(path)) return fail(" " + file_.error());
  if (!find_records_end()) return false;
  // The items are counted on the bytes: the text is decoded when it is read.
  SjisPieces pieces(path_, file_, records_end_, piece_bytes_, error_);
  ItemCounter counter;
  for (std::string_view piece; pieces.next(piece, nullptr);) counter.add(piece);
  item_total_ = counter.count();
  return error_.empty();
}

bool InputFile::fail(const std::string& what) {
  error_ = describe(path_) + what;
  return false;
}

bool InputFile::find_records_end() {
  // Blanks, tabs and line ends are single bytes that no two-byte character
  // holds: the bytes show where the last line that is not blank ends.
  std::uint64_t line_end = file_.size();
  std::string piece;
  for (std::uint64_t to = file_.size(); to > 0;) {
    const std::uint64_t from = to > piece_bytes_ ? to - piece_bytes_ : 0;
    piece.resize(static_cast<std::size_t>(to - from));
    std::size_t read = 0;
    if (!file_.read_at(from, piece.data(), piece.size(), read)) return fail(" " + file_.error());
    if (read < piece.size()) return fail(" changed while it was being read");
    for (std::size_t i = piece.size(); i-- > 0;) {
      const char b = piece[i];
      if (b == '\r' || b == '\n') {
        line_end = from + i;
      } else if (b != ' ' && b != '\t') {
        records_end_ = line_end;
        return true;
      }
    }
    to = from;
  }
  records_end_ = 0;
  return true;
}

ItemReader InputFile::records() {
  return ItemReader(std::make_unique<SjisFileSource>(
      SjisPieces(path_, file_, records_end_, piece_bytes_, error_)));
}

InputText read_input_file(const std::filesystem::path& path) {
  InputText result;
  io::RegularFile file;
  if (!file.open(path)) {
    result.error = describe(path) + " " + file.error();
    return result;
  }
  SjisPieces pieces(path, file, file.size(), kInputPieceBytes, result.error);
  std::u16string text;
  for (std::string_view piece; pieces.next(piece, &text);) {
  }
  if (result.error.empty()) result.text = std::move(text);
  return result;
}

}  // namespace kovari::batch
