#include "session/session.h"

#include "postaldb/char_tables.h"
#include "postaldb/startup.h"
#include "settings/ini_file.h"

namespace kovari {

postaldb::LoadStatus Session::load(const std::filesystem::path& folder, Host& host,
                                   const paths::UserFiles& user_files) {
  remembered = {};
  caches = {};
  town_cache.clear();
  clip_asked = false;
  files = user_files;
  const postaldb::LoadStatus status =
      postaldb::load_postal_db(folder, db, settings, host, files.settings_read);
  if (status.ok()) {
    const std::u16string_view not_saved =
        settings::settings_not_saved_reason(settings, files.settings);
    if (!not_saved.empty()) host.status(not_saved);
  }
  return status;
}

postaldb::LoadStatus Session::load(const std::filesystem::path& folder, Host& host,
                                   const std::filesystem::path& ini_path) {
  const std::filesystem::path ini = ini_path.empty() ? folder / settings::kIniFileName : ini_path;
  return load(folder, host, paths::UserFiles{ini, ini, {}, {}});
}

settings::SaveResult Session::save_settings() const {
  return settings::save_ini_file(files.settings, settings);
}

int Session::apply_replacement_pairs() {
  return postaldb::set_replacement_pairs(settings, db.tables);
}

}  // namespace kovari
