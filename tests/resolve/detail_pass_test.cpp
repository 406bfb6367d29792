#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decompose/decomposition.h"
#include "postaldb/startup.h"
#include "resolve/detail_record.h"
#include "resolve/kaiseki_phase1.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(KOVARI_FIXTURE_ROOT) / "basic";

class DetailPassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kFixture / "kovari2tbl.dat")) GTEST_SKIP() << "no fixture";
    settings = settings::default_settings();
    SilentHost silent;
    ASSERT_TRUE(postaldb::load_postal_db(kFixture, db, settings, silent).ok());
    settings.ctl_flg[10] = 1;
  }

  std::u16string resolve(std::u16string_view address, std::array<int, 6> running = {}) {
    d.addr_text = address;
    decompose::decompose_address(d, db.tables, {0, 0});
    st.result_msg.clear();
    ResolveContext ctx{db, settings.ctl_flg, running, host, u""};
    kaiseki_phase1(st, d, ctx);
    return st.result_code;
  }

  postaldb::PostalDb db;
  settings::Settings settings;
  SilentHost host;
  ResolveState st;
  decompose::Decomposition d;
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
  settings.ctl_flg[10] = 0;
  EXPECT_EQ(resolve(u"北海道札幌市中央区大通西3丁目6"), u"0600042");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1"), u"1000005");
}

TEST_F(DetailPassTest, TheCacheGivesTheSameResultsTheSecondTime) {
  const std::array<int, 6> batch_open = {0, 0, 0, 1, 0, 0};
  const std::u16string first = resolve(u"東京都千代田区丸の内1-1-1", batch_open);
  const std::size_t cached = st.detail_cache.records.size();
  EXPECT_GT(cached, 0u);
  EXPECT_EQ(resolve(u"東京都千代田区丸の内2丁目7-2", batch_open), u"1008691");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1", batch_open), first);
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-2", batch_open), u"1000005");
  EXPECT_EQ(resolve(u"東京都千代田区丸の内1-1-1", batch_open), u"1008692");
  EXPECT_LE(st.detail_cache.records.size(), 499u);
}

TEST_F(DetailPassTest, DetailAddressDecomposesLikeTheTypedAddress) {
  resolve(u"東京都千代田区丸の内1丁目1番1号");
  decompose_detail_record(u"丸の内1丁目1-1", d, db.tables, {});
  EXPECT_EQ(d.addr_slot, 2);
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(d.slot[2].addr_part[k], d.slot[1].addr_part[k]) << "part " << k;
  }
  EXPECT_EQ(compare_block_parts(d), 1);
  decompose_detail_record(u"丸の内1丁目1-2", d, db.tables, {});
  EXPECT_EQ(compare_block_parts(d), 0);
}

}  // namespace
}  // namespace kovari::resolve
