// On the national snapshot: the prepared city names answer every city and
// ward/town walk as a walk of the table's rows in order does, for every name
// over every prefecture's rows and over all rows. Skipped when the data files
// have not been built.
#include "resolve/city_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/data_folders.h"
#include "support/loaded_session.h"
#include "text/kanji_fold.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

struct WalkedCity {
  int row = 0;
  int block_end = 0;
};

// The city walk row by row: the first block whose name is the typed one,
// then the end of what the ward/town walk reads.
WalkedCity walked_city(const postaldb::PostalTables& t, std::u16string_view typed, CityRows range,
                       bool unique) {
  WalkedCity c;
  for (int r = range.first; r <= range.last; ++r) {
    if (r > range.first && t.city_name1[r] == t.city_name1[r - 1]) continue;
    if (c.row == 0) {
      if (!text::same_folded(typed, text::trim_view(t.city_name1[r]))) continue;
      c.row = r;
      if (t.city_name2[r].empty()) break;
      c.block_end = r;
    } else if (unique) {
      c.block_end = r - 1;
      break;
    } else {
      c.block_end = r;
    }
  }
  if (c.row != 0 && c.block_end == c.row) c.block_end = range.last;
  return c;
}

CityNames::Town walked_town(const postaldb::PostalTables& t, std::u16string_view typed,
                            CityRows range, const std::u16string* city, bool first_hit_ends) {
  CityNames::Town town;
  for (int r = range.first; r <= range.last; ++r) {
    if (city && t.city_name1[r] != *city) continue;
    if (!text::same_folded(typed, text::trim_view(t.city_name2[r]))) continue;
    town = {r, town.hits + 1};
    if (first_hit_ends) break;
  }
  return town;
}

TEST(CityNames, EveryWalkFindsWhatTheWalkOfTheRowsFinds) {
  if (!testing::national_data_built()) GTEST_SKIP() << "national data files not built";
  testing::LoadedSession loaded;
  ASSERT_TRUE(loaded.load(testing::national_data_folder()));
  const postaldb::PostalTables& t = loaded.session.db.tables;
  const int rows = city_row_count(t);
  ASSERT_GT(rows, 1000);
  const CityNames names(t);

  std::vector<CityRows> ranges{{1, rows}};
  for (int p = 1; p < static_cast<int>(t.pref_name.size()); ++p) {
    ranges.push_back(prefecture_city_rows(t, p));
  }
  // Every name once (a city is never looked up without one), and a variant
  // kanji (髙 of 高) and a name of no row.
  std::vector<std::u16string> typed{u"髙岡市", u"髙島町", u"無名市"};
  for (int r = 1; r <= rows; ++r) {
    if (text::trim_view(t.city_name1[r]).empty()) continue;
    if (r == 1 || t.city_name1[r] != t.city_name1[r - 1]) {
      typed.emplace_back(text::trim_view(t.city_name1[r]));
    }
  }
  int found = 0;
  for (const std::u16string& name : typed) {
    const std::u16string folded = text::fold_kanji_variants(name);
    for (const CityRows range : ranges) {
      for (const bool unique : {true, false}) {
        const WalkedCity want = walked_city(t, name, range, unique);
        const CityNames::City got = names.find_city(folded, range);
        ASSERT_EQ(got.row, want.row) << text::to_utf8(name) << " " << range.first;
        ASSERT_EQ(got.block_end(unique), want.block_end)
            << text::to_utf8(name) << " " << range.first;
        found += got.row != 0;
      }
    }
  }
  EXPECT_GT(found, 2000);

  // Each ward/town within its own block, the city's rows, the prefecture's
  // and all rows, with and without the city counted.
  int towns = 0;
  for (int r = 1; r <= rows; ++r) {
    const std::u16string_view ward = text::trim_view(t.city_name2[r]);
    if (ward.empty()) continue;
    const std::u16string folded = text::fold_kanji_variants(ward);
    const CityNames::City city =
        names.find_city(text::fold_kanji_variants(text::trim_view(t.city_name1[r])), {1, rows});
    for (const CityRows range :
         {CityRows{city.row, std::min(city.block_end(false), rows)},
          prefecture_city_rows(t, prefecture_of_row(t, r)), CityRows{1, rows}}) {
      for (const std::u16string* counted : {&t.city_name1[r], (const std::u16string*)nullptr}) {
        for (const bool first_hit_ends : {true, false}) {
          const CityNames::Town want = walked_town(t, ward, range, counted, first_hit_ends);
          const CityNames::Town got = names.find_town(folded, range, counted, first_hit_ends, t);
          ASSERT_EQ(got.row, want.row) << text::to_utf8(ward);
          ASSERT_EQ(got.hits, want.hits) << text::to_utf8(ward);
          towns += got.hits > 1;
        }
      }
    }
  }
  EXPECT_GT(towns, 0);  // names of several rows were compared too
}

}  // namespace
}  // namespace kovari::resolve
