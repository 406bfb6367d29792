// A session loaded by the start-up load, as the program loads it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "host/host.h"
#include "session/session.h"
#include "support/data_folders.h"

namespace kovari::testing {

struct LoadedSession {
  Session session;
  SilentHost host;

  // False (with a test failure) when the folder cannot be loaded.
  bool load(const std::filesystem::path& folder) {
    const postaldb::LoadStatus status = session.load(folder, host);
    EXPECT_TRUE(status.ok()) << status.error;
    return status.ok();
  }
};

}  // namespace kovari::testing
