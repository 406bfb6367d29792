// kovari-mkdata --update: a new data set from Japan Post's two zip downloads,
// put in place of the old one only once it has been built and loaded back
// without error. A failure at any step, or the builder killed before the
// swap, leaves the old data as it was (see data_set_swap.h).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data_files.h"
#include "postaldb/data_date.h"
#include "report.h"

namespace kovari::mkdata {

struct UpdateRequest {
  std::filesystem::path ken_all_zip;   // holds KEN_ALL.CSV
  std::filesystem::path jigyosyo_zip;  // holds JIGYOSYO.CSV
  std::filesystem::path target;        // the data folder to update
  // The date to record; without it the date of the KEN_ALL.CSV entry.
  std::optional<postaldb::CalendarDate> data_date;
};

struct UpdateResult {
  bool ok = false;
  Counts counts;
  std::u16string data_date;  // as the new main file records it
};

// Runs the update; its problems, and what became of the old data on a
// failure, go to the report.
UpdateResult run_update(const UpdateRequest& request, Report& report);

}  // namespace kovari::mkdata
