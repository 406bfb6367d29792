#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decompose/decomposition.h"
#include "resolve/detail_record.h"
#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

class DetailPassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic")));
    session.settings.set_flag(settings::Flag::kDetailPass, 1);
  }

  std::u16string resolve(std::u16string_view address) {
    outcome = convert_address(session, loaded.host, address, CallerMode::kClipboard);
    return outcome.code;
  }

  kovari::testing::LoadedSession loaded;
  Session& session = loaded.session;
  AddressOutcome outcome;
};

TEST_F(DetailPassTest, AnOfficeAddressTakesTheOfficeCode) {
  struct Case {
    const char16_t* address;
    const char16_t* expected;
  } const kCases[] = {
      {u"北海道札幌市中央区大通西3丁目6", u"0608711"},
      {u"北海道札幌市中央区大通西３－６", u"0608711"},
      {u"北海道札幌市中央区北1条西2丁目", u"0608611"},
      // The post-office-box text of the record is not part of its address.
      {u"東京都千代田区丸の内2丁目7-2", u"1008691"},
      {u"東京都千代田区丸の内1-1-1", u"1008692"},
      {u"東京都千代田区丸の内1丁目1番1号", u"1008692"},
      // The office's building is not needed when the input names none.
      {u"東京都新宿区西新宿2-1-1", u"1638001"},
      // Other numbers, or another building: the town-area record decides.
      {u"東京都千代田区丸の内1-1-2", u"1000005"},
      {u"東京都千代田区丸の内1-1-1サンプルビル", u"1000005"},
      {u"北海道札幌市中央区大通西3丁目7", u"0600042"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(resolve(c.address), c.expected) << text::to_utf8(c.address);
  }
}

TEST_F(DetailPassTest, WithoutTheOptionTheTownAreaRecordsDecide) {
  session.settings.set_flag(settings::Flag::kDetailPass, 0);
  EXPECT_EQ(resolve(u"北海道札幌市中央区大通西3丁目6"), u"0600042");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1"), u"1000005");
}

TEST_F(DetailPassTest, TheCacheGivesTheSameResultsTheSecondTime) {
  // With a window open the detail records stay cached between addresses.
  session.running.set(ConversionWindow::kBatchAddressToCode);
  const std::u16string first = resolve(u"東京都千代田区丸の内1-1-1");
  const std::size_t cached = session.caches.detail_cache.records.size();
  EXPECT_GT(cached, 0u);
  EXPECT_EQ(resolve(u"東京都千代田区丸の内2丁目7-2"), u"1008691");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1"), first);
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-2"), u"1000005");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1"), u"1008692");
  EXPECT_LE(session.caches.detail_cache.records.size(), 499u);
}

TEST_F(DetailPassTest, DetailAddressDecomposesLikeTheTypedAddress) {
  resolve(u"東京都千代田区丸の内1丁目1番1号");
  decompose::Decomposition& d = outcome.decomposition;
  const postaldb::PostalTables& tables = session.db.tables;
  decompose_detail_record(u"丸の内1丁目1-1", d, tables, {});
  EXPECT_EQ(d.addr_slot, 2);
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(d.slot[2].addr_part[k], d.slot[1].addr_part[k]) << "part " << k;
  }
  EXPECT_EQ(compare_block_parts(d), 1);
  decompose_detail_record(u"丸の内1丁目1-2", d, tables, {});
  EXPECT_EQ(compare_block_parts(d), 0);
}

}  // namespace
}  // namespace kovari::resolve
