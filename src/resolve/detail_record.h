// The address of one detail record decomposed into slot 2 of the
// decomposition result, and the comparison of its block numbers with those of
// the input address in slot 1.
#pragma once

#include <string_view>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::resolve {

struct DetailAddressOptions {
  int kyoto_mode = 0;         // the municipality lies in 京都市
  int approximate_match = 0;  // Flag::kApproximate, as for the input address
};

// Fills slot 2 of d from a detail record's address (town-area name followed by
// the street part) and sets d.addr_slot = 2. Parts 1 to 3 are those of slot 1;
// the address is decomposed exactly as if the user had typed them followed by
// it, and its town area is prepared as resolution prepares the input's, so an
// input naming the same place gives the same parts. An address that names a
// building of the building table leaves parts 4 to 9 empty: the building's
// own code decides such an input before any detail record is looked at.
void decompose_detail_record(std::u16string_view address, decompose::Decomposition& d,
                             const postaldb::PostalTables& tables,
                             const DetailAddressOptions& options);

// 1 when the 丁目, 番地, 号 and fourth numbers of slot 2 equal those of slot 1
// and the building of slot 2 equals that of slot 1 or slot 1 names none; else 0.
int compare_block_parts(const decompose::Decomposition& d);

}  // namespace kovari::resolve
