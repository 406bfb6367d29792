// End to end on the national snapshot: real addresses with their known codes,
// typed the ways people type them, decomposed and resolved as the clipboard
// converter does it. Skipped when the data files have not been built.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "address_corpus.h"
#include "resolve/old_code.h"
#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

class NationalAddresses : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }
  kovari::testing::LoadedSession loaded;
  Session& session = loaded.session;
};

TEST_F(NationalAddresses, TypedAddressesResolveToTheirCodes) {
  const std::vector<CorpusRow> rows = read_corpus("national_addresses.tsv");
  ASSERT_FALSE(rows.empty());
  // No approximate matching: every rule must hold by itself.
  session.settings.set_flag(settings::Flag::kApproximate, 0);
  for (const CorpusRow& row : rows) {
    const std::string& address = row.at("address");
    const AddressOutcome o =
        convert_address(session, loaded.host, text::from_utf8(address), CallerMode::kClipboard);
    EXPECT_EQ(text::to_utf8(o.code), row.at("code"))
        << address << " (" << row.at("how it is typed") << ") parts " << text::to_utf8(o.parts)
        << " " << text::to_utf8(o.message);
  }
}

TEST_F(NationalAddresses, OldCodesGiveTheirPlaces) {
  struct {
    std::u16string code, pref, city, ward;
  } cases[] = {
      {u"060", u"北海道", u"札幌市", u"中央区"},  // three digits: key 06000
      {u"183", u"東京都", u"府中市", u""},
      {u"726", u"広島県", u"府中市", u""},
      {u"04112", u"北海道", u"北斗市", u""},  // five digits
  };
  for (const auto& c : cases) {
    const std::optional<OldCodePlace> place = look_up_old_code(session.db, c.code);
    ASSERT_TRUE(place.has_value()) << text::to_utf8(c.code);
    EXPECT_EQ(place->pref, c.pref);
    EXPECT_EQ(place->city, c.city);
    EXPECT_EQ(place->ward, c.ward);
  }
  EXPECT_FALSE(look_up_old_code(session.db, u"999").has_value());
}

// The ward pairs are compared in one form: ｹ, ヶ and ケ alike.
TEST_F(NationalAddresses, OldCodeCompletionComparesTheWardInOneForm) {
  for (const std::u16string_view ward : {u"保土ｹ谷区", u"保土ヶ谷区", u"保土ケ谷区"}) {
    decompose::DecompositionSlot slot;
    slot.addr_part[decompose::kCity] = ward;
    EXPECT_TRUE(complete_from_old_code(slot, session.db, u"", false));
    EXPECT_EQ(slot.addr_part[decompose::kCity], u"横浜市") << text::to_utf8(ward);
    EXPECT_EQ(slot.addr_part[decompose::kWardTown], ward);
  }
  session.running.set(ConversionWindow::kBatchAddressToCode);
  for (const std::u16string_view address : {u"保土ケ谷区帷子町1-1", u"保土ヶ谷区帷子町1-1"}) {
    const AddressOutcome o =
        convert_address(session, loaded.host, address, CallerMode::kBatchAddress, {u"", true});
    EXPECT_EQ(o.code, u"2400013") << text::to_utf8(address);
    EXPECT_EQ(o.approximate, 0u) << "completed by the pre-step, not by an approximate rule";
  }
}

// The batch converter completes an address that lacks two of its upper levels
// from the ward pairs or from the record's existing (old) code.
TEST_F(NationalAddresses, BatchPreStepCompletesTheLevels) {
  session.running.set(ConversionWindow::kBatchAddressToCode);
  struct {
    std::string address;
    std::u16string old_code, code, msg;
  } cases[] = {
      {"港北区日吉本町1-1", u"", u"2230062", u""},   // a ward only one city has
      {"中区三の丸3-1-1", u"460", u"4600001", u""},  // a shared ward, told by the old code
      // without a known old code, the one city whose 中区 holds the town area
      {"中区三の丸3-1-1", u"", u"4600001", u""},
      {"中区三の丸3-1-1", u"999", u"4600001", u""},
      // a town area that several cities' 中区 hold settles nothing
      {"中区富士見町1-1", u"", u"",
       u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。"},
  };
  for (const auto& c : cases) {
    session.remembered = {};
    const AddressOutcome o = convert_address(session, loaded.host, text::from_utf8(c.address),
                                             CallerMode::kBatchAddress, {c.old_code, true});
    EXPECT_EQ(o.code, c.code) << c.address << " " << text::to_utf8(c.old_code);
    EXPECT_EQ(o.message, c.msg) << c.address << " " << text::to_utf8(c.old_code) << " "
                                << text::to_utf8(o.parts);
  }
}

}  // namespace
}  // namespace kovari::resolve
