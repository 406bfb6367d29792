// kovari-cli against what a careless user or a hostile input gives it. Every
// run has a time limit and must end without a crash; a failure names the file
// at fault and exits with its status; and a run that fails changes no file
// that was there before it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "reliability/cli_run.h"
#include "support/data_folders.h"
#include "support/scratch_folder.h"

namespace kovari::testing {
namespace {

constexpr const char* kNotSaved = "設定は保存しません。";

class ReliabilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!cli_and_fixture_built("basic"))
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
    // Everyone may walk in: one case runs the program as another user.
    std::filesystem::permissions(
        root_, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                   std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                   std::filesystem::perms::others_exec);
    for (const char* folder : {"data", "config/kovari", "share", "work"}) {
      std::filesystem::create_directories(root_ / folder);
    }
    // A copy of the program away from any data: it keeps its settings in the
    // XDG folders below, as an installed program does.
    std::filesystem::permissions(program_folder_.path(), std::filesystem::perms::owner_all |
                                                             std::filesystem::perms::others_read |
                                                             std::filesystem::perms::others_exec);
    std::filesystem::copy_file(cli_program(), program_);
    copy_fixture("basic", root_ / "data");
    write_bytes(work_ / "in.csv", "1,1000001\r\n2,0600042\r\n");
  }

  // The shell command that runs the copy with `arguments` over the data folder.
  std::string cli(const std::string& arguments) const {
    return "env HOME='" + root_.string() + "' XDG_CONFIG_HOME='" + (root_ / "config").string() +
           "' XDG_DATA_HOME='" + (root_ / "share").string() + "' '" + program_.string() + "' " +
           arguments + " --data '" + data_.string() + "'";
  }
  CliRun run(const std::string& arguments) { return run_limited(root_, cli(arguments)); }

  std::string batch_code(const std::filesystem::path& out) const {
    return "batch-code --in '" + (work_ / "in.csv").string() + "' --out '" + out.string() +
           "' --items 2 --code-pos 2";
  }
  std::string batch_addr(const std::filesystem::path& out) const {
    return "batch-addr --in '" + (work_ / "in.csv").string() + "' --out '" + out.string() +
           "' --items 2 --addr1 2";
  }

  const TempFolder program_folder_{"kovari-program"};
  const std::filesystem::path program_ = program_folder_.path() / "kovari-cli";
  const TempFolder folder_{"kovari-reliability"};
  const std::filesystem::path& root_ = folder_.path();
  const std::filesystem::path data_ = root_ / "data";
  const std::filesystem::path work_ = root_ / "work";
  const std::filesystem::path ini_ = root_ / "config" / "kovari" / "kovaritbl.ini";
};

// Puts a 4-byte value at `offset` of a file's directory block.
void patch_directory(const std::filesystem::path& file, std::size_t offset, std::int32_t value) {
  std::string bytes = file_bytes(file);
  std::memcpy(bytes.data() + bytes.size() - 1024 + offset, &value, sizeof value);
  write_bytes(file, bytes);
}

