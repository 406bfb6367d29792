// Checks that hold for every data set the builder writes, run on the built
// files against the CSV lines they were built from.
#pragma once

#include <filesystem>
#include <vector>

#include "jigyosyo.h"
#include "ken_all.h"
#include "postaldb/postal_db.h"

namespace kovari::mkdata::testing {

struct SourceRows {
  std::vector<TownRow> towns;
  std::vector<OfficeRow> offices;
};

// KEN_ALL.CSV and JIGYOSYO.CSV of a folder, read as the builder reads them.
SourceRows read_sources(const std::filesystem::path& csv_dir);

// Every city's town-area records, walked as the readers walk them: sizes of
// 19 + 2 x characters that end exactly at the next city's position, the
// location word of their city, the catch-all record first and the index
// initials in order.
void expect_town_walks(const postaldb::PostalDb& db);
// Both postal-code indexes sorted with correct run ordinals.
void expect_indexes_sorted(const postaldb::PostalDb& db);
// Every code of KEN_ALL found through the index, on a record of its
// municipality with its name.
void expect_every_town_code_found(const postaldb::PostalDb& db, const std::vector<TownRow>& rows);
// Every code of JIGYOSYO found through the detail index, on a record of its
// municipality; every city's detail range holds only records of that city.
void expect_every_detail_code_found(const postaldb::PostalDb& db,
                                    const std::vector<OfficeRow>& rows);

}  // namespace kovari::mkdata::testing
