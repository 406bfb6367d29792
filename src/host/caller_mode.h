// Who runs an engine operation. The interactive windows, the two batch
// conversions and the clipboard watcher share the code search and the address
// resolution; the caller's mode selects where their behaviour differs.
#pragma once

namespace kovari {

enum class CallerMode {
  // The conversion window a user types into: CodeToAddressWindow for a code,
  // AddressToCodeWindow for an address. Several results or an unsettled level
  // come back as a list to choose from, and errors name the field to return to.
  kWindow,
  // The batch address-to-code conversion (and the latest-address search it
  // makes for each code it finds): no prompt, no message box.
  kBatchAddress,
  // The batch code-to-address conversion: no prompt, no message box; the first
  // of several results is used and the outcome is kept as a record status.
  kBatchCode,
  // The clipboard watcher, and kovari-cli, which converts as it does: no list
  // and no prompt.
  kClipboard,
};

}  // namespace kovari
