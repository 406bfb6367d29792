// What a postal-code search works with besides its state: the open data, the
// option flags, the host for its message box, and who is calling. The window,
// the two batch converters and the clipboard watcher run the same searches;
// the caller's mode selects where their behaviour differs.
#pragma once

#include "host/caller_mode.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::code_search {

// The caller's own choices, the check boxes of its window.
struct SearchOptions {
  // "変換できない場合、前方一致検索する" of CodeToAddressWindow (kWindow only).
  bool prefix_fallback = true;
  // ClipboardConvertWindow: use the first of several results (kClipboard only).
  bool first_of_several = true;
};

// How the callers' searches differ (`mode`):
// - kWindow (CodeToAddressWindow): several results are listed for the user to
//   choose from, a code that is not found may fall back to the prefix search,
//   an inconsistent index is reported in a message box, errors send the user
//   back to the code field.
// - kBatchCode: no message box and no prompt; the first of several results is
//   used; the outcome is kept in conv_state; a bracketed detail containing "～"
//   is left out of the address.
// - kBatchAddress (the latest-address step of the batch address-to-code
//   conversion): no message box and no prompt, never the detail file;
//   edit_address also leaves each result's town-area text in res_address[0][n]
//   (emptied in row 1 when the code has several results).
// - kClipboard: no list and no prompt; the first of several results is used
//   only when first_of_several is set; an inconsistent index is reported in a
//   message box.
struct SearchContext {
  const postaldb::PostalDb& db;
  const settings::Settings& settings;  // Flag::kDetailFile: search the detail file first
  Host& host;
  CallerMode mode = CallerMode::kWindow;
  SearchOptions options;
  // The batch address-to-code window is open: the batch and clipboard
  // searches then leave the detail file alone.
  bool address_batch_running = false;
};

}  // namespace kovari::code_search
