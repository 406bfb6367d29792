#include "session/session.h"

#include "postaldb/char_tables.h"
#include "postaldb/startup.h"

namespace kovari {

postaldb::LoadStatus Session::load(const std::filesystem::path& folder, Host& host,
                                   const std::filesystem::path& ini_path) {
  remembered = {};
  caches = {};
  clip_asked = false;
  return postaldb::load_postal_db(folder, db, settings, host, ini_path);
}

int Session::apply_replacement_pairs() {
  return postaldb::set_replacement_pairs(settings, db.tables);
}

}  // namespace kovari
