// The address window's decisions on the small fixture: the conversion of a
// typed address to its fields, the lists of a level the resolution cannot
// settle and the choice that converts again, the copy line, and the modes'
// controls.
#include "address_entry/address_entry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::address_entry {
namespace {

using settings::Flag;

class AddressEntryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }
  Session& session() { return loaded.session; }
  AddressConversion convert(std::u16string_view address) {
    const std::optional<AddressConversion> c = convert_typed_address(session(), host, address);
    EXPECT_TRUE(c.has_value());
    return c.value_or(AddressConversion{});
  }
  int item_named(const AddressConversion& c, std::u16string_view name) {
    if (!c.list) return -1;
    const std::vector<std::u16string> rows = list_rows(*c.list);
    const auto found = std::find(rows.begin(), rows.end(), name);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
  }
  kovari::testing::LoadedSession loaded;
  kovari::testing::RecordingHost host;
};

TEST_F(AddressEntryTest, AnAddressGivesItsPartsAndCode) {
  const struct {
    int hyphen;
    std::u16string_view code;
  } cases[] = {{0, u"1000005"}, {1, u"100-0005"}};
  for (const auto& c : cases) {
    session().settings.set_flag(Flag::kHyphen, c.hyphen);
    const AddressConversion shown = convert(u"東京都千代田区丸の内１丁目９－１");
    EXPECT_EQ(shown.fields.code, c.code);
    EXPECT_EQ(shown.fields.address, u"東京都千代田区丸の内１丁目９－１");
    EXPECT_TRUE(shown.fields.parts.starts_with(u"東京都,千代田区,,丸の内,"));
    EXPECT_EQ(shown.fields.message, kMsgEnterAddress);
    EXPECT_TRUE(shown.copy_visible);
    EXPECT_FALSE(shown.list);
  }
}

TEST_F(AddressEntryTest, AnEmptyAddressOnlyReturnsToTheField) {
  EXPECT_FALSE(convert_typed_address(session(), host, u"").has_value());
  EXPECT_FALSE(convert_typed_address(session(), host, u"   ").has_value());
}

TEST_F(AddressEntryTest, AChoiceOfEachLevelConvertsTheRebuiltAddressAgain) {
  session().settings.set_flag(Flag::kApproximate, 0);
  const struct {
    std::u16string_view typed;
    int list_kind;
    std::u16string_view pick;
    std::u16string_view rebuilt;
    std::u16string_view code;
  } cases[] = {
      // A slip in the ward's name: 東京都's municipalities are offered. The
      // block numbers come back as the address was cut, in narrow digits.
      {u"東京都千代本区丸の内１丁目", 2, u"千代田区", u"東京都千代田区丸の内1丁目", u"1000005"},
      // No prefecture that could be meant.
      {u"東東県千代田区丸の内１丁目", 1, u"東京都", u"東京都千代田区丸の内1丁目", u"1000005"},
  };
  for (const auto& c : cases) {
    const AddressConversion shown = convert(c.typed);
    ASSERT_TRUE(shown.list) << text::to_utf8(c.typed);
    EXPECT_EQ(shown.list->list_kind, c.list_kind);
    EXPECT_EQ(shown.fields.message, shown.list->prompt);
    EXPECT_FALSE(shown.copy_visible);
    const int item = item_named(shown, c.pick);
    ASSERT_GE(item, 0);
    const std::optional<AddressConversion> chosen = choose_item(session(), host, shown, item);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->fields.address, c.rebuilt);
    EXPECT_EQ(chosen->fields.code, c.code);
    EXPECT_TRUE(chosen->copy_visible);
  }
}

TEST_F(AddressEntryTest, ATownAreaChoiceShowsItsCodeDirectly) {
  session().settings.set_flag(Flag::kApproximate, 0);
  session().settings.set_flag(Flag::kHyphen, 1);
  const AddressConversion shown = convert(u"北海道余市郡仁木町");
  ASSERT_TRUE(shown.list);
  EXPECT_EQ(shown.list->list_kind, 4);
  EXPECT_EQ(list_rows(*shown.list),
            (std::vector<std::u16string>{u"以下に掲載がない場合", u"大江", u"元気町", u"北町"}));
  const std::optional<AddressConversion> chosen =
      choose_item(session(), host, shown, item_named(shown, u"北町"));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->fields.address, u"北海道余市郡仁木町北町");
  EXPECT_EQ(chosen->fields.code, u"048-1602");
  EXPECT_TRUE(chosen->copy_visible);
  EXPECT_FALSE(chosen->list);
  EXPECT_FALSE(choose_item(session(), host, shown, 4));
  EXPECT_FALSE(choose_item(session(), host, *chosen, 0));  // no list left
}

TEST_F(AddressEntryTest, TheCopyAppendsTheCodeAndTheAddress) {
  const AddressFields fields{u"東京都千代田区丸の内", u"", u"100-0005 ", u""};
  session().settings.set_flag(Flag::kCommaSeparator, 1);
  EXPECT_EQ(copy_line(fields, session().settings), u"\"100-0005\",\"東京都千代田区丸の内\"\r\n");
  session().settings.set_flag(Flag::kCommaSeparator, 0);
  host.clipboard = u"前の行\r\n";
  ASSERT_TRUE(copy_result(session(), host, fields));
  ASSERT_TRUE(copy_result(session(), host, fields));
  EXPECT_EQ(host.questions.size(), 1u);  // only before the first copy of the run
  EXPECT_EQ(
      *host.clipboard,
      u"\"100-0005\"\t\"東京都千代田区丸の内\"\r\n\"100-0005\"\t\"東京都千代田区丸の内\"\r\n");
  EXPECT_FALSE(copy_result(session(), host, {u"東京都", u"", u"", u""}));
}

TEST(AddressModes, EachModeShowsItsControls) {
  const ModeControls pick = set_control(InputMode::kPick);
  EXPECT_TRUE(pick.pick_enabled);
  EXPECT_FALSE(pick.entry_enabled);
  EXPECT_EQ(pick.prompt, kMsgPickPrefecture);
  const ModeControls address = set_control(InputMode::kAddress);
  EXPECT_TRUE(address.entry_enabled && address.code_fields_visible);
  EXPECT_EQ(address.entry_title, u"一括入力");
  const ModeControls town = set_control(InputMode::kTownSearch);
  EXPECT_FALSE(town.code_fields_visible);
  EXPECT_EQ(town.entry_label, u"町域名");
  EXPECT_EQ(town.action_caption, u"検索");
  EXPECT_EQ(town.prompt, kMsgEnterTownName);
}

TEST(AddressModes, TheInitialModeFollowsTheSetting) {
  const struct {
    int flag;
    bool offered;
    InputMode mode;
  } cases[] = {
      {0, true, InputMode::kPick},       {1, true, InputMode::kAddress},
      {2, true, InputMode::kTownSearch}, {7, true, InputMode::kTownSearch},
      {2, false, InputMode::kAddress},
  };
  for (const auto& c : cases) {
    settings::Settings s;
    s.set_flag(Flag::kInputMode, c.flag);
    EXPECT_EQ(initial_mode(s, c.offered), c.mode) << c.flag << " " << c.offered;
  }
}

}  // namespace
}  // namespace kovari::address_entry
