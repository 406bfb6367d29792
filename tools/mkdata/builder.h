// The whole build: the two official CSV files in, the four data files out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data_files.h"
#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

struct BuildOutput {
  PostalData data;
  Counts counts;
  std::vector<DataFile> files;  // main, detail, third, fourth
};

// ken_all and jigyosyo are the Shift-JIS bytes of KEN_ALL.CSV and
// JIGYOSYO.CSV; data_date, when known, is recorded in the main file. Problems
// go to the report; the files are valid to write only when the report holds no
// fatal problem.
BuildOutput build_data_files(std::string_view ken_all, std::string_view jigyosyo, Report& report,
                             std::optional<postaldb::CalendarDate> data_date = std::nullopt);

}  // namespace kovari::mkdata
