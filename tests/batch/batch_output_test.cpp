#include "batch/batch_output.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::batch {
namespace {

std::filesystem::path fresh_folder(const std::string& name) {
  const auto dir = std::filesystem::path(::testing::TempDir()) /
                   ("kovari_output_" + name + "_" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(BatchOutputTest, QuotesOnlyItemsWithACommaOrAQuote) {
  const struct {
    std::vector<std::u16string> items;
    std::u16string_view line;
  } cases[] = {
      {{u"1000001", u"東京都千代田区千代田"}, u"1000001,東京都千代田区千代田"},
      {{u"東京都,千代田区", u"x"}, u"\"東京都,千代田区\",x"},
      {{u"町域に\"～\"を含む"}, u"\"町域に\"\"～\"\"を含む\""},
      {{u" a ", u"", u"\t"}, u" a ,,\t"},
      {{}, u""},
  };
  for (const auto& c : cases) EXPECT_EQ(join_record(c.items), c.line);
}

// A record is encoded item by item after what the buffer holds: the bytes of
// the joined line, or the position in the joined line of the first character
// without a code, and the buffer as it was.
TEST(BatchOutputTest, AppendsTheJoinedLineOrWhereItCannotBeEncoded) {
  const struct {
    std::vector<std::u16string> items;
    std::optional<std::size_t> bad;  // none: it encodes
  } cases[] = {
      {{u"1000001", u"東京都,千代田区", u"町域に\"～\"を含む"}, std::nullopt},
      {{}, std::nullopt},
      {{u"東京都,千代田区", u"a\U0001F600"}, 12},
      {{u"\"", u"x", u"\U0001F600"}, 7},
      {{u"\U0001F600", u"x"}, 0},
  };
  for (const auto& c : cases) {
    std::string bytes = "earlier\r\n";
    std::u16string room;
    std::size_t bad = 99;
    EXPECT_EQ(append_record(c.items, room, bytes, bad), !c.bad);
    if (c.bad) {
      EXPECT_EQ(bad, *c.bad);
      EXPECT_EQ(bytes, "earlier\r\n");
    } else {
      EXPECT_EQ(bytes, "earlier\r\n" + text::encode_sjis(join_record(c.items) + u"\r\n").value());
    }
  }
}

TEST(BatchOutputTest, WritesShiftJisLinesEndingInCrLf) {
  const auto dir = fresh_folder("write");
  OutputFile out;
  ASSERT_TRUE(out.open(dir / "out.csv"));
  const std::vector<std::u16string> first = {u"1000001", u"東京都千代田区千代田"};
  const std::vector<std::u16string> second = {u"a,b"};
  EXPECT_TRUE(out.write_record(first));
  EXPECT_TRUE(out.write_record(second));
  EXPECT_TRUE(out.close());
  EXPECT_EQ(read_bytes(dir / "out.csv"),
            text::encode_sjis(u"1000001,東京都千代田区千代田\r\n\"a,b\"\r\n").value());
}

TEST(BatchOutputTest, ReportsAFileThatCannotBeCreated) {
  const auto dir = fresh_folder("create");
  OutputFile out;
  EXPECT_FALSE(out.open(dir / "no such folder" / "out.csv"));
  EXPECT_NE(out.error().find("out.csv"), std::string::npos) << out.error();
  const std::vector<std::u16string> record = {u"x"};
  EXPECT_FALSE(out.write_record(record));
  EXPECT_FALSE(out.close());
}

TEST(BatchOutputTest, ReportsAWriteThatFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  OutputFile out;
  ASSERT_TRUE(out.open("/dev/full"));
  const std::vector<std::u16string> record = {u"1000001"};
  out.write_record(record);
  EXPECT_FALSE(out.close());
  EXPECT_FALSE(out.error().empty());
}

TEST(BatchOutputTest, ReportsACharacterShiftJisCannotHold) {
  const auto dir = fresh_folder("encode");
  OutputFile out;
  ASSERT_TRUE(out.open(dir / "out.csv"));
  const std::vector<std::u16string> record = {u"a", u"\U0001F600"};
  EXPECT_FALSE(out.write_record(record));
  EXPECT_NE(out.error().find("line 1"), std::string::npos) << out.error();
  EXPECT_FALSE(out.close());
}

TEST(BatchOutputTest, AFailedRunLeavesTheEarlierFileAndNothingElse) {
  const auto dir = fresh_folder("earlier");
  std::ofstream(dir / "out.csv", std::ios::binary) << "earlier output\r\n";
  OutputFile out;
  ASSERT_TRUE(out.open(dir / "out.csv"));
  const std::vector<std::u16string> good = {std::u16string(70000, u'x')};  // flushed at once
  const std::vector<std::u16string> bad = {u"\U0001F600"};
  EXPECT_TRUE(out.write_record(good));
  EXPECT_FALSE(out.write_record(bad));
  EXPECT_FALSE(out.close());
  EXPECT_EQ(read_bytes(dir / "out.csv"), "earlier output\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace
}  // namespace kovari::batch
