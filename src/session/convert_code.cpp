#include "session/convert_code.h"

#include <utility>

#include "result_list/list_builders.h"
#include "text/vb.h"

namespace kovari {

CodeOutcome convert_code(Session& session, Host& host, std::u16string_view code, CallerMode mode,
                         const code_search::SearchOptions& options, const ShownFields& shown) {
  CodeBuffers buffers;
  convert_code(session, host, code, mode, buffers, options, shown);
  return std::move(buffers.outcome);
}

const CodeOutcome& convert_code(Session& session, Host& host, std::u16string_view code,
                                CallerMode mode, CodeBuffers& buffers,
                                const code_search::SearchOptions& options,
                                const ShownFields& shown) {
  const bool batch = mode == CallerMode::kBatchAddress || mode == CallerMode::kBatchCode;
  const bool address_batch_running = session.running.is_set(ConversionWindow::kBatchAddressToCode);
  const code_search::SearchContext ctx{session.db, session.settings, host,
                                       mode,       options,          address_batch_running};
  code_search::CodeSearchState& state = buffers.state;
  state.reset();
  state.in_code = code;
  // The reset has emptied the outputs: only the texts a caller shows go back.
  for (const auto& [output, text] :
       {std::pair{&state.out_address, &shown.address}, std::pair{&state.out_pobox, &shown.pobox},
        std::pair{&state.out_office, &shown.office},
        std::pair{&state.status_msg, &shown.message}}) {
    if (!text->empty()) output->assign(*text);
  }
  const bool prefix = !batch && text::Len(text::trim_view(code)) < 7;
  CodeOutcome& out = buffers.outcome;
  out.result =
      prefix ? code_search::sertch_kovari2(ctx, state) : code_search::sertch_kovari1(ctx, state);
  out.results.clear();
  out.prefix_list = {};
  if (out.result == code_search::SearchOutcome::PrefixList) {
    out.prefix_list =
        result_list::set_list1(session.db, code_search::prefix_hits(state), session.settings);
  } else if (out.result == code_search::SearchOutcome::Several && !batch) {
    out.results = result_list::code_results(text::Trim(state.in_code), state);
  }
  // Swapped, not moved: the room of both stays for the next conversion.
  out.code.swap(state.in_code);
  out.address.swap(state.out_address);
  out.pobox.swap(state.out_pobox);
  out.office.swap(state.out_office);
  out.message.swap(state.status_msg);
  // Only the batch address search writes town-area texts.
  if (mode == CallerMode::kBatchAddress) {
    out.town_text = std::as_const(state.res_address[0])[1];
  } else {
    out.town_text.clear();
  }
  out.conv_state = state.conv_state;
  out.focus = state.focus;
  return out;
}

}  // namespace kovari
