// Postal code to address, for every caller: the code window, the batch
// conversions, the clipboard watcher, kovari-cli and the benchmarks. A code
// of seven characters is looked up exactly (the detail file first when the
// settings say so); a shorter one lists the codes that begin with it, except
// in the batches, which look every code up exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "code_search/code_search.h"
#include "host/caller_mode.h"
#include "host/focus.h"
#include "host/host.h"
#include "result_list/result_list.h"
#include "session/session.h"

namespace kovari {

struct CodeOutcome {
  code_search::SearchOutcome result = code_search::SearchOutcome::NotFound;
  // The code searched for last: the prefix fallback shortens it.
  std::u16string code;
  // The single result, or the first of several when the caller takes it.
  std::u16string address, pobox, office;
  std::u16string message;  // what the window's message line shows
  // Several: the results of the code as the code window lists them (not for
  // the batches, which take the first).
  std::vector<result_list::ResultRow> results;
  // PrefixList: the codes found, as the result list shows them in its mode 1
  // (result_list::set_list1).
  result_list::ResultList prefix_list;
  // kBatchAddress: the town-area text of the first result, empty when the
  // code has several.
  std::u16string town_text;
  // kBatchCode: the record status.
  code_search::ConvState conv_state = code_search::ConvState::kOk;
  Focus focus = Focus::kNone;  // window mode: the field to return to
};

// The outputs as a caller shows them before a search. The search overwrites
// those it decides and leaves the others as they were: the code window keeps
// in its fields what a failed or prefix search does not replace.
struct ShownFields {
  std::u16string address, pobox, office, message;
};

// The search of `code` for a caller in `mode` with its own options, starting
// from the outputs it shows; whether the batch address-to-code window is open
// comes from the session.
CodeOutcome convert_code(Session& session, Host& host, std::u16string_view code, CallerMode mode,
                         const code_search::SearchOptions& options = {},
                         const ShownFields& shown = {});

// What a caller that converts code after code keeps between conversions: the
// search's state and the outcome, whose texts' room the next one reuses.
struct CodeBuffers {
  code_search::CodeSearchState state;
  CodeOutcome outcome;
};

// The same into `buffers`: the outcome returned lives in them until their
// next conversion.
const CodeOutcome& convert_code(Session& session, Host& host, std::u16string_view code,
                                CallerMode mode, CodeBuffers& buffers,
                                const code_search::SearchOptions& options = {},
                                const ShownFields& shown = {});

}  // namespace kovari
