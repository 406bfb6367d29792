// The input field an outcome sends the user back to. The engine names the
// field by what it holds; each window maps that to one of its controls.
#pragma once

namespace kovari {

enum class Focus {
  kNone,
  kCode,     // the postal code typed into a conversion window
  kAddress,  // the address typed into a conversion window
  // The fields of the batch windows.
  kInputFile,
  kItemCount,
  kCodePosition,
  kAddress1Position,
  kAddress2Position,
  kAddress3Position,
  kStartLine,
  kOutputFile,
};

}  // namespace kovari
