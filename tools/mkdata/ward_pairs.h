// The ward-pair table of the third file: (city, ward) for the wards of the
// designated cities and ("東京都", ward) for the Tokyo wards.
#pragma once

#include <vector>

#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

// The Tokyo wards first, then the designated-city wards, city by city in the
// order of the program's designated-city groups.
// A designated-city ward whose name recurs (in another designated city or in
// Tokyo) is left out: its pair would send the ward to the wrong city. Every
// other ward has its pair: with today's twenty designated cities that is more
// than the 110 pairs the table once held, and the loader keeps them all.
std::vector<WardPair> build_ward_pairs(const PostalData& data, Report& report);

}  // namespace kovari::mkdata
