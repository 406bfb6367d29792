#include "paths/user_files.h"

#include <unistd.h>

#include <system_error>

#include "paths/data_folder.h"
#include "settings/ini_file.h"

namespace kovari::paths {

std::string_view file_name(UserFile file) {
  switch (file) {
    case UserFile::Settings:
      return settings::kIniFileName;
    case UserFile::ClipboardHistory:
      return "tmp_history.csv";
    case UserFile::OfficeIndex:
      return "ooguchi_index.csv";
    case UserFile::BatchWork:
      return "tmp.dat";
  }
  return {};
}

bool folder_is_writable(const std::filesystem::path& folder) {
  return access(folder.c_str(), W_OK) == 0;
}

bool is_portable(const Places& places, const IsWritable& is_writable) {
  return holds_data(places.program_folder) && is_writable(places.program_folder);
}

std::filesystem::path user_file_path(UserFile file, const Places& places,
                                     const IsWritable& is_writable) {
  if (is_portable(places, is_writable)) return places.program_folder / file_name(file);
  const std::filesystem::path home =
      file == UserFile::Settings ? places.config_home / kAppFolderName : user_data_folder(places);
  return home / file_name(file);
}

std::filesystem::path settings_file_to_read(const Places& places, const IsWritable& is_writable) {
  const std::filesystem::path written = user_file_path(UserFile::Settings, places, is_writable);
  const std::filesystem::path beside = places.program_folder / settings::kIniFileName;
  std::error_code error;
  if (!std::filesystem::is_regular_file(written, error) &&
      std::filesystem::is_regular_file(beside, error)) {
    return beside;
  }
  return written;
}

UserFiles user_files(const Places& places, const IsWritable& is_writable) {
  return {settings_file_to_read(places, is_writable),
          user_file_path(UserFile::Settings, places, is_writable),
          user_file_path(UserFile::ClipboardHistory, places, is_writable),
          user_file_path(UserFile::OfficeIndex, places, is_writable)};
}

std::filesystem::path update_folder(const Places& places, const IsWritable& is_writable) {
  return is_portable(places, is_writable) ? places.program_folder : user_data_folder(places);
}

std::filesystem::path user_file(UserFile file, const Places& places) {
  std::filesystem::path path = user_file_path(file, places, folder_is_writable);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  return path;
}

}  // namespace kovari::paths
