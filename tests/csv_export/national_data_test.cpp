// The export over the national data files built into the program's folder;
// skipped when they have not been built.
#include <gtest/gtest.h>

#include <string>

#include "csv_export/area_pick.h"
#include "csv_export/csv_export.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::csv_export {
namespace {

using kovari::testing::file_bytes;


class ExportNationalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) {
      GTEST_SKIP() << "the national data files have not been built";
    }
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }
  const postaldb::PostalDb& db() const { return loaded.session.db; }

  // The exported lines, as UTF-8 text with LF line ends.
  std::string export_text(const ExportArea& area, ExportTables tables) {
    const ExportRequest request{area, folder.path() / "out.csv", tables};
    const ExportOutcome outcome = export_csv(db(), loaded.session.settings, host, request);
    EXPECT_EQ(outcome.result, ExportResult::kWritten);
    return text::to_utf8(
        text::Replace(text::decode_sjis(file_bytes(request.path)).value_or(u""), u"\r\n", u"\n"));
  }

  kovari::testing::LoadedSession loaded;
  kovari::testing::RecordingHost host;
  kovari::testing::TempFolder folder;
};

// The expected file was checked line by line against KEN_ALL.CSV and
// JIGYOSYO.CSV of the bundled snapshot: every town area of the village in
// the data's order, its one office first, the name of the county and the
// village (9 characters) whole.
TEST_F(ExportNationalTest, AVillageMatchesItsHandCheckedFile) {
  const std::string expected =
      file_bytes(std::filesystem::path(KOVARI_SOURCE_DIR) / "tests/csv_export/nozawa_onsen.csv");
  ASSERT_FALSE(expected.empty());
  const int nagano = find_prefecture(db(), u"長野県");
  EXPECT_EQ(export_text({nagano, u"下高井郡", u"野沢温泉村"}, {true, true}), expected);
}

TEST_F(ExportNationalTest, ACountySharingItsNameExportsThePickedOne) {
  // 北海道 has three counties named 上川郡; the third holds 新得町 and 清水町.
  AreaPick pick(db());
  pick.choose(0);
  std::vector<int> kamikawa;
  for (std::size_t k = 0; k < pick.list().items.size(); ++k) {
    if (pick.list().items[k] == u"上川郡") kamikawa.push_back(static_cast<int>(k));
  }
  ASSERT_EQ(kamikawa.size(), 3u);
  pick.choose(kamikawa[2]);
  EXPECT_EQ(pick.list().items, (std::vector<std::u16string>{u"新得町", u"清水町"}));
  const std::string third =
      export_text({pick.found_pref, pick.city_text, u"", pick.found_city}, {true, false});
  EXPECT_NE(third.find("\"上川郡新得町 \""), std::string::npos);
  EXPECT_NE(third.find("\"上川郡清水町 \""), std::string::npos);
  EXPECT_EQ(third.find("上川郡鷹栖町"), std::string::npos);
  // By its name alone, the city is every county of that name.
  const std::string all = export_text({pick.found_pref, u"上川郡", u"", 0}, {true, false});
  EXPECT_NE(all.find("\"上川郡鷹栖町 \""), std::string::npos);
  EXPECT_NE(all.find("\"上川郡清水町 \""), std::string::npos);
}

TEST_F(ExportNationalTest, TheLastCityReachesTheEndOfBothFiles) {
  const int okinawa = find_prefecture(db(), u"沖縄県");
  ASSERT_EQ(okinawa, db().dir.pref_count);
  AreaPick pick(db());
  pick.choose(okinawa - 1);
  const int last_city = static_cast<int>(pick.list().items.size()) - 1;
  pick.choose(last_city);
  const std::string text =
      export_text({okinawa, pick.city_text, u"", pick.found_city}, {true, true});
  // Its last town area is the last record of the main file.
  const std::optional<std::vector<RecordRange>> ranges =
      export_ranges(db(), {okinawa, pick.city_text, u"", pick.found_city});
  ASSERT_TRUE(ranges);
  EXPECT_EQ(ranges->back().town_last, db().dir.town_end1);
  EXPECT_EQ(ranges->back().detail_last, db().dir.town_end2);
  EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 2);
}

}  // namespace
}  // namespace kovari::csv_export
