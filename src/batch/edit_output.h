// How the latest address that the batch address-to-code run may append to each
// record is split into items: one to four items built from four parts
// (prefecture and municipality, town area, block numbers, building). The
// choice is edit_type 1..4 of the output edit format window.
#pragma once

#include <string>
#include <vector>

namespace kovari::batch {

// The four parts of the latest address; a missing part is "　" (one
// full-width space), which trimming keeps.
struct LatestAddress {
  std::u16string part1;  // prefecture and municipality
  std::u16string part2;  // town area
  std::u16string part3;  // block numbers
  std::u16string part4;  // building

  // Every part "　": what a record without a latest address gets.
  static LatestAddress blank();
};

// The edit_type values, 1 to 4 items.
inline constexpr int kMinEditType = 1;
inline constexpr int kMaxEditType = 4;

// The items written for the latest address, edit_type of them (an edit_type
// outside 1..4 is taken as 1). Joined items are trimmed of half-width blanks.
std::vector<std::u16string> edit_output(int edit_type, const LatestAddress& parts);

// The sample of the appended items that the edit format window shows.
std::u16string edit_message(int edit_type);

}  // namespace kovari::batch
