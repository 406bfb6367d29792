// The settings are saved at the end only when saving cannot lose the user's
// own: a file that could not be read, or that the user made read-only, stays
// as it is; and every pair of a file that was read is kept.
#include "settings/settings_save.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "settings/ini_file.h"
#include "support/file_tricks.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::settings {
namespace {

using kovari::testing::file_bytes;
using kovari::testing::write_bytes;

const std::string kUsersFile = "[Control]\r\nctl_flg(3)=1\r\n[Text]\r\n\"ｰ\",\"-\"\r\n";

struct Prepared {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
  IniRead read;
  std::u16string_view not_saved;  // the message line's text; empty: saved
};

TEST(SettingsSaveTest, SavesOnlyWhatCannotLoseTheUsersSettings) {
  using std::filesystem::perms;
  const Prepared cases[] = {
      {"missing", [](const auto&) {}, IniRead::kMissing, u""},
      {"readable", [](const auto& p) { write_bytes(p, kUsersFile); }, IniRead::kRead, u""},
      {"a folder", [](const auto& p) { std::filesystem::create_directory(p); },
       IniRead::kUnreadable, kMsgUnreadableNotSaved},
      {"over the size limit",
       [](const auto& p) { write_bytes(p, kUsersFile + std::string(17 << 20, ' ')); },
       IniRead::kUnreadable, kMsgUnreadableNotSaved},
      {"a FIFO", [](const auto& p) { mkfifo(p.c_str(), 0600); }, IniRead::kUnreadable,
       kMsgUnreadableNotSaved},
      {"read-only",
       [](const auto& p) {
         write_bytes(p, kUsersFile);
         std::filesystem::permissions(p, perms::owner_read | perms::group_read);
       },
       IniRead::kRead, kMsgReadOnlyNotSaved},
  };
  for (const Prepared& c : cases) {
    const kovari::testing::TempFolder folder("kovari-settings");
    const std::filesystem::path path = folder.path() / "kovaritbl.ini";
    c.make(path);
    const std::string before = file_bytes(path);
    const auto status_before = std::filesystem::status(path);
    Settings settings = default_settings();
    ASSERT_TRUE(kovari::testing::returns_without_waiting(path, [&] {
      EXPECT_EQ(get_ini_file(path, settings), c.read) << c.name;
    })) << c.name;
    EXPECT_EQ(settings.ini_read, c.read) << c.name;
    EXPECT_EQ(settings_not_saved_reason(settings, path), c.not_saved) << c.name;

    settings.set_flag(Flag::kApproximate, 1);
    const SaveResult saved = save_ini_file(path, settings);
    if (c.not_saved.empty()) {
      EXPECT_EQ(saved, SaveResult::kSaved) << c.name;
      EXPECT_NE(file_bytes(path).find("ctl_flg(4)=1\r\n"), std::string::npos) << c.name;
    } else {
      EXPECT_EQ(saved, SaveResult::kNotSaved) << c.name;
      EXPECT_FALSE(put_ini_file(path, settings)) << c.name;
      EXPECT_EQ(file_bytes(path), before) << c.name;
      EXPECT_EQ(std::filesystem::status(path).type(), status_before.type()) << c.name;
      EXPECT_EQ(std::filesystem::status(path).permissions(), status_before.permissions());
    }
  }
}

// Mode 000 stops any user but root: the case runs as "nobody", in a child
// process, when the tests run as root (as CI does); otherwise as this user.
TEST(SettingsSaveTest, AFileThisUserMayNotReadIsNeitherReadNorReplaced) {
  const kovari::testing::TempFolder folder("kovari-settings");
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  const std::filesystem::path path = folder.path() / "kovaritbl.ini";
  write_bytes(path, kUsersFile);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  const passwd* nobody = getpwnam("nobody");
  if (geteuid() == 0 && nobody == nullptr) GTEST_SKIP() << "running as root, and no user nobody";

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) _exit(10);
    Settings settings = default_settings();
    if (get_ini_file(path, settings) != IniRead::kUnreadable) _exit(11);
    if (settings_not_saved_reason(settings, path) != kMsgUnreadableNotSaved) _exit(12);
    if (save_ini_file(path, settings) != SaveResult::kNotSaved) _exit(13);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_EQ(file_bytes(path), kUsersFile);
}

TEST(SettingsSaveTest, EveryPairOfTheFileSurvivesASave) {
  const kovari::testing::TempFolder folder("kovari-settings");
  const std::filesystem::path path = folder.path() / "kovaritbl.ini";
  std::string pairs;
  for (int k = 1; k <= 105; ++k) {
    pairs += "\"from" + std::to_string(k) + "\",\"to" + std::to_string(k) + "\"\r\n";
  }
  write_bytes(path, "[Text]\r\n" + pairs);
  Settings settings = default_settings();
  ASSERT_EQ(get_ini_file(path, settings), IniRead::kRead);
  EXPECT_EQ(settings.text_pairs.size(), 105u);
  ASSERT_EQ(save_ini_file(path, settings), SaveResult::kSaved);
  EXPECT_NE(file_bytes(path).find("[Text]\r\n" + pairs), std::string::npos);
}

TEST(SettingsSaveTest, APairWithNothingToReplaceIsLeftOut) {
  const kovari::testing::TempFolder folder("kovari-settings");
  const std::filesystem::path path = folder.path() / "kovaritbl.ini";
  write_bytes(path, "[Text]\r\n\"\",\"X\"\r\n\"a\",\"b\"\r\n,\"Y\"\r\n\" \",\"c\"\r\n");
  Settings settings = default_settings();
  ASSERT_EQ(get_ini_file(path, settings), IniRead::kRead);
  EXPECT_EQ(settings.text_pairs, (std::vector<TextPair>{{u"a", u"b"}, {u" ", u"c"}}));
}

}  // namespace
}  // namespace kovari::settings
