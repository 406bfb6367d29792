// The directory values and table counts of a loaded data set, as name/value
// rows: what `kovari-cli info` prints and the main window shows.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "postaldb/postal_db.h"

namespace kovari::postaldb {

using SummaryRow = std::pair<std::string, std::int64_t>;

std::vector<SummaryRow> load_summary(const PostalDb& db);

}  // namespace kovari::postaldb
