// The batch address-to-code conversion: every record of an input file whose
// address stands in up to three items (住所１-３) gets its seven-digit postal
// code, appended or in place of an old code, optionally with a message item
// and the latest form of the address in one to four items.
//
// The window (or kovari-cli batch-addr) hands over its fields as typed; the
// run checks them, converts the file and reports through the host: the
// message line (Host::status), the item-count question, the progress bar at
// every progress step, and the closing summary box "情報メッセージ".
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "batch/batch_run.h"
#include "host/host.h"
#include "session/session.h"

namespace kovari::batch {

// The fields and options of BatchAddressToCodeWindow, as typed (the file names
// as the file system's bytes: see field_path).
struct AddressBatchFields {
  std::filesystem::path in_file;  // the input file
  std::u16string item_count;      // items per record: 2..50
  // The item of the old code: 0..item count (0 = none).
  std::u16string code_pos = u"0";
  // The items of 住所１-３ (0 = none).
  std::u16string address_pos[3] = {u"0", u"0", u"0"};
  std::u16string start_line;       // empty converts from the first record
  std::filesystem::path out_file;  // the output file
  bool replace_code = false;       // "旧郵便番号と置き換える" (else appended)
  bool hyphen = false;             // "999-9999" (else "9999999")
  bool write_message = true;       // "エラーメッセージをファイル出力"
  bool use_old_code = false;       // "変換に使用する": resolve with the old code
  bool latest_address = false;     // append the latest address
  int edit_type = 1;               // its items, 1..4 (AddressEditFormatWindow)
  // Ask before an existing output file is replaced (the window; the command
  // line replaces it).
  bool ask_overwrite = false;
  // Records converted side by side (kovari-cli --jobs); the window converts
  // one by one.
  int jobs = 1;
};

using AddressBatchOutcome = BatchOutcome;

// Starts a run as the window's "実行" does: checks the fields (an output that
// is the input or one of the program's own files is refused), converts every
// record with convert_address (as with the batch window open, whether it is
// or not), and shows the summary.
AddressBatchOutcome run_address_batch(const AddressBatchFields& fields, Session& session,
                                      Host& host);

// The place an address names, roughly, as an affinity of records converted
// side by side: the two characters after its prefecture name, if it begins
// with one (東京都千代田区… and 千代田区… alike).
std::size_t place_affinity(std::u16string_view address);

}  // namespace kovari::batch
