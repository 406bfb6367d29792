// What both batch converters do with an input file before converting it:
// reading it, probing its first line, and the consistency check that chooses
// between item mode and line mode.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "batch/input_file.h"
#include "batch/item_reader.h"
#include "host/host.h"

namespace kovari::batch {

// A file name field as the converters use it: trimmed of half-width blanks.
// File names are the bytes the file system knows (a window turns its text
// into them with the platform's file-name encoding, the command line passes
// its arguments as they are), so any name a file can have can be given.
std::filesystem::path field_path(const std::filesystem::path& name);

// The input-file field check (chk_file / chk_text1): false when the trimmed
// name is empty, names no regular file, or names an empty file.
bool input_file_ok(const std::filesystem::path& name);

// The probe counts the first line's items up to this many and stores them.
inline constexpr int kProbeItemLimit = 51;
// The most items a record may have.
inline constexpr int kMaxItemCount = 50;

// The first-line probe: splits the input's first line into rec_item(1..51)
// and returns its item count n; n = kProbeItemLimit + 1 means "more than 51".
int probe_first_line(BatchInput& input, RecordBuffer& rec_item);

// Outcome of chk_infile, in the order it is decided.
enum class InputStatus {
  ItemMode,          // "": everything fits
  LineMode,          // "err1": the item total is not a multiple of the item count
  StartBeyondEnd,    // "err2": fewer whole records than the start line
  ItemCountRefused,  // "err3": the item count differs from the first line, the user said No
  TooManyItems,      // "err4": the first line has more than 50 items
};

struct InputCheck {
  InputStatus status = InputStatus::ItemMode;
  int first_line_items = 0;  // n of the probe
  int item_count = 0;        // as entered
  long record_count = 0;     // whole records: item total / item_count
  long start_line = 0;       // as entered
};

// chk_infile: probes the first line (leaving its items in rec_item), asks the
// Yes/No question "警告メッセージ" through the host when the entered item
// count differs from the first line, then takes the item total of the input.
// item_count must be at least 1.
InputCheck chk_infile(BatchInput& input, int item_count, long start_line, Host& host,
                      RecordBuffer& rec_item);

// The warning text of chk_infile for an entered and an actual item count.
std::u16string item_count_warning(int entered, int actual);

}  // namespace kovari::batch
