// "kovaritbl.dat": town-area records, then the prefecture table (block entry
// 1), the city table (2), the postal-code index (3) and the building table
// (5). Its directory holds float-coded numbers, except town_end1.
#include <array>

#include "data_files.h"
#include "sorted_index.h"

namespace kovari::mkdata {

namespace {

constexpr int kPrefNameLength = 8;

std::int32_t location(int pref, std::size_t city) {
  return pref + 64 * static_cast<std::int32_t>(city);
}

void write_town_records(PostalData& data, ByteBuffer& file, Counts& counts, Report& report) {
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    City& city = data.cities[c];
    for (TownArea& town : city.towns) {
      town.offset = file.size();
      file.code(town.code);
      file.long_value(location(city.pref, c));
      file.variant_string(town.initial + town.name);
      file.long_value(town.attributes);
      const std::int32_t expected = 19 + 2 * static_cast<std::int32_t>(town.name.size() + 1);
      if (file.size() - town.offset != expected) {
        report.fatal("town-area record of line " + std::to_string(town.line_no) +
                     " does not take 19 + 2 x its characters");
      }
      ++counts.town_areas;
    }
  }
}

std::vector<IndexEntry<std::string>> town_codes(const PostalData& data) {
  std::vector<IndexEntry<std::string>> index;
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    for (const TownArea& town : data.cities[c].towns) index.push_back({town.code, town.offset});
  }
  return index;
}

}  // namespace

std::int32_t write_code_index(std::vector<IndexEntry<std::string>> index, ByteBuffer& file,
                              Report& report) {
  if (sort_with_ordinals(index) > 0x7FFF) report.fatal("a postal code recurs too often");
  for (const auto& entry : index) {
    file.code(entry.key);
    file.long_value(entry.offset);
    file.integer(static_cast<std::int16_t>(entry.ordinal));
  }
  return static_cast<std::int32_t>(index.size());
}

DataFile lay_out_main_file(PostalData& data, Counts& counts, Report& report) {
  ByteBuffer file;
  std::array<std::int32_t, 51> block{};
  file.raw("kovari postal data: town areas");
  file.align_to_block();

  write_town_records(data, file, counts, report);
  const std::int32_t town_end1 = file.size();

  file.align_to_block();
  block[1] = file.block();
  for (std::size_t p = 1; p < data.prefs.size(); ++p) {
    std::u16string name = data.prefs[p].name;
    if (name.size() < kPrefNameLength) name.resize(kPrefNameLength, u'＊');
    file.variant_string(name);
    file.long_value(data.prefs[p].first_city);
  }
  counts.prefs = static_cast<int>(data.prefs.size()) - 1;

  file.align_to_block();
  block[2] = file.block();
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    const City& city = data.cities[c];
    file.variant_string(city.name1);
    file.variant_string(city.name2);
    file.long_value(city.towns.empty() ? town_end1 : city.towns.front().offset);
    file.integer(city.kind);
  }
  counts.cities = static_cast<int>(data.cities.size()) - 1;

  file.align_to_block();
  block[3] = file.block();
  counts.codes = write_code_index(town_codes(data), file, report);

  file.align_to_block();
  block[5] = file.block();
  for (const Building& building : data.buildings) {
    file.code(building.code);
    file.integer(building.floors);
    file.variant_string(building.name1);
    file.variant_string(building.name2);
  }
  counts.buildings = static_cast<int>(data.buildings.size());

  file.align_to_block();
  ByteBuffer directory;
  for (int k = 1; k <= 50; ++k) directory.float_coded(block[k]);
  directory.float_coded(counts.prefs);
  directory.float_coded(counts.cities);
  directory.float_coded(counts.codes);
  directory.long_value(town_end1);
  directory.float_coded(counts.buildings);
  if (data.data_date) directory.raw(postaldb::data_date_field(*data.data_date));
  append_directory(file, directory, report, "kovaritbl.dat");
  return {"kovaritbl.dat", std::move(file)};
}

}  // namespace kovari::mkdata
