#include "session/convert_code.h"

#include <utility>

#include "result_list/list_builders.h"
#include "text/vb.h"

namespace kovari {

CodeOutcome convert_code(Session& session, Host& host, std::u16string_view code, CallerMode mode,
                         const code_search::SearchOptions& options, const ShownFields& shown) {
  const bool batch = mode == CallerMode::kBatchAddress || mode == CallerMode::kBatchCode;
  const bool address_batch_running = session.running.is_set(ConversionWindow::kBatchAddressToCode);
  const code_search::SearchContext ctx{session.db, session.settings, host,
                                       mode,       options,          address_batch_running};
  code_search::CodeSearchState state;
  state.in_code = code;
  state.out_address = shown.address;
  state.out_pobox = shown.pobox;
  state.out_office = shown.office;
  state.status_msg = shown.message;
  const bool prefix = !batch && text::Len(text::trim_view(code)) < 7;
  CodeOutcome out;
  out.result =
      prefix ? code_search::sertch_kovari2(ctx, state) : code_search::sertch_kovari1(ctx, state);
  if (out.result == code_search::SearchOutcome::PrefixList) {
    out.prefix_list =
        result_list::set_list1(session.db, code_search::prefix_hits(state), session.settings);
  } else if (out.result == code_search::SearchOutcome::Several && !batch) {
    out.results = result_list::code_results(text::Trim(state.in_code), state);
  }
  out.code = std::move(state.in_code);
  out.address = std::move(state.out_address);
  out.pobox = std::move(state.out_pobox);
  out.office = std::move(state.out_office);
  out.message = std::move(state.status_msg);
  out.town_text = std::as_const(state.res_address[0])[1];
  out.conv_state = state.conv_state;
  out.focus = state.focus;
  return out;
}

}  // namespace kovari
