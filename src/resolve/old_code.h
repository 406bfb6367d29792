// The batch pre-step: an address missing two of its three upper levels is
// completed from the ward-pair table or from the record's existing (old)
// postal code, looked up in the old-code table of "kovari3tbl.dat".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "decompose/decomposition.h"
#include "postaldb/postal_db.h"

namespace kovari::resolve {

struct OldCodePlace {
  std::u16string pref, city, ward;
};

// The prefecture, city and ward/town an old postal code stood for, or nothing
// when the code is not in the table.
std::optional<OldCodePlace> look_up_old_code(const postaldb::PostalDb& db,
                                             std::u16string_view old_code);

// Completes parts kPref..kWardTown of `slot` (from old_code only with
// use_old_code). Returns false when the address cannot be completed and its
// ward is one that several designated cities share.
bool complete_from_old_code(decompose::DecompositionSlot& slot, const postaldb::PostalDb& db,
                            std::u16string_view old_code, bool use_old_code);

}  // namespace kovari::resolve