TEST_F(ReliabilityTest, BrokenDataFilesAreNamedAndNothingIsWritten) {
  using Break = std::function<void(const std::filesystem::path&)>;
  const Break zeros = [](const auto& f) {
    write_bytes(f, std::string(file_bytes(f).size(), '\0'));
  };
  const Break cut_in_half = [](const auto& f) {
    write_bytes(f, file_bytes(f).substr(0, file_bytes(f).size() / 2));
  };
  const Break fifo = [](const auto& f) {
    std::filesystem::remove(f);
    mkfifo(f.c_str(), 0644);
  };
  const Break folder = [](const auto& f) {
    std::filesystem::remove(f);
    std::filesystem::create_directory(f);
  };
  // A folder whose main file is no regular file holds no data (exit status 2).
  const struct {
    const char* name;
    const char* file;
    Break damage;
    int status = 1;
  } cases[] = {
      {"main file of zeros", "kovaritbl.dat", zeros},
      {"main file cut in half", "kovaritbl.dat", cut_in_half},
      {"no postal codes", "kovaritbl.dat", [](const auto& f) { patch_directory(f, 52 * 4, 0); }},
      {"a million prefectures", "kovaritbl.dat",
       [](const auto& f) { patch_directory(f, 50 * 4, std::bit_cast<std::int32_t>(1e6f)); }},
      {"detail file of zeros", "kovari2tbl.dat", zeros},
      {"third file cut in half", "kovari3tbl.dat", cut_in_half},
      {"town-name index without records", "kovari4tbl.dat",
       [](const auto& f) { patch_directory(f, 50 * 2 + 8, 0); }},
      {"a FIFO for the main file", "kovaritbl.dat", fifo, 2},
      {"a FIFO for the detail file", "kovari2tbl.dat", fifo},
      {"a FIFO for the third file", "kovari3tbl.dat", fifo},
      {"a FIFO for the fourth file", "kovari4tbl.dat", fifo},
      {"a folder for the main file", "kovaritbl.dat", folder, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    copy_fixture("basic", data_);
    c.damage(data_ / c.file);
    const FolderState before = folder_state(root_);
    for (const std::string& arguments :
         {std::string("info"), std::string("code 1000001"),
          std::string("addr 東京都千代田区千代田"), std::string("decompose 東京都千代田区千代田"),
          batch_code(work_ / "out.csv"), batch_addr(work_ / "out.csv")}) {
      const CliRun result = run(arguments);
      EXPECT_FALSE(result.hung()) << arguments;
      EXPECT_FALSE(result.crashed()) << arguments << ": " << result.status;
      EXPECT_EQ(result.status, c.status) << arguments << ": " << result.error;
      EXPECT_NE(result.error.find(c.file), std::string::npos) << arguments << ": " << result.error;
      EXPECT_EQ(folder_state(root_), before) << arguments;
    }
    std::filesystem::remove_all(data_ / c.file);
  }
}

TEST_F(ReliabilityTest, SettingsFilesItCannotReadOrMustNotReplaceAreLeftAsTheyAre) {
  using std::filesystem::perms;
  const std::string users = "[Control]\r\nctl_flg(3)=1\r\n[Text]\r\n\"ｰ\",\"-\"\r\n";
  const struct {
    const char* name;
    std::function<void()> make;
  } cases[] = {
      {"a folder", [&] { std::filesystem::create_directory(ini_); }},
      {"over the size limit", [&] { write_bytes(ini_, users + std::string(17 << 20, ' ')); }},
      {"a FIFO", [&] { mkfifo(ini_.c_str(), 0644); }},
      {"read-only",
       [&] {
         write_bytes(ini_, users);
         std::filesystem::permissions(ini_, perms::owner_read | perms::group_read);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(ini_);
    c.make();
    const FolderState before = folder_state(root_);
    const CliRun result = run("code 1000001");
    EXPECT_FALSE(result.hung());
    EXPECT_EQ(result.status, 0) << result.error;
    EXPECT_EQ(result.output.rfind("1000001\t東京都千代田区千代田", 0), 0u) << result.output;
    EXPECT_NE(result.error.find(kNotSaved), std::string::npos) << result.error;
    EXPECT_EQ(folder_state(root_), before);
  }
}

// Mode 000 stops every user but root. Run as "nobody" when the tests run as
// root (as CI does) and setpriv is there; as this user otherwise.
TEST_F(ReliabilityTest, ASettingsFileThisUserMayNotReadIsLeftAsItIs) {
  std::string as_user;
  if (geteuid() == 0) {
    if (run_command("command -v setpriv >/dev/null && id nobody >/dev/null 2>&1").status != 0) {
      GTEST_SKIP() << "running as root without setpriv or the user nobody";
    }
    as_user = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
  }
  write_bytes(ini_, "[Control]\r\nctl_flg(3)=1\r\n");
  std::filesystem::permissions(ini_, std::filesystem::perms::none);
  const FolderState before = folder_state(root_);
  const CliRun result = run_limited(work_, as_user + cli("code 1000001"));
  EXPECT_EQ(result.status, 0) << result.error;
  EXPECT_EQ(result.output.rfind("1000001\t東京都千代田区千代田", 0), 0u) << result.output;
  EXPECT_NE(result.error.find(kNotSaved), std::string::npos) << result.error;
  EXPECT_EQ(folder_state(root_), before);
}

TEST_F(ReliabilityTest, OutputsThatNameItsOwnFilesAreRefused) {
  write_bytes(ini_, "[Control]\r\n");
  std::filesystem::create_hard_link(data_ / "kovaritbl.dat", work_ / "a second name.dat");
  const std::filesystem::path own_files[] = {
      data_ / "kovaritbl.dat",
      data_ / "kovari2tbl.dat",
      data_ / "kovari3tbl.dat",
      data_ / "." / "kovari4tbl.dat",
      work_ / "a second name.dat",
      ini_,
      root_ / "share" / "kovari" / "tmp_history.csv",
      root_ / "share" / "kovari" / "ooguchi_index.csv",
  };
  const FolderState before = folder_state(root_);
  for (const std::filesystem::path& out : own_files) {
    for (const std::string& arguments : {batch_code(out), batch_addr(out)}) {
      const CliRun result = run(arguments);
      EXPECT_EQ(result.status, 2) << arguments << ": " << result.error;
      EXPECT_NE(result.error.find("変換後ファイルを作成できません。"), std::string::npos)
          << result.error;
      EXPECT_EQ(folder_state(root_), before) << arguments;
    }
  }
  EXPECT_EQ(run("info").status, 0);
}

// The disk fills up in the middle of the output: a small file system of its
// own where the test may mount one (a user namespace), and /dev/full.
TEST_F(ReliabilityTest, AFullFileSystemLeavesTheEarlierOutputAndNothingElse) {
  std::string many;
  for (int k = 0; k < 5000; ++k) many += std::to_string(k) + ",1000001\r\n";
  write_bytes(work_ / "many.csv", many);
  const std::filesystem::path small = work_ / "small";
  std::filesystem::create_directory(small);
  const std::string script = "mount -t tmpfs -o size=64k tmpfs '" + small.string() +
                             "' || exit 99; " + "printf 'earlier output\\r\\n' > '" +
                             (small / "out.csv").string() + "'; " +
                             cli("batch-code --in '" + (work_ / "many.csv").string() + "' --out '" +
                                 (small / "out.csv").string() + "' --items 2 --code-pos 2") +
                             " >/dev/null 2>&1; echo \"status $?\"; ls -A '" + small.string() +
                             "'; cat '" + (small / "out.csv").string() + "'";
  write_bytes(work_ / "full.sh", script);
  const CommandResult mounted = run_command("timeout -k 5 60 unshare -rm sh '" +
                                            (work_ / "full.sh").string() + "' 2>/dev/null");
  if (mounted.status == 0) {
    EXPECT_EQ(mounted.output, "status 1\nout.csv\nearlier output\r\n");
  } else {
    std::cout << "no file system of its own here (" << mounted.status << "): /dev/full only\n";
  }

  const CliRun full = run(batch_code("/dev/full"));
  EXPECT_EQ(full.status, 1) << full.error;
  EXPECT_NE(full.error.find("変換後ファイルに書き込めません。"), std::string::npos) << full.error;
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

// A data file rewritten in place while the program runs (not by the
// builder's rename) cannot pull the data away from under it. The rewrite may
// come before the program has read the file; then the load fails cleanly.
TEST_F(ReliabilityTest, ADataFileRewrittenWhileItRunsDoesNotKillIt) {
  const std::string script = "(echo 1000001; sleep 3; echo 0600042) | " + cli("code") +
                             " & sleep 1.5; : > '" + (data_ / "kovaritbl.dat").string() +
                             "'; wait $!";
  write_bytes(work_ / "rewrite.sh", script);
  const CliRun result = run_limited(work_, "sh '" + (work_ / "rewrite.sh").string() + "'");
  EXPECT_FALSE(result.crashed()) << result.status << ": " << result.error;
  if (result.status == 0) {
    EXPECT_EQ(result.output.rfind("1000001\t東京都千代田区千代田", 0), 0u) << result.output;
    EXPECT_NE(result.output.find("\n0600042\t北海道札幌市中央区大通西"), std::string::npos)
        << result.output;
  } else {
    EXPECT_NE(result.error.find("kovaritbl.dat"), std::string::npos) << result.error;
  }
}

}  // namespace
}  // namespace kovari::testing
