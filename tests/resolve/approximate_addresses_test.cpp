// The ways people write addresses that the data writes otherwise, kind by
// kind, on the national snapshot: the real-looking addresses of
// approximate_addresses.tsv (checked by hand against the data) get their
// codes, or the message where several places fit. Skipped when the data files
// have not been built.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "address_corpus.h"
#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

class ApproximateAddresses : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }

  // Every address of the kind, at least twenty, converts as the corpus says
  // in every caller's mode but the window's.
  void expect_kind(const std::string& kind) {
    static const std::vector<CorpusRow> corpus = read_corpus("approximate_addresses.tsv");
    int rows = 0;
    for (const CorpusRow& row : corpus) {
      if (row.at("kind") != kind) continue;
      ++rows;
      const std::string& address = row.at("address");
      for (const CallerMode mode : {CallerMode::kClipboard, CallerMode::kBatchAddress}) {
        const AddressOutcome o =
            convert_address(loaded.session, loaded.host, text::from_utf8(address), mode);
        EXPECT_EQ(text::to_utf8(o.code), row.at("code"))
            << address << " (" << row.at("note") << ") parts " << text::to_utf8(o.parts) << " "
            << text::to_utf8(o.message);
        EXPECT_EQ(text::to_utf8(o.message), row.at("message")) << address;
      }
    }
    EXPECT_GE(rows, 20) << kind;
  }

  kovari::testing::LoadedSession loaded;
};

TEST_F(ApproximateAddresses, RemarkBeforeTheAddressIsDropped) { expect_kind("remark"); }
TEST_F(ApproximateAddresses, VariantKanjiFoldToTheDataForms) { expect_kind("variant kanji"); }
TEST_F(ApproximateAddresses, LongVowelMarksBetweenDigitsAreHyphens) {
  expect_kind("long-vowel hyphen");
}
TEST_F(ApproximateAddresses, PrefectureWithoutSuffixBeforeOneOfItsCities) {
  expect_kind("prefecture suffix");
}
TEST_F(ApproximateAddresses, WardFirstCompletesTheCityThatHoldsTheTownArea) {
  expect_kind("ward first");
}
// Where the wards of several cities hold the town area, the window offers
// the ward of each with its city.
TEST_F(ApproximateAddresses, WardFirstOfSeveralCitiesOffersTheirWardsInTheWindow) {
  const AddressOutcome o =
      convert_address(loaded.session, loaded.host, u"中区富士見町1-1", CallerMode::kWindow);
  EXPECT_EQ(o.code, u"");
  ASSERT_TRUE(o.list.has_value());
  EXPECT_EQ(o.list->list_kind, 3);
  EXPECT_EQ(o.list->prompt, u"区町村名を特定できません。選択して下さい。");
  std::vector<std::u16string> cities;
  for (const AddressChoice& choice : o.list->choices) {
    EXPECT_EQ(choice.name, u"中区");
    cities.push_back(choice.name1);
  }
  EXPECT_EQ(cities, (std::vector<std::u16string>{u"横浜市", u"名古屋市", u"広島市"}));
}

TEST_F(ApproximateAddresses, CityOfSeveralPrefecturesIsTheOneThatHoldsTheTownArea) {
  expect_kind("shared city");
}
TEST_F(ApproximateAddresses, TownAreaNumeralWrittenTheOtherWay) { expect_kind("town numerals"); }
TEST_F(ApproximateAddresses, SapporoJoLeftOutWithItsChomeAsANumber) { expect_kind("jo left out"); }
TEST_F(ApproximateAddresses, OldTownMachiLeftOut) { expect_kind("old town machi"); }
TEST_F(ApproximateAddresses, NameBeginningRecordsOfOneCode) { expect_kind("one code prefix"); }

}  // namespace
}  // namespace kovari::resolve
