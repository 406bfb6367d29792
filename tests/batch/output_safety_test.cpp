// What a batch run may write: never one of the program's own files, never
// half an output, and its file names as the bytes given.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "batch/address_to_code.h"
#include "batch/code_to_address.h"
#include "support/data_folders.h"
#include "support/file_tricks.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::batch {
namespace {

using kovari::testing::file_bytes;
using kovari::testing::folder_entries;
using kovari::testing::write_bytes;

class OutputSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data_ / "config");
    kovari::testing::copy_fixture("basic", data_);
    files_ = {data_ / "config" / "kovaritbl.ini", data_ / "config" / "kovaritbl.ini",
              data_ / "history" / "tmp_history.csv", data_ / "ooguchi_index.csv"};
    std::filesystem::remove(data_ / "kovari4tbl.dat");  // the optional file, absent
    const postaldb::LoadStatus status = session_.load(data_, host_, files_);
    ASSERT_TRUE(status.ok()) << status.error;
    write_bytes(dir_ / "in.csv", "1,1000001\r\n2,0600042\r\n");
  }

  BatchOutcome run_code(const std::filesystem::path& in, const std::filesystem::path& out) {
    CodeBatchFields fields{in, u"2", u"2", u"1", out, true};
    return run_code_batch(fields, session_, host_);
  }
  BatchOutcome run_address(const std::filesystem::path& in, const std::filesystem::path& out) {
    AddressBatchFields fields;
    fields.in_file = in;
    fields.out_file = out;
    fields.item_count = u"2";
    fields.address_pos[0] = u"2";
    return run_address_batch(fields, session_, host_);
  }

  const kovari::testing::TempFolder data_folder_{"kovari-data"};
  const kovari::testing::TempFolder folder_{"kovari-batch"};
  const std::filesystem::path& data_ = data_folder_.path();
  const std::filesystem::path& dir_ = folder_.path();
  paths::UserFiles files_;
  Session session_;
  kovari::testing::RecordingHost host_;
};

TEST_F(OutputSafetyTest, AnOutputThatIsOneOfTheProgramsOwnFilesIsRefused) {
  write_bytes(data_ / "config" / "kovaritbl.ini", "[Control]\r\n");
  std::filesystem::create_hard_link(data_ / "kovaritbl.dat", dir_ / "another name.dat");
  std::filesystem::create_symlink(data_ / "kovari3tbl.dat", dir_ / "link.dat");
  const std::filesystem::path own_files[] = {
      data_ / "kovaritbl.dat",
      data_ / "kovari2tbl.dat",
      data_ / "." / "kovari3tbl.dat",
      data_ / "kovari4tbl.dat",  // absent: creating it would make the next start read it
      dir_ / "another name.dat",
      dir_ / "link.dat",
      data_ / "config" / "kovaritbl.ini",
      data_ / "history" / "tmp_history.csv",
      data_ / "ooguchi_index.csv",
  };
  const std::set<std::string> data_before = folder_entries(data_);
  const std::string main_before = file_bytes(data_ / "kovaritbl.dat");
  using Run = std::function<BatchOutcome(const std::filesystem::path&)>;
  const Run runs[] = {
      [&](const std::filesystem::path& out) { return run_code(dir_ / "in.csv", out); },
      [&](const std::filesystem::path& out) { return run_address(dir_ / "in.csv", out); }};
  for (const Run& run : runs) {
    for (const std::filesystem::path& out : own_files) {
      const BatchOutcome outcome = run(out);
      EXPECT_EQ(outcome.result, BatchResult::Refused) << out;
      EXPECT_EQ(outcome.message, u"変換後ファイルを作成できません。") << out;
      EXPECT_EQ(outcome.focus, Focus::kOutputFile) << out;
      EXPECT_NE(outcome.error.find(out.string()), std::string::npos) << outcome.error;
    }
  }
  EXPECT_EQ(folder_entries(data_), data_before);
  EXPECT_EQ(file_bytes(data_ / "kovaritbl.dat"), main_before);
  EXPECT_EQ(file_bytes(data_ / "config" / "kovaritbl.ini"), "[Control]\r\n");
  EXPECT_EQ(run_code(dir_ / "in.csv", dir_ / "out.csv").result, BatchResult::Finished);
}

TEST_F(OutputSafetyTest, AFullDiskLeavesTheEarlierOutputAndNoTemporaryFile) {
  std::string input;
  for (int k = 0; k < 4000; ++k) input += std::to_string(k) + ",1000001\r\n";
  write_bytes(dir_ / "big.csv", input);
  write_bytes(dir_ / "out.csv", "earlier output\r\n");
  const std::set<std::string> before = folder_entries(dir_);
  BatchOutcome outcome;
  {
    const kovari::testing::FileSizeLimit full_disk(64 * 1024);
    outcome = run_code(dir_ / "big.csv", dir_ / "out.csv");
  }
  EXPECT_EQ(outcome.result, BatchResult::Failed);
  EXPECT_EQ(outcome.message, u"変換後ファイルに書き込めません。");
  EXPECT_EQ(file_bytes(dir_ / "out.csv"), "earlier output\r\n");
  EXPECT_EQ(folder_entries(dir_), before);
}

TEST_F(OutputSafetyTest, FileNamesAreTheBytesGiven) {
  const std::filesystem::path in = dir_ / "in\x93\x8c.csv";  // Shift-JIS bytes of 東
  const std::filesystem::path out = dir_ / "out\xff.csv";    // no text encoding at all
  write_bytes(in, "1,1000001\r\n");
  ASSERT_EQ(run_code(in, out).result, BatchResult::Finished);
  EXPECT_EQ(text::decode_sjis(file_bytes(out)), u"1,1000001,東京都千代田区千代田,\r\n");
  ASSERT_EQ(run_address(in, dir_ / "out2\xff.csv").result, BatchResult::Finished);
  EXPECT_EQ(folder_entries(dir_),
            (std::set<std::string>{"in.csv", "in\x93\x8c.csv", "out\xff.csv", "out2\xff.csv"}));
}

}  // namespace
}  // namespace kovari::batch
