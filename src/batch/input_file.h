// The input file of a batch run, read piece by piece: a first pass checks
// that it is Shift-JIS text and counts its items without keeping the text,
// and every later reader decodes it again as it goes, so the memory a run
// needs for its input does not grow with the file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "batch/item_reader.h"
#include "io/read_file.h"

namespace kovari::batch {

// The records of a batch input: what the input check and the run read.
class BatchInput {
 public:
  virtual ~BatchInput() = default;
  // A reader of the records (records_text of the whole text) from the first on.
  virtual ItemReader records() = 0;
  // The number of items of the records.
  virtual long item_total() const = 0;
  // Why a reader stopped before the end of the records (the file changed
  // since it was checked); empty while nothing failed.
  virtual const std::string& error() const = 0;
};

// The bytes an input file is read by at a time.
inline constexpr std::size_t kInputPieceBytes = std::size_t{1} << 18;

class InputFile : public BatchInput {
 public:
  explicit InputFile(std::size_t piece_bytes = kInputPieceBytes)
      : piece_bytes_(std::max<std::size_t>(piece_bytes, 1)) {}

  // Opens and checks the file: false, with error(), when it cannot be opened
  // or read, is not a regular file (never waited on), or is not valid
  // Shift-JIS (the error gives the line).
  bool open(const std::filesystem::path& path);

  ItemReader records() override;
  long item_total() const override { return item_total_; }
  const std::string& error() const override { return error_; }

 private:
  // Finds records_end_ from the end of the file.
  bool find_records_end();
  bool fail(const std::string& what);

  std::size_t piece_bytes_;
  std::filesystem::path path_;
  io::RegularFile file_;
  // The bytes of the records: up to the line end of the last line that is
  // not blank. What follows holds blanks and line ends only.
  std::uint64_t records_end_ = 0;
  long item_total_ = 0;
  std::string error_;  // UTF-8, names the file
};

// The decoded text of a whole input file, or the reason it cannot be read.
struct InputText {
  std::optional<std::u16string> text;
  std::string error;  // as InputFile::error; empty when text holds the content
};

// Reads a whole Shift-JIS file as InputFile::open checks it.
InputText read_input_file(const std::filesystem::path& path);

}  // namespace kovari::batch
