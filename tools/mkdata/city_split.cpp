#include "city_split.h"

#include "postaldb/fixed_tables.h"

namespace kovari::mkdata {

namespace {

bool ends_town_or_village(std::u16string_view rest) {
  return !rest.empty() && (rest.back() == u'町' || rest.back() == u'村');
}

// Splits just after the first marker (not the first character) whose remainder
// is a town or village.
bool split_after(std::u16string_view name, char16_t marker, CityName& out) {
  const std::size_t at = name.find(marker, 1);
  if (at == std::u16string_view::npos) return false;
  const std::u16string_view rest = name.substr(at + 1);
  if (!ends_town_or_village(rest)) return false;
  out = {std::u16string(name.substr(0, at + 1)), std::u16string(rest)};
  return true;
}

CityName split_levels(std::u16string_view municipality) {
  if (municipality.empty()) return {};
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    const std::u16string_view city = designated.city;
    if (municipality.size() > city.size() && municipality.starts_with(city) &&
        municipality.back() == u'区') {
      return {std::u16string(city), std::u16string(municipality.substr(city.size()))};
    }
  }
  if (municipality.back() == u'市' || municipality.back() == u'区') {
    return {std::u16string(municipality), u""};
  }
  CityName split;
  if (split_after(municipality, u'郡', split) || split_after(municipality, u'島', split)) {
    return split;
  }
  // A town or village of no county or island (小笠原村) is a second level alone.
  if (ends_town_or_village(municipality)) return {u"", std::u16string(municipality)};
  return {std::u16string(municipality), u""};
}

}  // namespace

bool is_designated_city(std::u16string_view name) {
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    if (name == designated.city) return true;
  }
  return false;
}

CityName split_city_name(std::u16string_view municipality) {
  CityName split = split_levels(municipality);
  // Decomposition normalises the first ヶ of its first level to ケ (鶴ヶ島市 is
  // typed back as 鶴ケ島市); the second level keeps it.
  const std::size_t ke = split.name1.find(u'ヶ');
  if (ke != std::u16string::npos) split.name1[ke] = u'ケ';
  return split;
}

}  // namespace kovari::mkdata
