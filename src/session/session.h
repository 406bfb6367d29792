// The program's one running state, shared by every window: the loaded postal
// data, the settings, which conversion windows are open, whether the clipboard
// question was asked, and what address resolution keeps from one address to
// the next. Engine operations take it as their context; nothing is global.
#pragma once

#include <filesystem>

#include "host/host.h"
#include "host/running_windows.h"
#include "paths/user_files.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"
#include "resolve/town_records.h"
#include "settings/settings.h"
#include "settings/settings_save.h"

namespace kovari {

struct Session {
  postaldb::PostalDb db;
  settings::Settings settings;
  RunningWindows running;
  // Set once a window has asked whether the clipboard may be cleared
  // (clipboard::ask_first_copy).
  bool clip_asked = false;
  // How the batch address-to-code run splits the latest address (1..4
  // items): 1 whenever a batch window opens, chosen in the edit format window.
  int edit_type = 1;
  resolve::RememberedChoices remembered;
  resolve::ResolveCaches caches;
  // The town-area records read so far (conversions that run side by side
  // over this session's data keep their own: ResolveMemory).
  resolve::TownCache town_cache;
  // The program's own files of this run: the settings are read from and saved
  // to them, and no output replaces one of them (is_program_file).
  paths::UserFiles files;

  // The start-up load from `folder`: the data files and the settings file
  // files.settings_read (postaldb::load_postal_db). Whatever depends on the
  // data (the caches, the town-area records, the remembered choices) is emptied, and clip_asked is
  // cleared. When the settings may not be saved at the end (the file could
  // not be read, or it is read-only), the message line says so once.
  postaldb::LoadStatus load(const std::filesystem::path& folder, Host& host,
                            const paths::UserFiles& user_files);
  // The same with the settings file `ini_path` (by default the one beside the
  // data) read and saved, and no other file of the program's own.
  postaldb::LoadStatus load(const std::filesystem::path& folder, Host& host,
                            const std::filesystem::path& ini_path = {});

  // Saves the settings to files.settings at the end of the program, unless
  // that would lose the user's own (settings::save_ini_file).
  settings::SaveResult save_settings() const;

  // Rebuilds the replacement table in use from the data file's pairs and the
  // user's pairs in `settings`, after the user changed them. Returns the
  // number of user pairs left out for want of room.
  int apply_replacement_pairs();
};

}  // namespace kovari
