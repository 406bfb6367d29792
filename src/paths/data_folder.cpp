#include "paths/data_folder.h"

#include <system_error>

#include "postaldb/startup.h"

namespace kovari::paths {

std::filesystem::path user_data_folder(const Places& places) {
  return places.data_home / kAppFolderName;
}

std::filesystem::path installed_data_folder(const Places& places) {
  return (places.program_folder / ".." / "share" / kAppFolderName).lexically_normal();
}

bool holds_data(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / postaldb::kMainFileName, error);
}

DataSearch find_data_folder(const Places& places,
                            const std::optional<std::filesystem::path>& chosen) {
  DataSearch search;
  if (chosen) {
    search.looked_in = {*chosen};
  } else {
    search.looked_in = {places.program_folder, user_data_folder(places),
                        installed_data_folder(places)};
  }
  for (const std::filesystem::path& folder : search.looked_in) {
    if (holds_data(folder)) {
      search.folder = folder;
      break;
    }
  }
  return search;
}

std::string search_failure_text(const DataSearch& search) {
  std::string text =
      "no postal data: " + std::string(postaldb::kMainFileName) + " is in none of these folders:\n";
  for (const std::filesystem::path& folder : search.looked_in) {
    text += "  " + folder.string();
    // Something else under the name is no data, and the user should know why.
    std::error_code error;
    if (std::filesystem::exists(folder / postaldb::kMainFileName, error)) {
      text += " (its " + std::string(postaldb::kMainFileName) + " is not a regular file)";
    }
    text += "\n";
  }
  text +=
      "Build the data files with kovari-mkdata, or bring in Japan Post's ken_all.zip and "
      "jigyosyo.zip with kovari-mkdata --update (see the README).";
  return text;
}

}  // namespace kovari::paths
