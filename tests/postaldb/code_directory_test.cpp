#include "postaldb/code_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postaldb/code_numbers.h"

namespace kovari::postaldb {
namespace {

std::vector<std::uint64_t> numbers(std::initializer_list<std::string_view> codes) {
  std::vector<std::uint64_t> result;
  for (std::string_view code : codes) result.push_back(code_number(code));
  return result;
}

// The records of `code` as its group answers them.
std::optional<CodeRecords> find(const CodeDirectory& directory, std::uint32_t code) {
  return directory.group(code / CodeDirectory::kGroupSize).find(code);
}

TEST(CodeDirectoryTest, GivesTheFirstRecordOfEachCodesRunInEachIndex) {
  const std::vector<std::uint64_t> main =
      numbers({"0600000", "1000001", "1000001", "1000005", "10000\x41\x41", "9999999"});
  const std::vector<std::uint64_t> detail = numbers({"1000001", "1000002", "1000002", "1000005"});
  const CodeDirectory directory(main, 6, detail, 4);
  ASSERT_TRUE(directory.ready());
  const struct {
    std::uint32_t code;
    CodeRecords records;
  } kCases[] = {
      {600000, {1, 0, 1, 0}},  {1000001, {2, 1, 2, 1}},
      {1000002, {0, 2, 0, 2}}, {1000005, {4, 4, 1, 1}},
      {9999999, {6, 0, 1, 0}}, {1000000, {}},
      {1000003, {}},           {0, {}},
      {1000999, {}},           {1001000, {}},
      {9999998, {}},
  };
  for (const auto& c : kCases) {
    const std::optional<CodeRecords> found = find(directory, c.code);
    ASSERT_TRUE(found) << c.code;
    EXPECT_EQ(found->main, c.records.main) << c.code;
    EXPECT_EQ(found->detail, c.records.detail) << c.code;
    EXPECT_EQ(found->main_run, c.records.main_run) << c.code;
    EXPECT_EQ(found->detail_run, c.records.detail_run) << c.code;
  }
}

// A group holds the index records whose numbers lie between its lowest and
// highest code, those of codes that are not all digits among them.
TEST(CodeDirectoryTest, AGroupIsMadeFromTheRecordsOfItsCodes) {
  const std::vector<std::uint64_t> main =
      numbers({"0600000", "1000001", "1000001", "10000\x41\x41", "1000999", "1001000"});
  const std::vector<std::uint64_t> detail = numbers({"1000002", "9999999"});
  const CodeDirectory directory(main, 6, detail, 2);
  const struct {
    std::uint32_t group;
    RecordRange main, detail;
  } kCases[] = {
      {600, {1, 1}, {1, 0}},  {1000, {2, 4}, {1, 1}}, {1001, {6, 1}, {2, 0}},
      {1002, {7, 0}, {2, 0}}, {9999, {7, 0}, {2, 1}}, {0, {1, 0}, {1, 0}},
  };
  for (const auto& c : kCases) {
    const CodeGroup group = directory.group(c.group);
    EXPECT_EQ(group.main_records().first, c.main.first) << c.group;
    EXPECT_EQ(group.main_records().count, c.main.count) << c.group;
    EXPECT_EQ(group.detail_records().first, c.detail.first) << c.group;
    EXPECT_EQ(group.detail_records().count, c.detail.count) << c.group;
  }
}

TEST(CodeDirectoryTest, AnIndexCutShortOrEmptyHoldsNoCode) {
  const std::vector<std::uint64_t> main = numbers({"1000001", "1000005"});
  const std::vector<std::uint64_t> detail = numbers({"1000005"});
  const struct {
    std::int32_t main_count, detail_count;
    CodeRecords of_1000005;
  } kCases[] = {
      {2, 1, {2, 1}}, {3, 1, {0, 1}},  // the main index counts a record the file does not hold
      {2, 2, {2, 0}}, {2, 0, {2, 0}}, {0, -1, {0, 0}},
  };
  for (const auto& c : kCases) {
    const CodeDirectory directory(main, c.main_count, detail, c.detail_count);
    const std::optional<CodeRecords> found = find(directory, 1000005);
    ASSERT_TRUE(found) << c.main_count << " " << c.detail_count;
    EXPECT_EQ(found->main, c.of_1000005.main) << c.main_count << " " << c.detail_count;
    EXPECT_EQ(found->detail, c.of_1000005.detail) << c.main_count << " " << c.detail_count;
  }
}

TEST(CodeDirectoryTest, AGroupWithARunTooLongForItsLengthAnswersNothing) {
  const std::vector<std::uint64_t> detail = numbers({"1000001", "2000001"});
  std::vector<std::uint64_t> main(65535, code_number("1000001"));
  EXPECT_TRUE(find(CodeDirectory(main, 65535, detail, 2), 1000001));
  main.push_back(code_number("1000001"));
  const CodeDirectory directory(main, 65536, detail, 2);
  EXPECT_EQ(find(directory, 1000001), std::nullopt);
  EXPECT_EQ(find(directory, 1000002), std::nullopt);
  ASSERT_TRUE(find(directory, 2000001));
  EXPECT_EQ(find(directory, 2000001)->detail, 2);
}

TEST(CodeDirectoryTest, IsNotReadyWhenAnIndexIsOutOfOrder) {
  const std::vector<std::uint64_t> sorted = numbers({"1000001", "1000005"});
  const std::vector<std::uint64_t> unsorted = numbers({"1000005", "1000001"});
  EXPECT_TRUE(CodeDirectory(sorted, 2, sorted, 2).ready());
  EXPECT_FALSE(CodeDirectory(unsorted, 2, sorted, 2).ready());
  EXPECT_FALSE(CodeDirectory(sorted, 2, unsorted, 2).ready());
  EXPECT_FALSE(CodeDirectory().ready());
}

TEST(CodeDirectoryTest, DigitsValueTakesOnlySevenDigits) {
  EXPECT_EQ(CodeDirectory::digits_value(code_number("0000000")), 0U);
  EXPECT_EQ(CodeDirectory::digits_value(code_number("1234567")), 1234567U);
  EXPECT_EQ(CodeDirectory::digits_value(code_number("123456/")), std::nullopt);
  EXPECT_EQ(CodeDirectory::digits_value(code_number(":234567")), std::nullopt);
  EXPECT_EQ(CodeDirectory::digits_value(0), std::nullopt);  // a key that is no code
}

}  // namespace
}  // namespace kovari::postaldb
