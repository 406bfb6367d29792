// Random and mutated addresses through decompose_address: whatever the input,
// it runs to its end without reading outside a text (the sanitizers watch),
// and a reused result record gives the same parts as a fresh one.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "decompose/decomposition.h"
#include "test_tables.h"

namespace kovari::decompose {
namespace {

// Characters that steer the decomposition, and others that should not upset it.
constexpr std::u16string_view kAlphabet =
    u"都道府県件東京北海大阪市区郡群島町村丁目番地号条線割第のﾉ-－0123456789０１２３"
    u"その他ヶケガ大字通上る西入町山川ﾋﾞﾙビル階FＦ 　\t\r\n\x01\x1f,，・ｱﾞ゛\\￥"
    u"\xD800\xDC00\xDBFF\xDFFF\U0001F600\U00020BB7";

constexpr std::u16string_view kSeeds[] = {
    u"東京都千代田区丸の内1-1-1",
    u"北海道札幌市中央区北1条西3丁目",
    u"宮崎県北諸県郡三股町樺山1",
    u"福島県郡山市日和田町八丁目1",
    u"佐賀県杵島郡大町町大町1",
    u"佐波群玉村町下新田1",
    u"千葉件千葉市中央区千葉港1-1",
    u"東京都千代田区5番町1-2",
    u"東京都千代田区丸の内1-2-3号マンション101",
    u"東京都千代田区丸の内ビルディング1203",
    u"三重県松阪市大口町3区1",
    u"北海道雨竜郡雨竜町第4区1",
    u"京都府京都市中京区丸太町通2丁目上る町1-3",
    u"岩手県岩手郡雫石町第5地割10",
    u"北海道上川郡東神楽町14号3番通",
    u"厚岸郡厚岸町湾月町3の通り",
    u"岐阜県各務原市那加桐野外2ヶ所入会地5",
    u"茨城県鹿島郡神栖町平泉外12入会1",
};

class Fuzzer {
 public:
  explicit Fuzzer(std::uint32_t seed) : random_(seed) {}

  std::u16string random_text(int max_length) {
    std::u16string text;
    const int length = pick(max_length);
    for (int i = 0; i < length; ++i)
      text += kAlphabet[pick(static_cast<int>(kAlphabet.size()) - 1)];
    return text;
  }

  std::u16string mutate(std::u16string text) {
    const int edits = 1 + pick(4);
    for (int e = 0; e < edits; ++e) {
      const auto at = static_cast<std::size_t>(pick(static_cast<int>(text.size())));
      const char16_t c = kAlphabet[pick(static_cast<int>(kAlphabet.size()) - 1)];
      switch (pick(2)) {
        case 0:
          text.insert(at, 1, c);
          break;
        case 1:
          if (at < text.size()) text.erase(at, 1);
          break;
        default:
          if (at < text.size()) text[at] = c;
          break;
      }
    }
    return text;
  }

  int pick(int max) { return std::uniform_int_distribution<int>(0, max)(random_); }

 private:
  std::mt19937 random_;
};

void expect_sane(const Decomposition& d, std::u16string_view input) {
  EXPECT_EQ(d.decomp_status == DecompStatus::kBuilding, !d.result_code.empty())
      << testing::utf8(input);
  EXPECT_EQ(d.addr_text.find(u' '), std::u16string::npos) << testing::utf8(input);
  for (int k = 1; k <= 30; ++k) EXPECT_GE(d.slot[1].addr_flag[k], 0) << testing::utf8(input);
}

// Runs input through a fresh record and through a reused one.
void check(std::u16string_view input, const postaldb::PostalTables& tables, Decomposition& reused,
           const DecomposeOptions& options) {
  const Decomposition fresh = testing::decompose(input, tables, options);
  expect_sane(fresh, input);
  reused.addr_text = input;
  decompose_address(reused, tables, options);
  // A building code leaves result_parts as the caller had it.
  if (fresh.decomp_status == DecompStatus::kParts) {
    EXPECT_EQ(reused.result_parts, fresh.result_parts) << testing::utf8(input);
  }
  EXPECT_EQ(reused.slot[1].addr_part, fresh.slot[1].addr_part) << testing::utf8(input);
  EXPECT_EQ(reused.slot[1].addr_flag, fresh.slot[1].addr_flag) << testing::utf8(input);
}

postaldb::PostalTables fuzz_tables() {
  postaldb::PostalTables tables = testing::make_test_tables();
  // Replacement pairs, including an empty one and ones that grow the text.
  tables.chr_from = {u"", u"ヶ所", u"", u"ﾉ", u"1"};
  tables.chr_to = {u"", u"ｹ所", u"x", u"の", u"11"};
  tables.chr_count = 4;
  return tables;
}

TEST(DecomposeFuzzTest, RandomTexts) {
  const postaldb::PostalTables tables = fuzz_tables();
  Fuzzer fuzzer(20261209);
  Decomposition reused;
  for (int n = 0; n < 4000; ++n) {
    check(fuzzer.random_text(40), tables, reused, {.approximate_match = n % 2});
  }
}

TEST(DecomposeFuzzTest, MutatedAddresses) {
  const postaldb::PostalTables tables = fuzz_tables();
  Fuzzer fuzzer(4242);
  Decomposition reused;
  for (int n = 0; n < 4000; ++n) {
    const std::u16string_view seed = kSeeds[n % std::size(kSeeds)];
    check(fuzzer.mutate(std::u16string(seed)), tables, reused, {.approximate_match = 1});
  }
}

TEST(DecomposeFuzzTest, LongAndDegenerateTexts) {
  const postaldb::PostalTables tables = fuzz_tables();
  Fuzzer fuzzer(7);
  Decomposition reused;
  const std::u16string inputs[] = {
      fuzzer.random_text(10000),
      std::u16string(10000, u'1'),
      std::u16string(10000, u'-'),
      std::u16string(10000, u'区'),
      std::u16string(10000, u'市'),
      std::u16string(5000, u'\xD800'),
      u"東京都千代田区丸の内" + std::u16string(10000, u'9'),
      u"東京都千代田区丸の内ビルディング" + std::u16string(10000, u'9'),
      std::u16string(1, u'\0'),
  };
  for (const std::u16string& input : inputs) check(input, tables, reused, {.approximate_match = 1});
}

}  // namespace
}  // namespace kovari::decompose
