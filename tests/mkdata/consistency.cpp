#include "consistency.h"

#include <gtest/gtest.h>

#include "city_split.h"
#include "csv.h"
#include "names.h"
#include "read_back.h"
#include "text/sjis.h"
#include "text/vb.h"
#include "town_areas.h"

namespace kovari::mkdata::testing {

namespace {

int pref_of_city(const postaldb::PostalDb& db, int city) {
  int pref = 0;
  for (int p = 1; p <= db.dir.pref_count; ++p) {
    if (db.tables.pref_first_city[p] <= city) pref = p;
  }
  return pref;
}

std::int32_t town_end(const postaldb::PostalDb& db, int city) {
  return city < db.dir.city_count ? db.tables.city_pos1[city + 1] : db.dir.town_end1;
}

std::int32_t detail_end(const postaldb::PostalDb& db, int city) {
  return city < db.dir.city_count ? db.tables.city_pos2[city + 1] : db.dir.town_end2;
}

bool same_city(const postaldb::PostalDb& db, int city, std::u16string_view municipality) {
  return split_city_name(municipality) ==
         CityName{db.tables.city_name1[city], db.tables.city_name2[city]};
}

void expect_sorted_with_ordinals(const std::vector<IndexRecord>& index, const char* what) {
  for (std::size_t i = 0; i < index.size(); ++i) {
    const bool continues = i > 0 && index[i].key == index[i - 1].key;
    if (i > 0) ASSERT_LE(index[i - 1].key, index[i].key) << what << " record " << i + 1;
    ASSERT_EQ(index[i].ordinal, continues ? index[i - 1].ordinal + 1 : 1)
        << what << " record " << i + 1;
  }
}

}  // namespace

SourceRows read_sources(const std::filesystem::path& csv_dir) {
  Report report;
  SourceRows rows;
  const auto ken_all = read_file_bytes(csv_dir / "KEN_ALL.CSV");
  const auto jigyosyo = read_file_bytes(csv_dir / "JIGYOSYO.CSV");
  if (ken_all) rows.towns = read_ken_all(parse_sjis_csv(*ken_all, "K", report), "K", report);
  if (jigyosyo) {
    rows.offices = read_jigyosyo(parse_sjis_csv(*jigyosyo, "J", report), "J", report);
  }
  EXPECT_EQ(report.skipped_lines(), 0);
  return rows;
}

void expect_town_walks(const postaldb::PostalDb& db) {
  for (int c = 1; c <= db.dir.city_count; ++c) {
    SCOPED_TRACE("city " + std::to_string(c) + " " + text::to_utf8(db.tables.city_name1[c]) +
                 text::to_utf8(db.tables.city_name2[c]));
    const std::int32_t location = pref_of_city(db, c) + 64 * c;
    std::int32_t position = db.tables.city_pos1[c];
    char16_t previous_initial = 0;
    for (int n = 0; position < town_end(db, c); ++n) {
      const TownRecord record = read_town_record(db.main_file, position);
      ASSERT_EQ(record.size, 19 + 2 * static_cast<std::int64_t>(record.name.size()));
      ASSERT_EQ(record.location, location);
      const std::u16string name = record.name.substr(1);
      if (name == kBelowName) {
        EXPECT_EQ(n, 0) << "the catch-all record comes first";
      } else {
        EXPECT_LE(previous_initial, record.name[0]);
        previous_initial = record.name[0];
      }
      position += static_cast<std::int32_t>(record.size);
    }
    ASSERT_EQ(position, town_end(db, c)) << "records end exactly at the next city";
  }
}

void expect_indexes_sorted(const postaldb::PostalDb& db) {
  expect_sorted_with_ordinals(read_code_index(db.main_file, db.dir.blk1[3], db.dir.code_count),
                              "postal-code index");
  expect_sorted_with_ordinals(read_code_index(db.detail_file, db.dir.blk2[3], db.dir.code2_count),
                              "detail index");
}

void expect_every_town_code_found(const postaldb::PostalDb& db, const std::vector<TownRow>& rows) {
  const std::vector<IndexRecord> index =
      read_code_index(db.main_file, db.dir.blk1[3], db.dir.code_count);
  ASSERT_EQ(static_cast<int>(index.size()), db.dir.code_count);
  int missing = 0;
  for (const TownRow& row : rows) {
    const std::u16string name = to_double_byte(row.town).value_or(u"");
    bool found = false;
    for (std::int32_t offset : look_up(index, row.code)) {
      const TownRecord record = read_town_record(db.main_file, offset);
      const int city = record.location / 64, pref = record.location % 64;
      found = found ||
              (record.code == row.code && record.name.substr(1) == name &&
               text::Trim(db.tables.pref_name[pref]) == row.pref && same_city(db, city, row.city));
    }
    if (!found && ++missing <= 10) {
      ADD_FAILURE() << "KEN_ALL line " << row.line_no << " (" << row.code << " "
                    << text::to_utf8(row.city) << text::to_utf8(row.town) << ") not found";
    }
  }
  EXPECT_EQ(missing, 0);
}

void expect_every_detail_code_found(const postaldb::PostalDb& db,
                                    const std::vector<OfficeRow>& rows) {
  const std::vector<IndexRecord> index =
      read_code_index(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
  int missing = 0;
  for (const OfficeRow& row : rows) {
    bool found = false;
    for (std::int32_t offset : look_up(index, row.code)) {
      const DetailRecord record = read_detail_record(db.detail_file, offset);
      const int city = record.location / 64;
      found = found || (record.code == row.code && same_city(db, city, row.city) &&
                        record.office == to_double_byte(row.name));
    }
    if (!found && ++missing <= 10) {
      ADD_FAILURE() << "JIGYOSYO line " << row.line_no << " (" << row.code << ") not found";
    }
  }
  EXPECT_EQ(missing, 0);

  for (int c = 1; c <= db.dir.city_count; ++c) {
    std::int32_t position = db.tables.city_pos2[c];
    while (position < detail_end(db, c)) {
      const DetailRecord record = read_detail_record(db.detail_file, position);
      const auto chars = record.office.size() + record.town.size() + record.street.size();
      ASSERT_EQ(record.size, 27 + 2 * static_cast<std::int64_t>(chars)) << "city " << c;
      ASSERT_EQ(record.location / 64, c);
      position += static_cast<std::int32_t>(record.size);
    }
    ASSERT_EQ(position, detail_end(db, c)) << "city " << c;
  }
}

}  // namespace kovari::mkdata::testing
