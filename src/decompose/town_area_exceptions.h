// Places whose town-area names themselves contain digits or the characters
// 丁, 番, 号, 区, 第, 番通 or の通り: the end of their town area is fixed
// explicitly so that such a character does not start the block numbers.
#pragma once

#include <array>
#include <string_view>

namespace kovari::decompose {

// city = part 2, town = part 3, text = the town-area text (narrow form).
// Reads the block markers 11, 12, 13 and 23 of flag and writes flag[30], the
// end of the town area (0 = no exception); some rules clear flag[11].
void town_area_exceptions(std::u16string_view city, std::u16string_view town,
                          std::u16string_view text, std::array<int, 31>& flag);

}  // namespace kovari::decompose
