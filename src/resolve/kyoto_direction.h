// Kyoto street directions: addresses in 京都市 name a street and a direction
// ("烏丸通三条上る", "西入") before or after the town name, while the postal data
// lists only the town names. The phrase is cut out of the town area and kept
// in kyoto_direction, where the condition refinement can still read it.
#pragma once

#include <string>

namespace kovari::resolve {

// The phrase of a Kyoto town area cut out into `direction` (left as it is
// when the area holds none).
void cut_kyoto_direction(std::u16string& area, std::u16string& direction);

// With kyoto_mode 0 nothing changes except that `direction` is cleared; the
// cut, rarely needed, is kept out of the callers' code.
inline void strip_kyoto_direction(int kyoto_mode, std::u16string& area, std::u16string& direction) {
  direction.clear();
  if (kyoto_mode != 0) cut_kyoto_direction(area, direction);
}

}  // namespace kovari::resolve
