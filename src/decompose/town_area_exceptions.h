// Places whose town-area names themselves contain digits or the characters
// 丁, 番, 号, 区, 第, 番通 or の通り: the end of their town area is fixed
// explicitly so that such a character does not start the block numbers.
#pragma once

#include <string_view>

#include "decompose/decomposition.h"

namespace kovari::decompose {

// city = part kCity, town = part kWardTown, text = the town-area text (narrow
// form). Reads the block markers kCho, kBan, kGo and kTownKu of flag and
// writes flag[kTownAreaEnd], the end of the town area (0 = no exception);
// some rules clear flag[kCho].
void town_area_exceptions(std::u16string_view city, std::u16string_view town,
                          std::u16string_view text, Marks& flag);

}  // namespace kovari::decompose
