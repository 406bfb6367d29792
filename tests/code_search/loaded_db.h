// A session loaded by the start-up load, with the search context each caller
// of the code searches gets.
#pragma once

#include "code_search/search_context.h"
#include "support/loaded_session.h"

namespace kovari::code_search::testing {

struct LoadedDb : kovari::testing::LoadedSession {
  postaldb::PostalDb& db = session.db;
  settings::Settings& settings = session.settings;

  SearchContext context(CallerMode mode) { return SearchContext{db, settings, host, mode}; }
};

}  // namespace kovari::code_search::testing
