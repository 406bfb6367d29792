#include "postaldb/fixture_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <fstream>

#include "text/sjis.h"

namespace kovari::postaldb::testing {

namespace {

constexpr std::size_t kBlock = 1024;

// The file's tables followed, at the next block boundary, by its directory
// block (padded to 1024 bytes).
std::string with_directory(ByteWriter& file, const ByteWriter& directory) {
  file.next_block();
  std::string bytes = file.bytes();
  std::string block = directory.bytes();
  block.resize(kBlock, '\0');
  return bytes + block;
}

void integer_blocks(ByteWriter& directory, const std::int32_t (&blk)[51]) {
  for (int k = 1; k <= 50; ++k) directory.integer(static_cast<std::int16_t>(blk[k]));
}

std::string main_file(const FixtureData& d) {
  ByteWriter file;
  file.raw(std::string(d.town_area_bytes, '\0'));
  std::int32_t blk[51] = {};
  blk[1] = file.next_block();
  for (const auto& [name, first_city] : d.prefectures) {
    file.variant(name);
    file.long_value(first_city);
  }
  blk[2] = d.city_block.value_or(file.next_block());
  for (const CityRow& city : d.cities) {
    file.variant(city.name1);
    file.variant(city.name2);
    file.long_value(city.town_pos);
    file.integer(city.kind);
  }
  blk[3] = file.next_block();  // the postal-code index: one record, of the first town area
  file.code("0600000");
  file.long_value(0);
  file.integer(1);
  blk[5] = file.next_block();
  for (const BuildingRow& building : d.buildings) {
    file.code(building.code);
    file.integer(building.floors);
    file.variant(building.name1);
    file.variant(building.name2);
  }
  ByteWriter directory;
  for (int k = 1; k <= 50; ++k) directory.float_coded(blk[k]);
  directory.float_coded(d.pref_count.value_or(static_cast<std::int32_t>(d.prefectures.size())));
  directory.float_coded(d.city_count.value_or(static_cast<std::int32_t>(d.cities.size())));
  directory.float_coded(d.code_count.value_or(1));
  directory.long_value(d.town_end1.value_or(d.town_area_bytes));
  directory.float_coded(d.bill_count.value_or(static_cast<std::int32_t>(d.buildings.size())));
  directory.raw(d.main_directory_tail);
  return with_directory(file, directory);
}

std::string detail_file(const FixtureData& d) {
  ByteWriter file;
  file.raw(std::string(d.detail_area_bytes, '\0'));
  std::int32_t blk[51] = {};
  blk[1] = file.next_block();
  for (const auto& [city, position] : d.city_positions) {
    file.integer(city);
    file.long_value(position);
  }
  blk[8] = file.next_block();
  for (const std::u16string& word : d.words) file.variant(word);
  blk[9] = file.next_block();
  for (const auto& [from, to] : d.chr_pairs) {
    file.variant(from);
    file.variant(to);
  }
  ByteWriter directory;
  integer_blocks(directory, blk);
  directory.long_value(0);
  directory.long_value(
      d.city_pos2_count.value_or(static_cast<std::int32_t>(d.city_positions.size())));
  directory.long_value(0);  // code2_count
  directory.long_value(d.detail_area_bytes);
  directory.long_value(0);
  directory.long_value(0);  // office_count
  directory.long_value(static_cast<std::int32_t>(d.words.size()));
  directory.long_value(d.chr_file_count.value_or(static_cast<std::int32_t>(d.chr_pairs.size())));
  return with_directory(file, directory);
}

std::string third_file(const FixtureData& d) {
  ByteWriter file;
  std::int32_t blk[51] = {};
  file.raw(std::string(kBlock, '\0'));  // block 0 would mean "absent"
  blk[2] = file.next_block();
  for (const auto& [first, second] : d.ward_pairs) {
    file.variant(first);
    file.variant(second);
  }
  ByteWriter directory;
  integer_blocks(directory, blk);
  directory.long_value(0);  // old_code_count
  directory.long_value(0);
  directory.long_value(d.ward_pair_count.value_or(static_cast<std::int32_t>(d.ward_pairs.size())));
  return with_directory(file, directory);
}

std::string fourth_file(const FixtureData& d) {
  ByteWriter file;
  std::int32_t blk[51] = {};
  file.raw(std::string(kBlock, '\0'));  // block 0 would mean "absent"
  blk[3] = file.next_block();
  file.raw(std::string(22 * static_cast<std::size_t>(d.tbl4_count), '\0'));
  ByteWriter directory;
  integer_blocks(directory, blk);
  directory.long_value(0);
  directory.long_value(0);
  directory.long_value(d.tbl4_count);
  return with_directory(file, directory);
}

}  // namespace

void ByteWriter::integer(std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  bytes_.push_back(static_cast<char>(v & 0xFF));
  bytes_.push_back(static_cast<char>(v >> 8));
}

void ByteWriter::long_value(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8)
    bytes_.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void ByteWriter::float_coded(std::int32_t value) {
  long_value(std::bit_cast<std::int32_t>(static_cast<float>(value)));
}

void ByteWriter::code(const std::string& seven_digits) {
  std::string code = seven_digits;
  code.resize(7, ' ');
  bytes_ += code;
}

void ByteWriter::variant(std::u16string_view text) {
  const std::optional<std::string> sjis = text::encode_sjis(text);
  EXPECT_TRUE(sjis.has_value());
  integer(8);
  integer(static_cast<std::int16_t>(sjis ? sjis->size() : 0));
  if (sjis) bytes_ += *sjis;
}

std::int32_t ByteWriter::next_block() {
  const std::size_t blocks = (bytes_.size() + kBlock - 1) / kBlock;
  bytes_.resize(blocks * kBlock, '\0');
  return static_cast<std::int32_t>(blocks);
}

FixtureFiles build_fixture(const FixtureData& data) {
  FixtureFiles files;
  files.main = main_file(data);
  if (data.write_detail) files.detail = detail_file(data);
  if (data.write_third) files.third = third_file(data);
  if (data.write_fourth) files.fourth = fourth_file(data);
  return files;
}

void write_fixture(const std::filesystem::path& dir, const FixtureFiles& files) {
  const std::pair<const char*, const std::string*> named[] = {{"kovaritbl.dat", &files.main},
                                                              {"kovari2tbl.dat", &files.detail},
                                                              {"kovari3tbl.dat", &files.third},
                                                              {"kovari4tbl.dat", &files.fourth}};
  for (const auto& [name, bytes] : named) {
    std::filesystem::remove(dir / name);
    if (bytes->empty()) continue;
    std::ofstream out(dir / name, std::ios::binary);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  }
}

ScratchFolder::ScratchFolder()
    : path_(std::filesystem::path(::testing::TempDir()) /
            ("kovari_postaldb_" + std::to_string(getpid())) /
            ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_.parent_path(), error);
}

FixtureData sample_data() {
  FixtureData d;
  d.prefectures = {{u"北海道", 1}, {u"東京都＊＊＊＊＊", 3}, {u"広島県", 5}};
  d.cities = {{u"札幌市", u"中央区", 0, 1}, {u"札幌市", u"北区", 8, 1},  {u"港区", u"", 16, 2},
              {u"府中市", u"", 24, 2},      {u"広島市", u"中区", 32, 1}, {u"府中市", u"", 40, 2}};
  d.buildings = {{"1706090", 60, u"サンシャイン６０", u"ビル"},
                 {"1600023", 48, u"新宿センタービル", u""}};
  d.city_positions = {{1, 0}, {3, 10}, {5, 20}};
  d.words = {u"株式会社", u"有限会社"};
  d.chr_pairs = {{u"ヶ", u"ケ"}, {u"之", u"の"}};
  d.ward_pairs = {{u"札幌市", u"中央区"}, {u"広島市", u"中区"}};
  return d;
}

}  // namespace kovari::postaldb::testing
