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

#include <string>

#include "batch/batch_run.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"
#include "settings/settings.h"

namespace kovari::batch {

// The fields and options of BatchAddressToCodeWindow, as typed.
struct AddressBatchFields {
  std::u16string in_file;                              // Text1
  std::u16string item_count;                           // Text2: 2..50
  std::u16string code_pos = u"0";                      // Text3: 0..item count (0 = none)
  std::u16string address_pos[3] = {u"0", u"0", u"0"};  // Text8..Text10: 住所１-３
  std::u16string start_line;  // Text13: empty converts from the first record
  std::u16string out_file;    // Text11
  bool replace_code = false;  // Option1 "旧郵便番号と置き換える" (else appended, Option2)
  bool hyphen = false;        // Option4 "999-9999" (else Option3 "9999999")
  bool write_message = true;    // Check1 "エラーメッセージをファイル出力"
  bool use_old_code = false;    // Check3: ctl_flg(9) = 1
  bool latest_address = false;  // Check2: append the latest address
  int edit_type = 1;            // its items, 1..4 (AddressEditFormatWindow)
};

using AddressBatchOutcome = BatchOutcome;

// Starts a run as the window's "実行" does: checks the fields, converts (with
// running(3) = 1, caller mode 2), and shows the summary. Resolution keeps its
// remembered choices and caches in `state` between records and runs.
AddressBatchOutcome run_address_batch(const AddressBatchFields& fields,
                                      const postaldb::PostalDb& db,
                                      const settings::Settings& settings, Host& host,
                                      resolve::ResolveState& state);

}  // namespace kovari::batch
