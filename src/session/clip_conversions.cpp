#include "session/clip_conversions.h"

#include <utility>

#include "session/convert_address.h"

namespace kovari {

clipboard::ClipConverter::Address SessionClipConverter::code_to_address(std::u16string_view code,
                                                                        bool first_of_several) {
  code_search::SearchOptions options;
  options.first_of_several = first_of_several;
  const CodeOutcome& found =
      convert_code(session_, host_, code, CallerMode::kClipboard, code_buffers_, options);
  return {found.address, found.pobox, found.office};
}

clipboard::ClipConverter::Code SessionClipConverter::address_to_code(std::u16string_view address) {
  AddressOutcome found = convert_address(session_, host_, address, CallerMode::kClipboard);
  return {std::move(found.code), std::move(found.decomposition.addr_text)};
}

}  // namespace kovari
