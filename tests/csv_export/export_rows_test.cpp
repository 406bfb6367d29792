#include "csv_export/export_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_search/postal_image.h"
#include "support/recording_host.h"

namespace kovari::csv_export {
namespace {

using code_search::testing::PostalImage;

// One county town with a long name, its office records, then the records of
// a next town, which no range of the first reaches.
class ExportRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int hokkaido = image.add_pref(u"北海道");
    const std::int32_t town =
        PostalImage::location(hokkaido, image.add_city(u"空知郡", u"南富良野町"));
    const std::int32_t next = PostalImage::location(hokkaido, image.add_city(u"夕張市"));
    range.detail_first =
        image.add_detail("0792492", town, u"南富良野町役場", u"字幾寅", u"８６７") + 1;
    image.add_detail("0792493", town, u"甲社", u"字幾寅", u"１－１（幾寅郵便局私書箱第２号）", 4,
                     16);
    range.town_first = image.add_town("0792400", town, u"イ以下に掲載がない場合") + 1;
    image.add_town("0792401", town, u"イ幾寅", 6);  // kind 6: never written
    image.add_town("0792131", town, u"カ金山");
    range.town_last = image.add_town("0680000", next, u"イ以下に掲載がない場合");
    range.detail_last = image.add_detail("0688765", next, u"夕張市役所", u"本町", u"４－２");
    image.open(db, "csv_export_rows");
  }

  std::vector<std::u16string> lines(const ExportTables& tables) {
    const ExportText out = export_lines(db, std::span(&range, 1), tables, settings, host);
    std::vector<std::u16string> result;
    for (std::size_t at = 0; at < out.text.size();) {
      const std::size_t end = out.text.find(u"\r\n", at);
      result.push_back(out.text.substr(at, end - at));
      at = end + 2;
    }
    EXPECT_EQ(static_cast<long>(result.size()) - 1, out.count);
    return result;
  }

  PostalImage image;
  postaldb::PostalDb db;
  RecordRange range;
  settings::Settings settings;
  kovari::testing::RecordingHost host;
};

TEST_F(ExportRowsTest, TownAreasWithTheLongCityNameWhole) {
  EXPECT_EQ(lines({true, false}),
            (std::vector<std::u16string>{
                u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\"",
                u"\"0792400\",\"北海道  \",\"空知郡南富良野町\",\"以下に掲載がない場合\"",
                u"\"0792131\",\"北海道  \",\"空知郡南富良野町\",\"金山\"",
            }));
}

TEST_F(ExportRowsTest, OfficesFirstWithTheirPostOfficeBoxesThenTownAreas) {
  settings.set_flag(settings::Flag::kHyphen, 1);
  EXPECT_EQ(
      lines({true, true}),
      (std::vector<std::u16string>{
          u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\",\"私書箱\",\"大口事業所名等\"",
          u"\"079-2492\",\"北海道  "
          u"\",\"空知郡南富良野町\",\"字幾寅８６７\",\"\",\"南富良野町役場\"",
          u"\"079-2493\",\"北海道  "
          u"\",\"空知郡南富良野町\",\"字幾寅１－１\",\"幾寅郵便局私書箱第２号\",\"甲社\"",
          u"\"079-2400\",\"北海道  \",\"空知郡南富良野町\",\"以下に掲載がない場合\",\" \",\" \"",
          u"\"079-2131\",\"北海道  \",\"空知郡南富良野町\",\"金山\",\" \",\" \"",
      }));
  EXPECT_EQ(lines({false, true}).size(), 3u);  // the header and the two offices
}

TEST_F(ExportRowsTest, ShortNamesArePaddedAndAnEmptyRangeWritesNothing) {
  // The next town's records: 19 + 2 × 11 bytes and 27 + 2 × (5 + 2 + 3) bytes.
  range = {range.town_last + 1, range.town_last + 41, range.detail_last + 1,
           range.detail_last + 47};
  EXPECT_EQ(
      lines({true, true}),
      (std::vector<std::u16string>{
          u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\",\"私書箱\",\"大口事業所名等\"",
          u"\"0688765\",\"北海道  \",\"夕張市    \",\"本町４－２\",\"\",\"夕張市役所\"",
          u"\"0680000\",\"北海道  \",\"夕張市    \",\"以下に掲載がない場合\",\" \",\" \"",
      }));
  range.town_last = range.town_first - 1;
  range.detail_last = range.detail_first - 1;
  EXPECT_EQ(lines({true, true}).size(), 1u);
}

}  // namespace
}  // namespace kovari::csv_export
