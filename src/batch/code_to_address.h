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
#include <filesystem>
#include <string>
#include <string_view>

#include "batch/batch_run.h"
#include "code_search/search_state.h"
#include "host/host.h"
#include "session/session.h"

namespace kovari::batch {

// The fields of BatchCodeToAddressWindow, as typed (the file names as the file
// system's bytes: see field_path).
struct CodeBatchFields {
  std::filesystem::path in_file;   // the input file
  std::u16string item_count;       // items per record: 1..50; empty takes the first line's count
  std::u16string code_pos;         // the code's item: 1..item count
  std::u16string start_line;       // empty is taken as "1"
  std::filesystem::path out_file;  // the output file
  bool write_message = false;      // "エラーメッセージをファイル出力"
  // Ask before an existing output file is replaced (the window; the command
  // line replaces it).
  bool ask_overwrite = false;
  // Records converted side by side (kovari-cli --jobs); the window converts
  // one by one.
  int jobs = 1;
};

using CodeBatchOutcome = BatchOutcome;

// Starts a run as the window's "実行" does: checks the fields (an output that
// is the input or one of the program's own files is refused), converts every
// record with convert_code, and shows the summary. Searches the detail file
// first when Flag::kDetailFile is set and the batch address-to-code window is
// not open.
CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, Session& session, Host& host);

// The message item written for a record status (empty for kOk).
std::u16string_view conv_state_message(code_search::ConvState conv_state);

// Whether a record status counts as converted, and as a warning.
bool conv_state_converted(code_search::ConvState conv_state);
bool conv_state_warning(code_search::ConvState conv_state);

}  // namespace kovari::batch
