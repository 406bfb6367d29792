// Saving the settings at the end of the program without losing the user's:
// the settings are written only when they came from the file or there was
// none (defaults standing in for a file that could not be read would replace
// the user's options and pairs), and never over a file the user made
// read-only. The load tells the user once, on the message line, when the
// settings will not be saved (settings_not_saved_reason).
#pragma once

#include <filesystem>
#include <string_view>

#include "settings/settings.h"

namespace kovari::settings {

inline constexpr std::u16string_view kMsgUnreadableNotSaved =
    u"設定ファイルを読み込めないため、設定は保存しません。";
inline constexpr std::u16string_view kMsgReadOnlyNotSaved =
    u"設定ファイルが読み取り専用のため、設定は保存しません。";

// The message line's text when `settings` may not be written to `path` (the
// file they were read from could not be read, or `path` is read-only); empty
// when they may.
std::u16string_view settings_not_saved_reason(const Settings& settings,
                                              const std::filesystem::path& path);

enum class SaveResult {
  kSaved,
  kNotSaved,  // kept from being written by the rule above: the user was told at the load
  kFailed,    // the file could not be written; the old one is as it was
};

// put_ini_file under the rule above, creating the file's folder if needed.
SaveResult save_ini_file(const std::filesystem::path& path, const Settings& settings);

}  // namespace kovari::settings
