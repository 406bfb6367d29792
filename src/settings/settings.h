// The settings kept between runs in "kovaritbl.ini": window positions, option
// flags, remembered file names and the user's character-replacement pairs.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kovari::settings {

using TextPair = std::pair<std::u16string, std::u16string>;

// The character-replacement table holds at most this many pairs: the data
// file's and the user's together.
inline constexpr int kMaxTextPairs = 100;

// The windows whose positions the settings file keeps, by their number there.
enum class WindowNumber : int {
  kMainWindow = 1,
  kCodeToAddress = 2,
  kSearchResult = 3,
  kAddressToCode = 4,
  kBatchAddressToCode = 5,
  kBatchCodeToAddress = 51,
  kClipboardConvert = 6,
  kOfficeNameSearch = 7,
  kCsvExport = 8,
  kPreparing = 11,
  kToolsMenu = 12,
  kSystemInfo = 13,
  kSettings = 14,
  kRecordView = 15,
  kAddressEditFormat = 16,
};

// Every window number, in the order of the settings file.
inline constexpr std::array<WindowNumber, 15> kWindowNumbers = {
    WindowNumber::kMainWindow,         WindowNumber::kCodeToAddress,
    WindowNumber::kSearchResult,       WindowNumber::kAddressToCode,
    WindowNumber::kBatchAddressToCode, WindowNumber::kBatchCodeToAddress,
    WindowNumber::kClipboardConvert,   WindowNumber::kOfficeNameSearch,
    WindowNumber::kCsvExport,          WindowNumber::kPreparing,
    WindowNumber::kToolsMenu,          WindowNumber::kSystemInfo,
    WindowNumber::kSettings,           WindowNumber::kRecordView,
    WindowNumber::kAddressEditFormat};

// What reading the settings file found (settings::get_ini_file). Defaults
// that stand in for a file that could not be read must never be written over
// it (settings/settings_save.h).
enum class IniRead {
  kMissing,     // there was none: the defaults hold
  kRead,        // it was read
  kUnreadable,  // it is there but could not be read: a folder, a FIFO, no permission, too large
};

// A window's saved top-left corner, in twips.
struct FormPosition {
  int top = 0;
  int left = 0;
};

// The option flags, by their number in the settings file ("ctl_flg(n)").
enum class Flag : int {
  kInputMode = 1,    // AddressToCodeWindow opens in 0 簡易入力, 1 一括入力, 2 町域検索
  kMonitor = 2,      // 1: conversions show their progress and let window events run
  kHyphen = 3,       // 1: codes are written "999-9999", else "9999999"
  kApproximate = 4,  // 1: approximate name matching in address resolution
  kCommaSeparator = 5,    // 1: clipboard items separated by ",", else by a tab
  kDetailFile = 6,        // 1: the detail file is loaded and searched first
  kSpare7 = 7,            // not used; kept in the file
  kSpare8 = 8,            // not used; kept in the file
  kUseOldCode = 9,        // 1: the batch resolves with the record's old code
  kDetailPass = 10,       // 1: address resolution tries the detail records
  kTownSearchNames = 11,  // 1: the town-name search also matches city and ward names
  kClipCode = 12,         // the result list copies the code ...
  kClipAddress = 13,      // ... the address ...
  kClipPobox = 14,        // ... the post-office box ...
  kClipOffice = 15,       // ... and the office name
  kClipAppend = 16,       // 1: a clipboard copy is appended, else it replaces the text
};
inline constexpr int kFlagCount = 16;

struct Settings {
  // Window positions in twips, indexed by window number (1..16, 51).
  std::array<int, 52> form_top{};
  std::array<int, 52> form_left{};

  // Option flags 1..kFlagCount (element 0 unused), indexed by Flag.
  std::array<int, kFlagCount + 1> ctl_flg{};

  // Kept flags: read and written back unchanged.
  int control1_flg = 0;
  int control2_flg = 0;
  int control3_flg = 0;
  int control9_flg = 0;

  // File names remembered by the batch conversions.
  std::u16string in_file_name, out_file_name;    // address to code
  std::u16string in_file_name2, out_file_name2;  // code to address

  // The user's replacement pairs, in file order: the one copy the settings
  // window edits. The in-memory replacement table is built from the data
  // file's pairs and these (postaldb::set_replacement_pairs).
  std::vector<TextPair> text_pairs;
  // Whether a "[Text]" section was read: without one no replacement pair is
  // in use at all, not even the data file's.
  bool text_section_read = false;
  // What reading the settings file found: whether they may be saved over it.
  IniRead ini_read = IniRead::kMissing;

  int flag(Flag f) const { return ctl_flg[static_cast<int>(f)]; }
  void set_flag(Flag f, int value) { ctl_flg[static_cast<int>(f)] = value; }

  FormPosition position(WindowNumber w) const {
    const auto n = static_cast<std::size_t>(w);
    return {form_top[n], form_left[n]};
  }
  void set_position(WindowNumber w, FormPosition p) {
    const auto n = static_cast<std::size_t>(w);
    form_top[n] = p.top;
    form_left[n] = p.left;
  }
};

// The values in force before the settings file is read.
Settings default_settings();

}  // namespace kovari::settings
