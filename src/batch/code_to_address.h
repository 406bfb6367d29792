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

#include "batch/batch_run.h"
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

using CodeBatchOutcome = BatchOutcome;

// Starts a run as the window's "実行" does: checks the fields, converts, and
// shows the summary. Searches the detail file first when ctl_flg(6) = 1 and
// the batch address-to-code window is not open (address_batch_running).
CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, const postaldb::PostalDb& db,
                                const settings::Settings& settings, Host& host,
                                bool address_batch_running = false);

// The message item written for a record status (empty for kConvOk).
std::u16string_view conv_state_message(std::int16_t conv_state);

// Whether a record status counts as converted, and as a warning.
bool conv_state_converted(std::int16_t conv_state);
bool conv_state_warning(std::int16_t conv_state);

}  // namespace kovari::batch
