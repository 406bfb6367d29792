#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/sjis.h"

namespace kovari::shell {
namespace {

using enum ConversionWindow;

constexpr std::u16string_view kSecondLine = u"起動中はクリップボード経由変換を選択できません。\r\n";

// A town-record cache that holds one municipality's records.
void fill_town_cache(Session& session) {
  session.town_cache.run(session.db.main_file, session.db.tables, 1, 1);
}
bool town_cache_empty(const Session& session) { return session.town_cache.size() == 0; }

TEST(MainMenuTest, TheClipboardConversionStartsOnlyWithEveryConversionWindowClosed) {
  const struct {
    const char* name;
    std::vector<ConversionWindow> open;
    std::vector<int> contexts;  // the warnings, in order
  } cases[] = {
      {"none open", {}, {}},
      {"code to address and office search", {kOfficeSearch, kCodeToAddress}, {252, 254}},
      {"every window",
       {kBatchCodeToAddress, kAddressToCode, kBatchAddressToCode, kOfficeSearch, kCodeToAddress},
       {251, 252, 253, 254, 255}},
      {"batch code to address alone", {kBatchCodeToAddress}, {255}},
  };
  for (const auto& c : cases) {
    Session session;
    for (const ConversionWindow w : c.open) session.running.set(w);
    fill_town_cache(session);
    const ClipboardStart start = start_clipboard_conversion(session);
    EXPECT_TRUE(town_cache_empty(session)) << c.name;
    EXPECT_EQ(start.start, c.open.empty()) << c.name;
    std::vector<int> contexts;
    for (const ClipboardRefusal& refusal : start.refusals) {
      contexts.push_back(refusal.help_context);
      EXPECT_EQ(static_cast<int>(refusal.window), refusal.help_context - 250) << c.name;
    }
    EXPECT_EQ(contexts, c.contexts) << c.name;
  }
}

TEST(MainMenuTest, EachWarningIsThreeLinesNamingItsConversion) {
  Session session;
  for (const ConversionWindow w : kConversionWindows) session.running.set(w);
  const std::u16string_view expected[] = {
      u"住所→〒変換が起動中です。\r\n",     u"〒→住所変換が起動中です。\r\n",
      u"新〒一括変換が起動中です。\r\n",    u"事業所名検索が起動中です。\r\n",
      u"〒→住所一括変換が起動中です。\r\n",
  };
  const std::u16string_view last[] = {
      u"住所→〒変換を終了後、選択して下さい。\r\n",
      u"〒→住所変換を終了後、選択して下さい。\r\n",
      u"新〒一括変換を終了後、選択して下さい。\r\n",
      u"事業所名検索を終了後、選択して下さい。\r\n",
      u"〒→住所一括変換を終了後、選択して下さい。\r\n",
  };
  const ClipboardStart start = start_clipboard_conversion(session);
  ASSERT_EQ(start.refusals.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    const std::u16string whole =
        std::u16string(expected[i]) + std::u16string(kSecondLine) + std::u16string(last[i]);
    EXPECT_EQ(start.refusals[i].text, whole) << text::to_utf8(whole);
  }
}

TEST(MainMenuTest, OpeningAConversionWindowMarksItAndEmptiesTheTownCacheForTheFirstThree) {
  const struct {
    ConversionWindow window;
    bool cache_emptied;
  } cases[] = {{kAddressToCode, true},
               {kCodeToAddress, true},
               {kBatchAddressToCode, true},
               {kOfficeSearch, false},
               {kBatchCodeToAddress, false}};
  for (const auto& c : cases) {
    Session session;
    fill_town_cache(session);
    open_conversion_window(session, c.window);
    EXPECT_TRUE(session.running.is_set(c.window)) << static_cast<int>(c.window);
    EXPECT_EQ(town_cache_empty(session), c.cache_emptied) << static_cast<int>(c.window);
  }
}

TEST(MainMenuTest, WhichButtonsCanBeChosen) {
  const struct {
    ConversionWindow window;
    bool with_detail, without_detail, while_clipboard_runs;
  } cases[] = {
      {kAddressToCode, true, true, false},      {kCodeToAddress, true, true, false},
      {kBatchAddressToCode, true, true, false}, {kOfficeSearch, true, false, false},
      {kBatchCodeToAddress, true, true, true},
  };
  settings::Settings with = settings::default_settings();
  settings::Settings without = with;
  without.set_flag(settings::Flag::kDetailFile, 0);
  for (const auto& c : cases) {
    const int w = static_cast<int>(c.window);
    EXPECT_EQ(opener_enabled(c.window, with, false), c.with_detail) << w;
    EXPECT_EQ(opener_enabled(c.window, without, false), c.without_detail) << w;
    EXPECT_EQ(opener_enabled(c.window, with, true), c.while_clipboard_runs) << w;
    EXPECT_EQ(opener_enabled(c.window, without, true), c.while_clipboard_runs) << w;
  }
}

}  // namespace
}  // namespace kovari::shell
