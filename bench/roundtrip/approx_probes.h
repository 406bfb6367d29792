// The plain town areas written in the ways the approximate rules read, kind by
// kind (long-vowel marks, which matter only where block numbers decide, are
// probed by kovari-accuracy): each probe is an address of one town area written that way, with the
// answer it should get: the record's own code; for a ward whose town area
// other cities' wards of the name hold too, the message that says so; where
// block numbers are added or the town-area name is written otherwise, the
// answer of the address written as the data writes it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "postaldb/postal_db.h"
#include "resolve/approx_rules.h"
#include "town_area_walk.h"

namespace kovari::roundtrip {

struct KindProbe {
  resolve::ApproxRule rule;
  std::u16string address;
  std::u16string code;     // the expected code; empty when a message is expected
  std::u16string message;  // the expected message
  // When not empty: the expected answer is the one this address gets.
  std::u16string reference;
};

// At most `per_kind` probes of each kind, spread over the whole country.
// `areas` are every town area of the data (bracketed ones too), in file order.
std::vector<KindProbe> approximate_probes(const postaldb::PostalDb& db,
                                          const std::vector<TownArea>& areas, std::size_t per_kind);

}  // namespace kovari::roundtrip
