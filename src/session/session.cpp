#include "session/session.h"

#include "postaldb/char_tables.h"
#include "postaldb/startup.h"

namespace kovari {

postaldb::LoadStatus Session::load(const std::filesystem::path& folder, Host& host) {
  remembered = {};
  caches = {};
  clip_asked = 0;
  return postaldb::load_postal_db(folder, db, settings, host);
}

int Session::apply_replacement_pairs() {
  return postaldb::set_replacement_pairs(settings, db.tables);
}

}  // namespace kovari
