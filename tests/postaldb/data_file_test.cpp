#include "postaldb/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <fstream>

#include "postaldb/fixture_writer.h"
#include "support/file_tricks.h"

namespace kovari::postaldb {
namespace {

std::int32_t pattern_of(float value) { return std::bit_cast<std::int32_t>(value); }

TEST(CnvDataTest, DecodesWholeNumbersAndZeroesTheRest) {
  const struct {
    std::int32_t pattern;
    std::int32_t expected;
  } kCases[] = {
      {pattern_of(47.0f), 47},
      {pattern_of(-3.0f), -3},
      {pattern_of(1.0f), 1},
      {pattern_of(16777215.0f), 16777215},
      {pattern_of(2.5f), 2},  // ties go to the even neighbour
      {pattern_of(3.5f), 4},
      {pattern_of(-2.5f), -2},
      {pattern_of(1.4f), 1},
      {pattern_of(0.5f), 0},  // below 1
      {pattern_of(0.0f), 0},
      {pattern_of(-0.0f), 0},
      {pattern_of(16777216.0f), 0},  // 2^24 and above
      {pattern_of(1e30f), 0},
      {0x7FC00000, 0},  // NaN
      {0x7F800000, 0},  // infinity
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(cnv_data(c.pattern), c.expected) << std::hex << c.pattern;
  }
}

class DataFileTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& bytes) {
    const std::filesystem::path path = dir_ / "kovaritbl.dat";
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  const testing::ScratchFolder folder_;
  const std::filesystem::path& dir_ = folder_.path();
};

TEST_F(DataFileTest, MissingFileReadsAsEmptyAndIsNotCreated) {
  DataFile file;
  ASSERT_TRUE(file.open(dir_ / "kovari4tbl.dat"));
  EXPECT_FALSE(file.exists());
  EXPECT_EQ(file.length(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "kovari4tbl.dat"));
}

TEST_F(DataFileTest, ReadsLittleEndianValuesFromOneBasedPositions) {
  testing::ByteWriter w;
  w.integer(-2);
  w.long_value(123456789);
  w.code("1000001");
  w.variant(u"東京都");
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(1);
  EXPECT_EQ(cursor.read_integer(), -2);
  EXPECT_EQ(cursor.read_long(), 123456789);
  EXPECT_EQ(cursor.read_code(), "1000001");
  EXPECT_EQ(cursor.read_variant_string(), u"東京都");
  EXPECT_FALSE(cursor.failed());
  EXPECT_EQ(file.at(3).read_long(), 123456789);
}

TEST_F(DataFileTest, EmptyVariantStringOccupiesFourBytes) {
  testing::ByteWriter w;
  w.variant(u"");
  w.integer(7);
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(1);
  EXPECT_EQ(cursor.read_variant_string(), u"");
  EXPECT_EQ(cursor.position(), 5);
  EXPECT_EQ(cursor.read_integer(), 7);
}

TEST_F(DataFileTest, ReadPastTheEndFailsAndStaysFailed) {
  testing::ByteWriter w;
  w.long_value(1);
  w.long_value(2);
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(6);
  EXPECT_EQ(cursor.read_long(), 0);  // bytes 6..9 of 8
  EXPECT_TRUE(cursor.failed());
  EXPECT_NE(cursor.error().find("kovaritbl.dat"), std::string::npos) << cursor.error();
  EXPECT_EQ(cursor.read_integer(), 0);  // would fit, but the cursor has failed
  const std::string first_error = cursor.error();
  cursor.read_code();
  EXPECT_EQ(cursor.error(), first_error);
}

TEST_F(DataFileTest, PositionsOutsideTheFileFail) {
  testing::ByteWriter w;
  w.long_value(1);
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  for (std::int64_t position :
       {std::int64_t{0}, std::int64_t{-1023}, std::int64_t{6}, std::int64_t{1} << 62, INT64_MAX}) {
    Cursor cursor = file.at(position);
    cursor.read_integer();
    EXPECT_TRUE(cursor.failed()) << position;
  }
  Cursor at_end = file.at(5);
  EXPECT_EQ(at_end.read_bytes(0), "");
  EXPECT_FALSE(at_end.failed());
}

TEST_F(DataFileTest, VariantStringWithWrongTagOrBadBytesFails) {
  const struct {
    const char* name;
    std::string bytes;
  } kCases[] = {
      {"tag 3", std::string("\x03\x00\x02\x00\x82\xa0", 6)},
      {"length past the end", std::string("\x08\x00\x09\x00\x82\xa0", 6)},
      {"lone lead byte", std::string("\x08\x00\x01\x00\x82", 5)},
      {"bad trail byte", std::string("\x08\x00\x02\x00\x82\x0a", 6)},
  };
  for (const auto& c : kCases) {
    DataFile file;
    ASSERT_TRUE(file.open(write(c.bytes)));
    Cursor cursor = file.at(1);
    EXPECT_EQ(cursor.read_variant_string(), u"") << c.name;
    EXPECT_TRUE(cursor.failed()) << c.name;
    EXPECT_NE(cursor.error().find("kovaritbl.dat"), std::string::npos) << cursor.error();
    // Appended to a text, the text is left as it was.
    std::u16string text = u"町名";
    file.at(1).append_variant_string(text);
    EXPECT_EQ(text, u"町名") << c.name;
  }
}

// A text's bytes read undecoded, as a view of the file's own, and each way
// of failing named as the decoded read names it.
TEST_F(DataFileTest, VariantBytesAreTheFilesOwnAndFailAtTheirPlace) {
  testing::ByteWriter w;
  w.variant(u"千代田");
  w.long_value(77);
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(1);
  const std::string_view bytes = cursor.read_variant_bytes();
  EXPECT_EQ(bytes, std::string_view(file.bytes()).substr(4, 6));
  EXPECT_EQ(bytes.data(), file.bytes().data() + 4);
  EXPECT_EQ(cursor.read_long(), 77);
  EXPECT_FALSE(cursor.failed()) << cursor.error();

  const struct {
    std::string bytes;
    const char* error;
  } kCases[] = {
      {std::string("\x08\x00\x02", 3), "a read of 2 bytes at position 3 lies outside"},
      {std::string("\x03\x00\x02\x00\x82\xa0", 6), "the text at position 1 has type tag 3, not 8"},
      {std::string("\x08\x00\x09\x00\x82\xa0", 6), "a read of 9 bytes at position 5 lies outside"},
  };
  for (const auto& c : kCases) {
    DataFile bad;
    ASSERT_TRUE(bad.open(write(c.bytes)));
    Cursor at = bad.at(1);
    EXPECT_EQ(at.read_variant_bytes(), "") << c.error;
    EXPECT_NE(at.error().find(c.error), std::string::npos) << at.error();
    Cursor decoding = bad.at(1);
    decoding.read_variant_string();
    EXPECT_EQ(decoding.error(), at.error());
  }
}

// A text between fixed fields read at once: each part a view of the file's
// own bytes and the cursor past them; each way of failing leaves every part
// empty and says where.
TEST_F(DataFileTest, AFramedTextIsReadAsViewsOfTheFile) {
  testing::ByteWriter w;
  w.code("1000001");
  w.variant(u"千代田");
  w.long_value(77);
  w.long_value(5);
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(1);
  const FramedText read = cursor.read_framed_text(7, 4);
  EXPECT_FALSE(cursor.failed()) << cursor.error();
  EXPECT_EQ(read.before.data(), file.bytes().data());
  EXPECT_EQ(read.before, "1000001");
  EXPECT_EQ(read.text.data(), file.bytes().data() + 11);
  EXPECT_EQ(read.text.size(), 6u);
  ASSERT_EQ(read.after.size(), 4u);
  EXPECT_EQ(little_long(reinterpret_cast<const unsigned char*>(read.after.data())), 77);
  EXPECT_EQ(cursor.read_long(), 5);

  const struct {
    std::string bytes;
    const char* error;
  } kCases[] = {
      {std::string("10\x08\x00", 4), "a read of 6 bytes at position 1 lies outside"},
      {std::string("10\x03\x00\x02\x00\x82\xa0\x01\x02", 10),
       "the text at position 3 has type tag 3, not 8"},
      {std::string("10\x08\x00\x02\x00\x82\xa0\x01", 9),
       "a read of 4 bytes at position 7 lies outside"},
  };
  for (const auto& c : kCases) {
    DataFile bad;
    ASSERT_TRUE(bad.open(write(c.bytes)));
    Cursor at = bad.at(1);
    const FramedText none = at.read_framed_text(2, 2);
    EXPECT_TRUE(none.before.empty() && none.text.empty() && none.after.empty()) << c.error;
    EXPECT_NE(at.error().find(c.error), std::string::npos) << at.error();
  }
}

TEST_F(DataFileTest, VariantStringsAppendOneAfterAnother) {
  testing::ByteWriter w;
  w.variant(u"千代田");
  w.variant(u"");
  w.variant(u"ABC丸の内");
  DataFile file;
  ASSERT_TRUE(file.open(write(w.bytes())));
  Cursor cursor = file.at(1);
  std::u16string text = u"1000001";
  for (int i = 0; i < 3; ++i) cursor.append_variant_string(text);
  EXPECT_FALSE(cursor.failed()) << cursor.error();
  EXPECT_EQ(text, u"1000001千代田ABC丸の内");
}

// Another process that truncates or rewrites the file in place (not by a
// rename) cannot take the bytes away from under the readers.
TEST_F(DataFileTest, AFileRewrittenInPlaceKeepsTheBytesThatWereRead) {
  testing::ByteWriter w;
  w.code("1000001");
  w.raw(std::string(8192, '\x55'));
  w.variant(u"千代田");
  DataFile file;
  const std::filesystem::path path = write(w.bytes());
  ASSERT_TRUE(file.open(path));
  std::filesystem::resize_file(path, 0);
  Cursor cursor = file.at(1);
  EXPECT_EQ(cursor.read_code(), "1000001");
  std::ofstream(path, std::ios::binary) << std::string(100, 'x');
  EXPECT_EQ(file.at(8200).read_variant_string(), u"千代田");
  EXPECT_EQ(file.length(), static_cast<std::int64_t>(w.bytes().size()));
}

TEST_F(DataFileTest, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
  const std::filesystem::path fifo = dir_ / "kovari4tbl.dat";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_directory(dir_ / "kovaritbl.dat");
  const struct {
    std::filesystem::path path;
    const char* error;
  } cases[] = {
      {fifo, "kovari4tbl.dat is a FIFO, not a regular file"},
      {dir_ / "kovaritbl.dat", "kovaritbl.dat is a folder, not a regular file"},
  };
  for (const auto& c : cases) {
    DataFile file;
    bool opened = true;
    ASSERT_TRUE(
        kovari::testing::returns_without_waiting(fifo, [&] { opened = file.open(c.path); }));
    EXPECT_FALSE(opened);
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.error(), c.error);
  }
}

}  // namespace
}  // namespace kovari::postaldb
