// "kovari4tbl.dat": the town-name index (block entry 3). Its key is the first
// eight characters of a town-area name without its annotation, padded with
// "＊"; the search cuts a key at its first "＊", so the entries are sorted by
// the cut keys, in the engine's text order.
#include <array>

#include "data_files.h"
#include "names.h"
#include "sorted_index.h"

namespace kovari::mkdata {

namespace {
constexpr std::size_t kKeyLength = 8;
}

DataFile lay_out_fourth_file(const PostalData& data, Counts& counts, Report& report) {
  ByteBuffer file;
  std::array<std::int32_t, 51> block{};
  file.raw("kovari postal data: town-name index");
  file.align_to_block();

  std::vector<IndexEntry<std::u16string>> index;
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    for (const TownArea& town : data.cities[c].towns) {
      std::u16string key(base_name(town.name).substr(0, kKeyLength));
      key = key.substr(0, std::min(key.size(), key.find(u'＊')));
      index.push_back({std::move(key), town.offset});
    }
  }
  if (sort_with_ordinals(index) > 0x7FFF) report.fatal("a town-name key recurs too often");

  block[3] = file.block();
  for (const auto& entry : index) {
    std::u16string key = entry.key;
    key.resize(kKeyLength, u'＊');
    file.fixed_text(key, 2 * kKeyLength);
    file.long_value(entry.offset);
    file.integer(static_cast<std::int16_t>(entry.ordinal));
  }
  counts.town_name_keys = static_cast<int>(index.size());

  file.align_to_block();
  if (file.block() > 0x7FFF) report.fatal("kovari4tbl.dat: too large for Integer block numbers");
  ByteBuffer directory;
  for (int k = 1; k <= 50; ++k) directory.integer(static_cast<std::int16_t>(block[k]));
  directory.long_value(0);
  directory.long_value(0);
  directory.long_value(counts.town_name_keys);
  append_directory(file, directory, report, "kovari4tbl.dat");
  return {"kovari4tbl.dat", std::move(file)};
}

}  // namespace kovari::mkdata
