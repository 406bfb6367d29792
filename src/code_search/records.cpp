#include "code_search/records.h"

#include <array>

#include "postaldb/code_numbers.h"
#include "text/vb.h"

namespace kovari::code_search {

namespace {

template <typename T>
std::u16string_view table_text(const std::vector<T>& table, std::int64_t index) {
  if (index < 0 || index >= static_cast<std::int64_t>(table.size())) return {};
  return text::trim_view(table[static_cast<std::size_t>(index)]);
}

}  // namespace

std::u16string_view TownRecord::town_name() const {
  return text::trim_view(text::mid_view(text::trim_view(name), 2));
}

bool read_town_record(const postaldb::DataFile& file, std::int64_t offset, TownRecord& record) {
  postaldb::Cursor cursor = file.at(offset + 1);
  const std::string_view code = cursor.read_view(postaldb::kCodeSize);
  record.code.assign(code.begin(), code.end());
  record.location = cursor.read_long();
  cursor.read_variant_string(record.name);
  record.attributes = cursor.read_long();
  if (cursor.failed()) return false;
  record.size = static_cast<std::int32_t>(cursor.position() - (offset + 1));
  return true;
}

bool read_detail_record(const postaldb::DataFile& file, std::int64_t offset, DetailRecord& record) {
  postaldb::Cursor cursor = file.at(offset + 1);
  const std::string_view code = cursor.read_view(postaldb::kCodeSize);
  record.code.assign(code.begin(), code.end());
  record.location = cursor.read_long();
  record.attributes = cursor.read_long();
  cursor.read_variant_string(record.office_name);
  cursor.read_variant_string(record.town_name);
  cursor.read_variant_string(record.street);
  if (cursor.failed()) return false;
  record.size = static_cast<std::int32_t>(cursor.position() - (offset + 1));
  return true;
}

std::optional<TownRecord> read_town_record(const postaldb::DataFile& file, std::int64_t offset) {
  TownRecord record;
  if (!read_town_record(file, offset, record)) return std::nullopt;
  return record;
}

std::optional<DetailRecord> read_detail_record(const postaldb::DataFile& file,
                                               std::int64_t offset) {
  DetailRecord record;
  if (!read_detail_record(file, offset, record)) return std::nullopt;
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

void append_base_address(const postaldb::PostalTables& tables, std::int32_t location,
                         std::u16string& address) {
  const auto [pref, city1, city2] = location_parts(tables, location);
  address.append(pref).append(city1).append(city2);
}

std::u16string base_address(const postaldb::PostalTables& tables, std::int32_t location) {
  std::u16string address;
  append_base_address(tables, location, address);
  return address;
}

void append_detail_town(const DetailFields& record, std::u16string& town, std::u16string& pobox) {
  town.append(text::trim_view(record.town_name));
  const int open = record.bracket_open();
  if (record.bracket_flag() && open != 0) {
    // The text before the opening bracket belongs to the address, the text
    // strictly between the brackets is the post-office box.
    pobox.assign(text::mid_view(record.street, open + 1, record.bracket_close() - open - 1));
    town.append(text::left_view(record.street, open - 1));
  } else {
    pobox.clear();
    town.append(record.street);
  }
}

DetailTown detail_town(const DetailRecord& record) {
  DetailTown result;
  append_detail_town(record.fields(), result.town, result.pobox);
  return result;
}

void append_detail_address(const DetailFields& record, std::u16string& address,
                           std::u16string& pobox, std::u16string& office) {
  append_detail_town(record, address, pobox);
  office.assign(record.office_name);
}

DetailAddress detail_address(const postaldb::PostalTables& tables, const DetailRecord& record) {
  DetailAddress result;
  append_base_address(tables, record.location, result.address);
  append_detail_address(record.fields(), result.address, result.pobox, result.office);
  return result;
}

}  // namespace kovari::code_search
