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

struct Settings {
  // Window positions in twips, indexed by window number (1..16, 51).
  std::array<int, 52> form_top{};
  std::array<int, 52> form_left{};

  // Option flags 1..16 (element 0 unused).
  std::array<int, 17> ctl_flg{};

  // Kept flags: read and written back unchanged.
  int control1_flg = 0;
  int control2_flg = 0;
  int control3_flg = 0;
  int control9_flg = 0;

  // File names remembered by the batch conversions.
  std::u16string in_file_name, out_file_name;    // address to code
  std::u16string in_file_name2, out_file_name2;  // code to address

  // The user's replacement pairs, in file order. They occupy the character
  // table's slots after the data file's pairs.
  std::vector<TextPair> text_pairs;
  // Whether a "[Text]" section was read: without one no replacement pair is
  // in use at all, not even the data file's.
  bool text_section_read = false;
};

// The values in force before the settings file is read.
Settings default_settings();

}  // namespace kovari::settings
