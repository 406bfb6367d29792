// The batch code-to-address conversion: every record of an input file gets
// the address of the postal code in one of its items (and, when asked, a
// message item telling how the conversion went).
//
// The window (or kovari-cli batch-code) hands over its fields as typed; the
// run checks them, converts the file and reports through the host: the
// message line (Host::status), the item-count question, the progress bar at
// every progress step, and the closing summary box "情報メッセージ".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "batch/item_reader.h"
#include "code_search/search_state.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::batch {

// The fields of BatchCodeToAddressWindow, as typed.
struct CodeBatchFields {
  std::u16string in_file;      // Text1
  std::u16string item_count;   // Text7: 1..50; empty takes the first line's count
  std::u16string code_pos;     // Text2: 1..item count
  std::u16string start_line;   // Text3: empty is taken as "1"
  std::u16string out_file;     // Text4
  bool write_message = false;  // Check1 "エラーメッセージをファイル出力"
};

enum class BatchResult {
  Finished,  // the summary box has been shown
  Refused,   // a field or the input check refused the run; message and focus tell
  Failed,    // the input could not be read or the output not written
};

struct CodeBatchOutcome {
  BatchResult result = BatchResult::Refused;
  std::u16string message;    // the message line after a refusal or failure
  std::string focus;         // the field to return to ("Text1", "Text7" ...), or empty
  std::string error;         // UTF-8 detail of a failure (file name and reason)
  long target_count = 0;     // records from the start line on (変換対象件数)
  long converted_count = 0;  // records that got an address (変換件数)
  long warning_count = 0;    // of those, with a warning (内ワーニング)
  double seconds = 0;        // run time
};

// Starts a run as the window's "実行" does: checks the fields, converts, and
// shows the summary. Searches the detail file first when ctl_flg(6) = 1 and
// the batch address-to-code window is not open (address_batch_running).
CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, const postaldb::PostalDb& db,
                                const settings::Settings& settings, Host& host,
                                bool address_batch_running = false);

// set_kovari_no: the record's code item in narrow form; a value that is
// numeric once trimmed and at most 7 characters long stays as it is (blanks
// included), any other value is reduced to its digits.
std::u16string set_kovari_no(std::u16string_view item);

// The message item written for a record status (empty for kConvOk).
std::u16string_view conv_state_message(std::int16_t conv_state);

// Whether a record status counts as converted, and as a warning.
bool conv_state_converted(std::int16_t conv_state);
bool conv_state_warning(std::int16_t conv_state);

// The text of the summary box.
std::u16string code_batch_summary(const CodeBatchOutcome& outcome);

}  // namespace kovari::batch
