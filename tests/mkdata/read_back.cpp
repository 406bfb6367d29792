#include "read_back.h"

#include <algorithm>

#include "host/host.h"
#include "postaldb/startup.h"
#include "settings/settings.h"

namespace kovari::mkdata::testing {

std::vector<IndexRecord> read_code_index(const postaldb::DataFile& file, std::int32_t block,
                                         std::int32_t count) {
  std::vector<IndexRecord> index;
  postaldb::Cursor cursor = file.at(static_cast<std::int64_t>(block) * 1024 + 1);
  for (std::int32_t i = 0; i < count && !cursor.failed(); ++i) {
    IndexRecord record;
    record.key = cursor.read_code();
    record.offset = cursor.read_long();
    record.ordinal = cursor.read_integer();
    index.push_back(std::move(record));
  }
  return index;
}

std::vector<std::int32_t> look_up(const std::vector<IndexRecord>& index, const std::string& code) {
  const auto hit = std::lower_bound(
      index.begin(), index.end(), code,
      [](const IndexRecord& record, const std::string& key) { return record.key < key; });
  if (hit == index.end() || hit->key != code) return {};
  // Land on the last record of the run, as a binary search may, and back up.
  auto last = hit;
  while (last + 1 != index.end() && (last + 1)->key == code) ++last;
  const auto start = last - std::min<std::ptrdiff_t>(last->ordinal - 1, last - index.begin());
  std::vector<std::int32_t> offsets;
  for (auto it = start; it != index.end() && it->key == code; ++it) offsets.push_back(it->offset);
  return offsets;
}

TownRecord read_town_record(const postaldb::DataFile& file, std::int32_t offset) {
  postaldb::Cursor cursor = file.at(offset + 1);
  TownRecord record;
  record.code = cursor.read_code();
  record.location = cursor.read_long();
  record.name = cursor.read_variant_string();
  record.attributes = cursor.read_long();
  record.size = cursor.failed() ? 0 : cursor.position() - 1 - offset;
  return record;
}

DetailRecord read_detail_record(const postaldb::DataFile& file, std::int32_t offset) {
  postaldb::Cursor cursor = file.at(offset + 1);
  DetailRecord record;
  record.code = cursor.read_code();
  record.location = cursor.read_long();
  record.attributes = cursor.read_long();
  record.office = cursor.read_variant_string();
  record.town = cursor.read_variant_string();
  record.street = cursor.read_variant_string();
  record.size = cursor.failed() ? 0 : cursor.position() - 1 - offset;
  return record;
}

std::string load(const std::filesystem::path& dir, postaldb::PostalDb& db) {
  settings::Settings settings;
  SilentHost host;
  return postaldb::load_postal_db(dir, db, settings, host).error;
}

}  // namespace kovari::mkdata::testing
