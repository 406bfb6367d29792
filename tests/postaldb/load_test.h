// The base of the tests that run the start-up load over data files they write
// into a folder of their own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "postaldb/fixture_writer.h"
#include "postaldb/startup.h"
#include "support/recording_host.h"

namespace kovari::postaldb::testing {

class LoadTest : public ::testing::Test {
 protected:
  // Writes the data files, and the settings file when `ini` is not empty, then
  // runs the load into db_, settings_ and host_.
  LoadStatus load(const FixtureFiles& files, const std::string& ini = "") {
    write_fixture(dir_, files);
    if (!ini.empty()) std::ofstream(dir_ / "kovaritbl.ini", std::ios::binary) << ini;
    return load_postal_db(dir_, db_, settings_, host_);
  }
  LoadStatus load(const FixtureData& data, const std::string& ini = "") {
    return load(build_fixture(data), ini);
  }

  const ScratchFolder folder_;
  const std::filesystem::path& dir_ = folder_.path();
  PostalDb db_;
  settings::Settings settings_;
  kovari::testing::RecordingHost host_;
};

}  // namespace kovari::postaldb::testing
