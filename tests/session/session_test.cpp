// The session: a load empties whatever depended on the data loaded before,
// and the user's replacement pairs take effect once applied.
#include "session/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "session/convert_address.h"
#include "support/file_tricks.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace kovari {
namespace {

using testing::fixture_folder;

TEST(SessionTest, ALoadEmptiesWhatDependedOnTheDataBefore) {
  testing::LoadedSession loaded;
  Session& session = loaded.session;
  ASSERT_TRUE(loaded.load(fixture_folder("basic")));
  EXPECT_EQ(
      convert_address(session, loaded.host, u"東京都千代田区千代田", CallerMode::kClipboard).code,
      u"1000001");
  EXPECT_NE(session.town_cache.size(), 0u);
  EXPECT_TRUE(session.caches.city_names.has_value());
  session.clip_asked = true;

  // Other data into the same session: its 千代田区 is another row with other records.
  ASSERT_TRUE(loaded.load(fixture_folder("code_search")));
  EXPECT_EQ(session.town_cache.size(), 0u);
  EXPECT_TRUE(session.caches.detail_cache.records.empty());
  EXPECT_FALSE(session.caches.shared_names_built);
  EXPECT_FALSE(session.caches.city_names.has_value());
  EXPECT_TRUE(session.remembered.last_pref_text.empty());
  EXPECT_FALSE(session.clip_asked);
  EXPECT_EQ(
      convert_address(session, loaded.host, u"東京都千代田区九段南", CallerMode::kClipboard).code,
      u"1020073");
}

TEST(SessionTest, TheUsersReplacementPairsTakeEffectOnceApplied) {
  testing::LoadedSession loaded;
  Session& session = loaded.session;
  ASSERT_TRUE(loaded.load(fixture_folder("basic")));
  const std::u16string typed = u"東京都千代田区まるのうち1-1-2";
  EXPECT_NE(convert_address(session, loaded.host, typed, CallerMode::kClipboard).code, u"1000005");

  session.settings.text_section_read = true;
  session.settings.text_pairs.push_back({u"まるのうち", u"丸の内"});
  EXPECT_EQ(session.apply_replacement_pairs(), 0);
  EXPECT_EQ(convert_address(session, loaded.host, typed, CallerMode::kClipboard).code, u"1000005");
  // The pair lives in the settings only: removed there, it is gone once applied again.
  session.settings.text_pairs.clear();
  session.apply_replacement_pairs();
  EXPECT_NE(convert_address(session, loaded.host, typed, CallerMode::kClipboard).code, u"1000005");
}

// Whether the end of the program may save the settings is known at the load,
// and the message line says it once when it may not.
TEST(SessionTest, TheLoadSaysOnceWhenTheSettingsWillNotBeSaved) {
  const struct {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    std::u16string_view said;
    settings::SaveResult saved;
  } cases[] = {
      {"readable", [](const auto& p) { testing::write_bytes(p, "[Control]\r\n"); }, u"",
       settings::SaveResult::kSaved},
      {"a folder", [](const auto& p) { std::filesystem::create_directory(p); },
       settings::kMsgUnreadableNotSaved, settings::SaveResult::kNotSaved},
      {"read-only",
       [](const auto& p) {
         testing::write_bytes(p, "[Control]\r\n");
         std::filesystem::permissions(p, std::filesystem::perms::owner_read);
       },
       settings::kMsgReadOnlyNotSaved, settings::SaveResult::kNotSaved},
  };
  for (const auto& c : cases) {
    const testing::TempFolder folder("kovari-session");
    const std::filesystem::path ini = folder.path() / "kovaritbl.ini";
    c.make(ini);
    Session session;
    testing::RecordingHost host;
    ASSERT_TRUE(
        session.load(fixture_folder("basic"), host, paths::UserFiles{ini, ini, {}, {}}).ok());
    const auto said = [&](std::u16string_view text) {
      return std::count(host.statuses.begin(), host.statuses.end(), text);
    };
    EXPECT_EQ(said(settings::kMsgUnreadableNotSaved) + said(settings::kMsgReadOnlyNotSaved),
              c.said.empty() ? 0 : 1)
        << c.name;
    if (!c.said.empty()) EXPECT_EQ(said(c.said), 1) << c.name;
    EXPECT_EQ(session.save_settings(), c.saved) << c.name;
  }
}

}  // namespace
}  // namespace kovari
