// Office-name tables 6 and 7 of the detail file. Table 6 holds one entry per
// distinct office name after the normalisation the search applies to the
// typed text, so that an exact search finds it; table 7 lists, name by name,
// the offsets of the name's detail records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "postal_data.h"

namespace kovari::mkdata {

// The search's normalisation of a (full-width) office name: blanks and "・"
// removed, small kana enlarged, then the first occurrence of each word of the
// word table removed, in table order.
std::u16string normalize_office_name(std::u16string_view name,
                                     const std::vector<std::u16string>& words);

struct OfficeName {
  std::u16string name;                // normalised, not empty
  std::vector<std::int32_t> offsets;  // detail-record offsets, ascending
};

// The table-6 entries in name order, from the detail records whose offsets
// the writer has set. Offices whose name normalises to nothing are left out.
std::vector<OfficeName> office_names(const PostalData& data);

}  // namespace kovari::mkdata
