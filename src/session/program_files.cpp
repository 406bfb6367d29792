#include "session/program_files.h"

#include "io/file_status.h"
#include "postaldb/startup.h"

namespace kovari {

bool is_program_file(const Session& session, const std::filesystem::path& path) {
  const postaldb::PostalDb& db = session.db;
  const std::optional<io::FileId> id = io::file_id(path);
  for (const postaldb::DataFile* file :
       {&db.main_file, &db.detail_file, &db.third_file, &db.fourth_file}) {
    if (id && file->id() && *id == *file->id()) return true;
  }
  for (const std::string_view name : {postaldb::kMainFileName, postaldb::kDetailFileName,
                                      postaldb::kThirdFileName, postaldb::kFourthFileName}) {
    if (io::same_file(path, db.app_path / name)) return true;
  }
  const paths::UserFiles& own = session.files;
  for (const std::filesystem::path* file :
       {&own.settings_read, &own.settings, &own.clipboard_history, &own.office_index}) {
    if (!file->empty() && io::same_file(path, *file)) return true;
  }
  return false;
}

}  // namespace kovari
