// The run that both batch conversions share: the outcome they report, the
// refusals and failures, and cnv_file's reading, progress and writing around
// each conversion's own work on a record.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "batch/input_file.h"
#include "batch/item_reader.h"
#include "host/focus.h"
#include "host/host.h"
#include "session/session.h"

namespace kovari::batch {

// Message texts both windows show.
inline constexpr std::u16string_view kMsgRunning = u"一括変換処理中！！";
inline constexpr std::u16string_view kMsgBadInput = u"変換前ファイルの入力に誤りがあります。";
inline constexpr std::u16string_view kMsgSameFile =
    u"変換前ファイルと変換後ファイルは同一にできません。";
inline constexpr std::u16string_view kMsgInputUnreadable = u"変換前ファイルを読み込めません。";
inline constexpr std::u16string_view kMsgTooManyItems =
    u"変換前ファイルの項目数は５０を超えています。";
// Also the refusal of an output that names one of the program's own files.
inline constexpr std::u16string_view kMsgOutputUncreatable = u"変換後ファイルを作成できません。";

enum class BatchResult {
  Finished,  // the summary box has been shown
  Refused,   // a field or the input check refused the run; message and focus tell
  Failed,    // the input could not be read or the output not written
};

struct BatchOutcome {
  BatchResult result = BatchResult::Refused;
  std::u16string message;      // the message line after a refusal or failure
  Focus focus = Focus::kNone;  // the field to return to after a refusal
  // Detail of a failure, or of a refused output file (file name and reason);
  // file names are the file system's bytes.
  std::string error;
  long target_count = 0;     // records from the start line on (変換対象件数)
  long converted_count = 0;  // records that got an address or a code (変換件数)
  long warning_count = 0;    // of those, with a warning (内ワーニング; code to address only)
  double seconds = 0;        // run time
  std::u16string summary;    // the text of the summary box of a finished run
};

// A refused run: the message line (unless the message is empty) and the field
// to return to.
BatchOutcome refuse(Host& host, std::u16string_view message, Focus focus);

// A failed run: the message line and a warning box with the detail.
BatchOutcome& fail(BatchOutcome& outcome, Host& host, std::u16string_view message,
                   std::string error);

// The output-file checks of "実行", once the output name is not empty (the
// trimmed names `in` and `out`): an output that is the input file (the same
// name, or the same file under another) is refused with kMsgSameFile, one
// that is one of the program's own files (is_program_file: a data file, the
// settings file ...) with kMsgOutputUncreatable and the file named in
// `error`; both with the focus on the output field. With `ask_overwrite` (a
// window's run), an existing output is replaced only when the user answers
// Yes; No refuses with the output field's prompt. Nothing when it passes.
std::optional<BatchOutcome> check_output(const std::filesystem::path& in,
                                         const std::filesystem::path& out, const Session& session,
                                         Host& host, bool ask_overwrite);

// set_kovari_no: the old code a record's code item carries. A value that is
// numeric once trimmed and at most max_length characters long stays as it is
// (blanks included); any other value is reduced to its digits, full-width
// digits read as half-width ("〒１００－０００１" gives "1000001").
std::u16string set_kovari_no(std::u16string_view item, int max_length);

// A code as a record or an answer carries it: Format with "000-0000" when
// `hyphen`, else "0000000".
std::u16string format_code(std::u16string_view code, bool hyphen);

// The progress bar moves at every step-th record: the integer part of
// record_count / 100 + 0.99999, at least 1.
long progress_step(long record_count);

// The records read per second after `seconds` (0 before any time has passed).
double records_per_second(long records, double seconds);

// What a conversion does to each record; the shared run reads and writes.
class RecordConverter {
 public:
  virtual ~RecordConverter() = default;
  // Once the input passed its check, with the record's item count: places the
  // items the conversion adds and returns the number of items written per
  // record. convert_record writes every item past item_count up to that
  // number, so a record's output depends on nothing a record before it left
  // there (records convert side by side).
  virtual int lay_out(int item_count) = 0;
  // Converts the record in rec_item in place and counts it (target_count
  // already is).
  virtual void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) = 0;
  // Where records convert side by side, those of one affinity go to the same
  // job, so that what a job keeps from a record (the data it read for a
  // place) serves the next records of that place. Any value gives the same
  // output; by default the records take turns in runs of 64 (`index` counts
  // them), whose lines are written at once.
  virtual std::size_t affinity(const RecordBuffer& rec_item, std::size_t index) const {
    (void)rec_item;
    return index / 64;
  }
  // Appends the output line of a converted record (its items 1..out count)
  // to `bytes`, with `line` as room to build it in. False, with `bad` at the
  // position in the line of a character that cannot be written, and `bytes`
  // as it was. By default the line of a batch output file (append_record).
  virtual bool append_line(std::span<const std::u16string> items, std::u16string& line,
                           std::string& bytes, std::size_t& bad) const;
};

// Where the two windows differ in the shared run.
struct BatchForm {
  std::u16string_view caption;  // the progress window's caption
  Focus start_line_field;       // the focus when the start line lies past the records
  Focus item_count_field;       // the focus when the item count is refused
  bool counts_warnings;         // the summary has the line 内ワーニング
};

// The checked run settings the shared run needs.
struct RunPlan {
  std::filesystem::path out_path;
  int item_count = 0;
  long start_line = 0;
};

// "実行" once the fields are checked: cnv_file (checks the input, then converts
// every record from the start line on; an input that cannot be read to its
// end fails with kMsgInputUnreadable and leaves no output), then, for a finished run, the run time
// since `start` and the summary box "情報メッセージ". With one converter the
// records convert one by one; with several (one per job, each with a host
// that may be called from its own thread) they convert side by side, with
// the same output and counts.
BatchOutcome run_batch(BatchInput& input, const RunPlan& plan, const BatchForm& form,
                       std::span<RecordConverter* const> converters, Host& host,
                       std::chrono::steady_clock::time_point start);

}  // namespace kovari::batch
