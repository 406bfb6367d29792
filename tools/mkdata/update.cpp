#include "update.h"

#include <system_error>

#include "builder.h"
#include "data_set_swap.h"
#include "paths/user_files.h"
#include "postaldb/startup.h"
#include "zip_csv.h"

namespace kovari::mkdata {

namespace {

// Loads the staged files with the program's own loader and compares the
// directory with what was built; returns the problem, or "".
std::string check_staged_set(const std::filesystem::path& staging, const Counts& counts,
                             std::u16string& data_date) {
  postaldb::PostalDb db;
  settings::Settings settings;
  SilentHost host;
  const postaldb::LoadStatus status = postaldb::load_postal_db(staging, db, settings, host);
  if (!status.ok()) return "the new files do not load: " + status.error;
  const postaldb::Directory& dir = db.dir;
  if (dir.pref_count != counts.prefs || dir.city_count != counts.cities ||
      dir.code_count != counts.codes || dir.code2_count != counts.detail_codes ||
      dir.old_code_count != counts.old_codes || dir.tbl4_count != counts.town_name_keys) {
    return "the new files load with other counts than were built";
  }
  data_date = dir.data_date;
  return "";
}

// Reports `problem` with the note that the old data is in use still.
UpdateResult refuse(const std::string& problem, const std::filesystem::path& target,
                    Report& report) {
  report.fatal(problem);
  report.note("the data in " + target.string() + " is unchanged");
  return {};
}

}  // namespace

UpdateResult run_update(const UpdateRequest& request, Report& report) {
  const ZipCsv ken_all = read_zip_csv(request.ken_all_zip, "KEN_ALL.CSV");
  if (!ken_all.error.empty()) return refuse(ken_all.error, request.target, report);
  const ZipCsv jigyosyo = read_zip_csv(request.jigyosyo_zip, "JIGYOSYO.CSV");
  if (!jigyosyo.error.empty()) return refuse(jigyosyo.error, request.target, report);

  const std::optional<postaldb::CalendarDate> date =
      request.data_date ? request.data_date : ken_all.entry_date;
  if (!date) report.note("KEN_ALL.CSV carries no valid date: the data date is recorded as unknown");
  const BuildOutput built = build_data_files(ken_all.bytes, jigyosyo.bytes, report, date);
  if (report.has_fatal()) return refuse("the new data cannot be built", request.target, report);

  std::error_code error;
  std::filesystem::create_directories(request.target, error);
  if (error) return refuse("cannot create " + request.target.string(), request.target, report);
  if (std::string busy = clear_stale_staging(request.target); !busy.empty()) {
    return refuse(busy, request.target, report);
  }
  const std::filesystem::path staging = staging_folder(request.target);
  UpdateResult result;
  std::string problem;
  std::vector<std::string> names;
  for (const DataFile& file : built.files) names.push_back(file.name);
  if (!write_data_files(built.files, staging, report)) {
    problem = "cannot write the new files into " + staging.string();
  } else if (problem = check_staged_set(staging, built.counts, result.data_date); problem.empty()) {
    problem = swap_in_data_set(staging, request.target, names);
  }
  if (!problem.empty()) {
    std::filesystem::remove_all(staging, error);
    return refuse(problem, request.target, report);
  }
  // The office-name index beside the data was made from the old data: the
  // next search builds it anew.
  std::filesystem::remove(request.target / paths::file_name(paths::UserFile::OfficeIndex), error);
  result.ok = true;
  result.counts = built.counts;
  return result;
}

}  // namespace kovari::mkdata
