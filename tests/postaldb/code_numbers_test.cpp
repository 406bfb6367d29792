#include "postaldb/code_numbers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "postaldb/directory.h"
#include "support/scratch_folder.h"

namespace kovari::postaldb {
namespace {

TEST(CodeNumberTest, OrdersLikeTheCodesBytes) {
  const std::string_view kAscending[] = {"0000000",
                                         "0600000",
                                         "1000001",
                                         "1000010",
                                         "9999999",
                                         "999999\xFF",
                                         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"};
  for (std::size_t i = 1; i < std::size(kAscending); ++i) {
    EXPECT_LT(code_number(kAscending[i - 1]), code_number(kAscending[i])) << kAscending[i];
  }
  // A code of seven NUL bytes still orders above a record that could not be read.
  EXPECT_GT(code_number(std::string_view("\0\0\0\0\0\0\0", 7)), 0U);
}

// Three records from block 1 of a file that ends two bytes into the code of a
// fourth.
class ReadCodeNumbersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string bytes(static_cast<std::size_t>(kBlockSize), '\0');
    for (const char* code : {"1000001", "1000001", "1000005"}) {
      bytes += code + std::string(kIndexRecordSize - kCodeSize, '\x01');
    }
    bytes += "10";
    std::ofstream(folder.path() / "index.dat", std::ios::binary) << bytes;
    ASSERT_TRUE(file.open(folder.path() / "index.dat"));
  }

  testing::TempFolder folder;
  DataFile file;
};

TEST_F(ReadCodeNumbersTest, ReadsTheCountedRecordsAsFarAsTheFileHoldsTheirCodes) {
  const struct {
    std::int32_t block;
    std::int32_t count;
    std::size_t read;
  } kCases[] = {
      {1, 3, 3}, {1, 2, 2},           // all, or the first ones
      {1, 4, 3}, {1, 0x7FFFFFFF, 3},  // counted past the end of the file
      {1, 0, 0}, {1, -5, 0},          // no records
      {5, 3, 0}, {-1, 3, 0},          // a block outside the file
  };
  for (const auto& c : kCases) {
    const std::vector<std::uint64_t> numbers = read_code_numbers(file, c.block, c.count);
    ASSERT_EQ(numbers.size(), c.read) << c.block << " " << c.count;
    const std::string_view kCodes[] = {"1000001", "1000001", "1000005"};
    for (std::size_t r = 0; r < numbers.size(); ++r) {
      EXPECT_EQ(numbers[r], code_number(kCodes[r])) << r;
    }
  }
}

// Index records (code, offset, run ordinal) in block 1 of a file.
class ReadRunOffsetsTest : public ::testing::Test {
 protected:
  struct Record {
    std::string code;
    std::int32_t offset;
    std::int16_t ordinal;
  };
  std::vector<std::int32_t> offsets(const std::vector<Record>& records, RecordRange range,
                                    std::size_t cut = 0) {
    std::string bytes(static_cast<std::size_t>(kBlockSize), '\0');
    for (const Record& r : records) {
      bytes += r.code;
      for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>(r.offset >> shift));
      bytes.push_back(static_cast<char>(r.ordinal & 0xFF));
      bytes.push_back(static_cast<char>(r.ordinal >> 8));
    }
    bytes.resize(bytes.size() - cut);
    const std::filesystem::path path = folder.path() / "index.dat";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    DataFile file;
    EXPECT_TRUE(file.open(path));
    const auto count = static_cast<std::int32_t>(records.size());
    return read_run_offsets(file, 1, read_code_numbers(file, 1, count), range);
  }

  testing::TempFolder folder;
};

TEST_F(ReadRunOffsetsTest, GivesTheOffsetsOnlyWhenEveryRunBeginsWithOrdinalOneAndIsWhole) {
  const std::vector<Record> whole = {
      {"1000001", 10, 1}, {"1000001", 20, 2}, {"1000001", 30, 3}, {"1000005", 40, 1}};
  EXPECT_EQ(offsets(whole, {1, 4}), (std::vector<std::int32_t>{10, 20, 30, 40}));
  EXPECT_EQ(offsets(whole, {4, 1}), (std::vector<std::int32_t>{40}));
  // Only the first record of a run must carry ordinal 1, and only a run that
  // begins inside the range is checked.
  EXPECT_EQ(offsets({{"1000001", 10, 1}, {"1000001", 20, 7}}, {1, 2}),
            (std::vector<std::int32_t>{10, 20}));
  EXPECT_EQ(offsets({{"1000001", 10, 2}, {"1000005", 40, 1}}, {2, 1}),
            (std::vector<std::int32_t>{40}));
  const struct {
    const char* what;
    std::vector<Record> records;
    RecordRange range;
    std::size_t cut;
  } kEmpty[] = {
      {"a run that begins with ordinal 2", {{"1000001", 10, 2}, {"1000005", 40, 1}}, {1, 2}, 0},
      {"a later run that begins with 0", {{"1000001", 10, 1}, {"1000005", 40, 0}}, {1, 2}, 0},
      {"a range past the records", whole, {2, 4}, 0},
      {"the last record's ordinal cut off", whole, {4, 1}, 1},
      {"no records", whole, {1, 0}, 0},
      {"a range before the first record", whole, {0, 2}, 0},
  };
  for (const auto& c : kEmpty) {
    EXPECT_EQ(offsets(c.records, c.range, c.cut), std::vector<std::int32_t>{}) << c.what;
  }
}

}  // namespace
}  // namespace kovari::postaldb
