#include "postaldb/startup.h"

#include <string>

#include "postaldb/char_tables.h"
#include "postaldb/code_numbers.h"
#include "postaldb/directory.h"
#include "postaldb/directory_check.h"
#include "postaldb/loaders.h"
#include "settings/ini_file.h"
#include "text/format.h"
#include "text/strconv.h"

namespace kovari::postaldb {

namespace {

constexpr std::string_view kBuildHint = "build the data with kovari-mkdata (see README)";

LoadStatus open_files(const std::filesystem::path& app_path, PostalDb& db) {
  db.app_path = app_path;
  struct FileSlot {
    DataFile* file;
    std::string_view name;
  };
  const FileSlot slots[] = {{&db.main_file, kMainFileName},
                            {&db.detail_file, kDetailFileName},
                            {&db.third_file, kThirdFileName},
                            {&db.fourth_file, kFourthFileName}};
  for (const FileSlot& slot : slots) {
    if (!slot.file->open(app_path / slot.name))
      return LoadStatus::failure(LoadProblem::kFileUnreadable, slot.file->error());
  }
  const std::string main_name(kMainFileName);
  if (!db.main_file.exists()) {
    return LoadStatus::failure(
        LoadProblem::kMainFileMissing,
        main_name + " is missing in " + app_path.string() + ": " + std::string(kBuildHint));
  }
  if (db.main_file.length() < kBlockSize) {
    return LoadStatus::failure(
        LoadProblem::kMainFileTooShort,
        main_name + " in " + app_path.string() + " is only " +
            std::to_string(db.main_file.length()) +
            " bytes, shorter than its directory block: " + std::string(kBuildHint));
  }
  db.data4_present = db.fourth_file.length() != 0 ? 1 : 0;
  return LoadStatus::success();
}

// The window's message line tells the user which of their pairs are not in use.
void report_dropped_pairs(int dropped, Host& host) {
  if (dropped == 0) return;
  auto count = [](int n) { return text::to_full_width_digits(text::Format(n, u"##,##0")); };
  host.status(u"文字置換は合計" + count(kMaxChrPairs) + u"件までのため、登録の" + count(dropped) +
              u"件は使用しません。");
}

}  // namespace

LoadStatus load_postal_db(const std::filesystem::path& app_path, PostalDb& db,
                          settings::Settings& settings, Host& host,
                          const std::filesystem::path& ini_path) {
  db = PostalDb();
  if (LoadStatus s = open_files(app_path, db); !s.ok()) return s;
  if (LoadStatus s = get_control(db.main_file, db.dir); !s.ok()) return s;
  if (LoadStatus s = get_control2(db.detail_file, db.dir); !s.ok()) return s;

  settings = settings::default_settings();
  settings::get_ini_file(ini_path.empty() ? app_path / settings::kIniFileName : ini_path, settings);
  const bool detail_in_use = settings.flag(settings::Flag::kDetailFile) != 0;

  if (detail_in_use) {
    if (LoadStatus s = get_control3(db.third_file, db.dir); !s.ok()) return s;
  }
  if (db.data4_present == 1) {
    if (LoadStatus s = get_control4(db.fourth_file, db.dir); !s.ok()) return s;
  }
  if (LoadStatus s = check_directory(db, detail_in_use); !s.ok()) return s;

  const Directory& dir = db.dir;
  read_index_codes(db);
  const std::int64_t total = std::int64_t{dir.city_count} + dir.pref_count + dir.bill_count +
                             dir.city_pos2_count + dir.word_count + dir.ward_pair_count;
  host.progress_range(0, static_cast<long>(total));
  LoadProgress progress(host);

  if (LoadStatus s = get_city1(db, progress); !s.ok()) return s;
  if (LoadStatus s = get_city2(db, progress); !s.ok()) return s;
  if (LoadStatus s = get_bill(db, progress); !s.ok()) return s;
  if (detail_in_use) {
    if (LoadStatus s = get_city3(db, progress); !s.ok()) return s;
    if (LoadStatus s = get_city5(db, progress); !s.ok()) return s;
  }
  if (LoadStatus s = get_city6(db, progress); !s.ok()) return s;
  if (LoadStatus s = get_chr(db); !s.ok()) return s;
  report_dropped_pairs(set_replacement_pairs(settings, db.tables), host);
  set_table1(db.tables);
  set_table2(db.tables);
  return LoadStatus::success();
}

}  // namespace kovari::postaldb
