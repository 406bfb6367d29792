// The program's one running state, shared by every window: the loaded postal
// data, the settings, which conversion windows are open, whether the clipboard
// question was asked, and what address resolution keeps from one address to
// the next. Engine operations take it as their context; nothing is global.
#pragma once

#include <filesystem>

#include "host/host.h"
#include "host/running_windows.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"
#include "settings/settings.h"

namespace kovari {

struct Session {
  postaldb::PostalDb db;
  settings::Settings settings;
  RunningWindows running;
  // Set once a window has asked whether the clipboard may be cleared
  // (clipboard::ask_first_copy).
  bool clip_asked = false;
  resolve::RememberedChoices remembered;
  resolve::ResolveCaches caches;

  // The start-up load from `folder`: the data files and the settings file
  // `ini_path` (by default the one beside the data; postaldb::load_postal_db).
  // Whatever depends on the data (the caches, the remembered choices) is
  // emptied, and clip_asked is cleared.
  postaldb::LoadStatus load(const std::filesystem::path& folder, Host& host,
                            const std::filesystem::path& ini_path = {});

  // Rebuilds the replacement table in use from the data file's pairs and the
  // user's pairs in `settings`, after the user changed them. Returns the
  // number of user pairs left out for want of room.
  int apply_replacement_pairs();
};

}  // namespace kovari
