// Walks every detail record (large-volume office or post-office box) of the
// detail file with the prefecture and city row it belongs to.
#pragma once

#include <functional>

#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"

namespace kovari::accuracy {

struct DetailEntry {
  int pref = 0;  // prefecture index
  int row = 0;   // city-table row
  resolve::DetailRecord record;
};

void for_each_detail_record(const postaldb::PostalDb& db,
                            const std::function<void(const DetailEntry&)>& visit);

}  // namespace kovari::accuracy
