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

}  // namespace
}  // namespace kovari::postaldb
