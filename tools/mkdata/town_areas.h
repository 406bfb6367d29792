// Prefectures, cities and their town areas from the rows of KEN_ALL.
#pragma once

#include <string>
#include <vector>

#include "ken_all.h"
#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

inline constexpr std::u16string_view kBelowName = u"以下に掲載がない場合";

// Fills data.prefs (JIS order) and data.cities (municipal-code order, so each
// prefecture's cities and each designated city's wards are contiguous) with
// their town areas in record order. A row whose name has no double-byte form
// is reported and left out; too many prefectures or cities is fatal.
void build_cities(const std::vector<TownRow>& rows, const std::string& file_label, PostalData& data,
                  Report& report);

// Puts a city's town areas in record order: the "以下に掲載がない場合" record
// first, the others by index initial, then by reading in 50-on order (voiced
// after unvoiced where the readings differ only in their marks), stable.
void order_town_areas(std::vector<TownArea>& towns);

// 1 when every town area carries the same code, else 0.
std::int16_t city_kind(const std::vector<TownArea>& towns);

}  // namespace kovari::mkdata
