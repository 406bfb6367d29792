#include "code_search/records.h"

#include <array>

#include "text/vb.h"

namespace kovari::code_search {

namespace {

std::u16string ascii_to_text(const std::string& bytes) {
  return std::u16string(bytes.begin(), bytes.end());
}

template <typename T>
std::u16string_view table_text(const std::vector<T>& table, std::int64_t index) {
  if (index < 0 || index >= static_cast<std::int64_t>(table.size())) return {};
  return text::trim_view(table[static_cast<std::size_t>(index)]);
}

}  // namespace

std::u16string_view TownRecord::town_name() const {
  return text::trim_view(text::mid_view(text::trim_view(name), 2));
}

std::optional<TownRecord> read_town_record(const postaldb::DataFile& file, std::int64_t offset) {
  postaldb::Cursor cursor = file.at(offset + 1);
  TownRecord record;
  record.code = ascii_to_text(cursor.read_code());
  record.location = cursor.read_long();
  record.name = cursor.read_variant_string();
  record.attributes = cursor.read_long();
  if (cursor.failed()) return std::nullopt;
  record.size = static_cast<std::int32_t>(cursor.position() - (offset + 1));
  return record;
}

std::optional<DetailRecord> read_detail_record(const postaldb::DataFile& file,
                                               std::int64_t offset) {
  postaldb::Cursor cursor = file.at(offset + 1);
  DetailRecord record;
  record.code = ascii_to_text(cursor.read_code());
  record.location = cursor.read_long();
  record.attributes = cursor.read_long();
  record.office_name = cursor.read_variant_string();
  record.town_name = cursor.read_variant_string();
  record.street = cursor.read_variant_string();
  if (cursor.failed()) return std::nullopt;
  record.size = static_cast<std::int32_t>(cursor.position() - (offset + 1));
  return record;
}

namespace {

// The prefecture name and the two parts of the city name of a location.
std::array<std::u16string_view, 3> location_parts(const postaldb::PostalTables& tables,
                                                  std::int32_t location) {
  const std::int32_t pref = location % 64;
  const std::int32_t city = location / 64;
  return {table_text(tables.pref_name, pref), table_text(tables.city_name1, city),
          table_text(tables.city_name2, city)};
}

}  // namespace

LocationNames location_names(const postaldb::PostalTables& tables, std::int32_t location) {
  const auto [pref, city1, city2] = location_parts(tables, location);
  LocationNames names{std::u16string(pref), std::u16string(city1)};
  names.city.append(city2);
  return names;
}

std::u16string base_address(const postaldb::PostalTables& tables, std::int32_t location) {
  const auto [pref, city1, city2] = location_parts(tables, location);
  std::u16string address;
  address.reserve(pref.size() + city1.size() + city2.size());
  address.append(pref).append(city1).append(city2);
  return address;
}

DetailTown detail_town(const DetailRecord& record) {
  DetailTown result;
  result.town = text::Trim(record.town_name);
  const int open = record.bracket_open();
  if (record.bracket_flag() && open != 0) {
    // The text before the opening bracket belongs to the address, the text
    // strictly between the brackets is the post-office box.
    result.pobox = text::Mid(record.street, open + 1, record.bracket_close() - open - 1);
    result.town += text::Left(record.street, open - 1);
  } else {
    result.town += record.street;
  }
  return result;
}

DetailAddress detail_address(const postaldb::PostalTables& tables, const DetailRecord& record) {
  DetailTown town = detail_town(record);
  return {base_address(tables, record.location) + town.town, std::move(town.pobox),
          record.office_name};
}

}  // namespace kovari::code_search
