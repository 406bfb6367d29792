// Where the tests find the data sets: the fixtures built for them and the
// national data files the build makes from the bundled snapshot.
#pragma once

#include <filesystem>
#include <string>

#include "postaldb/startup.h"

namespace kovari::testing {

// A fixture data set built at build time (kovari_use_fixture).
inline std::filesystem::path fixture_folder(const std::string& name) {
  return std::filesystem::path(KOVARI_FIXTURE_ROOT) / name;
}

// Copies the data files of a fixture into `folder`, for a test that changes
// them or writes beside them.
inline void copy_fixture(const std::string& name, const std::filesystem::path& folder) {
  for (std::string_view file : {postaldb::kMainFileName, postaldb::kDetailFileName,
                                postaldb::kThirdFileName, postaldb::kFourthFileName}) {
    std::filesystem::copy_file(fixture_folder(name) / file, folder / file,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

// The national data files beside the programs of the build.
inline std::filesystem::path national_data_folder() { return KOVARI_DATA_DIR; }

// Whether the build made the national data files (a build without the
// snapshot zips does not): the tests that read them skip otherwise.
inline bool national_data_built() {
  return std::filesystem::exists(national_data_folder() / postaldb::kMainFileName);
}

}  // namespace kovari::testing
