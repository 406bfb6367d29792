// A postal database loaded by the start-up load, as the program loads it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "code_search/code_search.h"
#include "postaldb/startup.h"

namespace kovari::code_search::testing {

// The folder of the national data files built into the program's folder;
// nothing when they have not been built.
inline std::optional<std::filesystem::path> national_data_dir() {
  const char* dir = std::getenv("KOVARI_DATA_DIR");
  if (dir == nullptr || !std::filesystem::exists(std::filesystem::path(dir) / "kovaritbl.dat")) {
    return std::nullopt;
  }
  return std::filesystem::path(dir);
}

struct LoadedDb {
  postaldb::PostalDb db;
  settings::Settings settings;
  SilentHost host;

  // False (with a test failure) when the folder cannot be loaded.
  bool load(const std::filesystem::path& folder) {
    const postaldb::LoadStatus status = postaldb::load_postal_db(folder, db, settings, host);
    EXPECT_TRUE(status.ok()) << status.error;
    return status.ok();
  }
  SearchContext context(CallerMode mode) { return SearchContext{db, settings, host, {mode}}; }
};

}  // namespace kovari::code_search::testing
