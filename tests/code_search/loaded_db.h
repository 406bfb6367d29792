// A postal database loaded by the start-up load, as the program loads it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "code_search/code_search.h"
#include "postaldb/startup.h"

namespace kovari::code_search::testing {

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
