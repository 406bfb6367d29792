// Detail records from JIGYOSYO: one per office or post-office box, grouped by
// the municipality of the city table.
#pragma once

#include <string>
#include <vector>

#include "jigyosyo.h"
#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

// Fills data.details (per city index, ordered by code). A row whose
// municipality is not in the city table, or whose texts have no double-byte
// form, is reported and left out.
void build_details(const std::vector<OfficeRow>& rows, const std::string& file_label,
                   PostalData& data, Report& report);

// Detail attribute word of a street part: when it ends its address with a
// post-office-box annotation "（…私書箱…）", bracket flag (bit 3) with the
// positions of the two brackets (open + 50 x close, times 16); 0 when there
// is none or a position exceeds 49.
std::int32_t detail_attributes(std::u16string_view street);

}  // namespace kovari::mkdata
