#include "settings/settings_save.h"

#include <system_error>

#include "io/file_status.h"
#include "settings/ini_file.h"

namespace kovari::settings {

std::u16string_view settings_not_saved_reason(const Settings& settings,
                                              const std::filesystem::path& path) {
  if (settings.ini_read == IniRead::kUnreadable) return kMsgUnreadableNotSaved;
  if (io::is_read_only(path)) return kMsgReadOnlyNotSaved;
  return {};
}

SaveResult save_ini_file(const std::filesystem::path& path, const Settings& settings) {
  if (!settings_not_saved_reason(settings, path).empty()) return SaveResult::kNotSaved;
  std::error_code ignored;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
  return put_ini_file(path, settings) ? SaveResult::kSaved : SaveResult::kFailed;
}

}  // namespace kovari::settings
