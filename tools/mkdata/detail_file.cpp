// "kovari2tbl.dat": detail records grouped by city, then the city position
// table (block entry 1), the detail postal-code index (3), the office-name
// tables (6: name and entry count; 7: detail-record offsets), the word table
// (8) and the character-replacement table (9). Its directory holds Integer
// block numbers and Long counts.
#include <array>

#include "data_files.h"
#include "office_names.h"
#include "sorted_index.h"

namespace kovari::mkdata {

namespace {

void write_detail_records(PostalData& data, ByteBuffer& file, Counts& counts, Report& report) {
  for (std::size_t c = 1; c < data.details.size(); ++c) {
    const std::int32_t location = data.cities[c].pref + 64 * static_cast<std::int32_t>(c);
    for (Detail& detail : data.details[c]) {
      detail.offset = file.size();
      file.code(detail.code);
      file.long_value(location);
      file.long_value(detail.attributes);
      file.variant_string(detail.office);
      file.variant_string(detail.town);
      file.variant_string(detail.street);
      const auto chars = detail.office.size() + detail.town.size() + detail.street.size();
      if (file.size() - detail.offset != 27 + 2 * static_cast<std::int32_t>(chars)) {
        report.fatal("detail record of " + detail.code + " does not take 27 + 2 x its characters");
      }
      ++counts.details;
    }
  }
}

// One entry per city: the offset of its first detail record, or of the next
// city's records when it has none (an empty range).
void write_city_positions(const PostalData& data, ByteBuffer& file, std::int32_t town_end2) {
  std::vector<std::int32_t> position(data.details.size() + 1, town_end2);
  for (std::size_t c = data.details.size() - 1; c >= 1; --c) {
    position[c] = data.details[c].empty() ? position[c + 1] : data.details[c].front().offset;
  }
  for (std::size_t c = 1; c < data.details.size(); ++c) {
    file.integer(static_cast<std::int16_t>(c));
    file.long_value(position[c]);
  }
}

std::vector<IndexEntry<std::string>> detail_codes(const PostalData& data) {
  std::vector<IndexEntry<std::string>> index;
  for (const auto& details : data.details) {
    for (const Detail& detail : details) index.push_back({detail.code, detail.offset});
  }
  return index;
}

}  // namespace

DataFile lay_out_detail_file(PostalData& data, Counts& counts, Report& report) {
  ByteBuffer file;
  std::array<std::int32_t, 51> block{};
  file.raw("kovari postal data: offices and post-office boxes");
  file.align_to_block();

  write_detail_records(data, file, counts, report);
  const std::int32_t town_end2 = file.size();

  file.align_to_block();
  block[1] = file.block();
  write_city_positions(data, file, town_end2);
  const auto city_pos2_count = static_cast<std::int32_t>(data.details.size()) - 1;

  file.align_to_block();
  block[3] = file.block();
  counts.detail_codes = write_code_index(detail_codes(data), file, report);

  const std::vector<OfficeName> names = office_names(data);
  file.align_to_block();
  block[6] = file.block();
  for (const OfficeName& name : names) {
    if (name.offsets.size() > 0x7FFF) report.fatal("an office name has too many records");
    file.variant_string(name.name);
    file.integer(static_cast<std::int16_t>(name.offsets.size()));
  }
  file.align_to_block();
  block[7] = file.block();
  for (const OfficeName& name : names) {
    for (std::int32_t offset : name.offsets) file.long_value(offset);
  }
  counts.office_names = static_cast<int>(names.size());

  file.align_to_block();
  block[8] = file.block();
  for (const std::u16string& word : data.words) file.variant_string(word);
  counts.words = static_cast<int>(data.words.size());
  if (counts.words > kMaxWords) report.fatal("more than 100 words");

  file.align_to_block();
  block[9] = file.block();
  for (const CharPair& pair : data.char_pairs) {
    file.variant_string(pair.from);
    file.variant_string(pair.to);
  }
  counts.char_pairs = static_cast<int>(data.char_pairs.size());
  if (counts.char_pairs > kMaxCharPairs) report.fatal("more than 100 character pairs");

  file.align_to_block();
  if (file.block() > 0x7FFF) report.fatal("kovari2tbl.dat: too large for Integer block numbers");
  ByteBuffer directory;
  for (int k = 1; k <= 50; ++k) directory.integer(static_cast<std::int16_t>(block[k]));
  for (std::int32_t value : {0, city_pos2_count, counts.detail_codes, town_end2, 0,
                             counts.office_names, counts.words, counts.char_pairs}) {
    directory.long_value(value);
  }
  append_directory(file, directory, report, "kovari2tbl.dat");
  return {"kovari2tbl.dat", std::move(file)};
}

}  // namespace kovari::mkdata
