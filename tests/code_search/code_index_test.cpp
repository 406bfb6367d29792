#include "code_search/code_index.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "postaldb/code_numbers.h"
#include "support/scratch_folder.h"

namespace kovari::code_search {
namespace {

std::string index_record(const std::string& code, std::int32_t offset, std::int16_t ordinal) {
  std::string bytes = code;
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(offset >> shift));
  bytes.push_back(static_cast<char>(ordinal & 0xFF));
  bytes.push_back(static_cast<char>(ordinal >> 8));
  return bytes;
}

// An index of four records in block 1 of a file that ends inside the last
// one: three whole records, then only the code of the fourth (its offset and
// ordinal are cut off).
class CodeIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes = std::string(1024, '\0') + index_record("1000001", 10, 1) +
                              index_record("1000001", 20, 2) + index_record("1000005", 30, 1) +
                              "1000009" + "\x01\x02";
    std::ofstream(folder.path() / "index.dat", std::ios::binary) << bytes;
    ASSERT_TRUE(file.open(folder.path() / "index.dat"));
    numbers = postaldb::read_code_numbers(file, 1, 4);
  }

  testing::TempFolder folder;
  postaldb::DataFile file;
  std::vector<std::uint64_t> numbers;
  CodeIndex index() const { return CodeIndex{file, 1, 4, numbers}; }
};

TEST_F(CodeIndexTest, RecordsReadAsFarAsTheFileHoldsThem) {
  const struct {
    std::int32_t r;
    std::string_view raw_code;
    std::int32_t offset;
    std::int16_t ordinal;
  } kCases[] = {
      {0, "", 0, 0},        {1, "1000001", 10, 1}, {2, "1000001", 20, 2}, {3, "1000005", 30, 1},
      {4, "1000009", 0, 0}, {5, "", 0, 0},         {6, "", 0, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(index().raw_code(c.r), c.raw_code) << c.r;
    EXPECT_EQ(index().number(c.r), c.raw_code.empty() ? 0 : postaldb::code_number(c.raw_code))
        << c.r;
    const IndexRecord record = index().record(c.r);
    // Record 4 has its code but not the rest: as a whole record it cannot be read.
    EXPECT_EQ(record.code, c.r == 4 ? "" : c.raw_code) << c.r;
    EXPECT_EQ(record.offset, c.offset) << c.r;
    EXPECT_EQ(record.ordinal, c.ordinal) << c.r;
  }
}

TEST_F(CodeIndexTest, SearchesMeetTheEndsOfTheRecordsAndEveryKindOfKey) {
  const struct {
    std::u16string_view key;
    IndexSearch kind;
    std::optional<std::int32_t> found;
  } kCases[] = {
      {u"1000001", IndexSearch::Exact, 1},  // the first record
      {u"1000005", IndexSearch::Exact, 3},
      {u"1000009", IndexSearch::Exact, 4},  // only its code is in the file
      {u"1000000", IndexSearch::Exact, std::nullopt},
      {u"1000003", IndexSearch::Exact, std::nullopt},
      {u"1000003", IndexSearch::LowBound, 2},
      {u"1000003", IndexSearch::HighBound, 3},
      {u"1000099", IndexSearch::HighBound, std::nullopt},  // above the last code
      {u"100000", IndexSearch::LowBound, std::nullopt},    // below the first code
      {u"1000002", IndexSearch::LowBound, 2},
      {u"10000010", IndexSearch::LowBound, 2},          // longer than a code
      {u"100000９", IndexSearch::Exact, std::nullopt},  // a wide character orders above every byte
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(search_index(index(), c.key, c.kind), c.found)
        << std::string(c.key.begin(), c.key.end()) << " " << static_cast<int>(c.kind);
  }
}

// A directory that counts a record the file does not hold: its empty code
// lies below every key, so no key lies inside the index.
TEST_F(CodeIndexTest, IndexWhoseLastRecordIsMissingFindsNothing) {
  const std::vector<std::uint64_t> beyond_numbers = postaldb::read_code_numbers(file, 1, 5);
  EXPECT_EQ(beyond_numbers.size(), 4U);
  const CodeIndex beyond(file, 1, 5, beyond_numbers);
  EXPECT_EQ(beyond.raw_code(5), "");
  EXPECT_EQ(beyond.number(5), 0U);
  EXPECT_EQ(search_index(beyond, u"1000001", IndexSearch::Exact), std::nullopt);
  EXPECT_EQ(search_index(beyond, u"1000005", IndexSearch::LowBound), std::nullopt);
}

}  // namespace
}  // namespace kovari::code_search
