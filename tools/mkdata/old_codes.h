// The old-code table of the third file, from KEN_ALL's 旧郵便番号 column.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

// The table key of an old code as written in the CSV ("060  ", "06001"): its
// numeric value with leading zeros to five digits when it is 1000 or more,
// else to three digits followed by "00". std::nullopt when it is not a code.
std::optional<std::string> old_code_key(std::u16string_view old_code);

// One entry per key, sorted by key, with the text "prefecture／city／ward".
// Where one old code covers several municipalities, only the levels they share
// are kept (a differing level and the ones below it are empty).
std::vector<OldCode> build_old_codes(const PostalData& data, Report& report);

}  // namespace kovari::mkdata
