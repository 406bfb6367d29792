// convert_code on the code_search fixture: exact lookups, prefixes, and where
// the callers differ.
#include "session/convert_code.h"

#include <gtest/gtest.h>

#include "support/loaded_session.h"

namespace kovari {
namespace {

using code_search::ConvState;
using code_search::SearchOutcome;

class ConvertCodeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(testing::fixture_folder("code_search"))); }
  CodeOutcome convert(std::u16string_view code, CallerMode mode,
                      const code_search::SearchOptions& options = {}) {
    return convert_code(loaded.session, loaded.host, code, mode, options);
  }
  static std::vector<std::u16string> prefix_codes(const CodeOutcome& o) {
    std::vector<std::u16string> out;
    for (const result_list::ResultRow& row : o.prefix_list.rows) out.push_back(row.code);
    return out;
  }
  testing::LoadedSession loaded;
};

TEST_F(ConvertCodeTest, ACodeWithOneAddress) {
  const CodeOutcome o = convert(u"1000001", CallerMode::kWindow);
  EXPECT_EQ(o.result, SearchOutcome::Single);
  EXPECT_EQ(o.address, u"東京都千代田区千代田");
  EXPECT_TRUE(o.results.empty());
  EXPECT_EQ(o.message, u"クリップボード複写前に丁目、番地、ビル名を追加できます。");
}

TEST_F(ConvertCodeTest, ACodeWithSeveralTownAreasListsThemOrTakesTheFirst) {
  const CodeOutcome window = convert(u"1020072", CallerMode::kWindow);
  EXPECT_EQ(window.result, SearchOutcome::Several);
  ASSERT_EQ(window.results.size(), 3u);
  EXPECT_EQ(window.results[0].address, u"東京都千代田区飯田橋");
  EXPECT_EQ(window.results[0].text, u"東京都千代田区飯田橋");
  EXPECT_EQ(window.results[2].code, u"1020072");
  EXPECT_EQ(window.address, u"");

  const CodeOutcome batch = convert(u"1020072", CallerMode::kBatchCode);
  EXPECT_EQ(batch.address, u"東京都千代田区飯田橋");
  EXPECT_EQ(batch.conv_state, ConvState::kSeveralTowns);
  EXPECT_EQ(convert(u"1020072", CallerMode::kBatchAddress).town_text, u"");
  EXPECT_EQ(convert(u"1020073", CallerMode::kBatchAddress).town_text, u"九段南");
}

TEST_F(ConvertCodeTest, AShorterCodeListsTheCodesThatBeginWithItExceptInTheBatches) {
  const CodeOutcome prefix = convert(u"102", CallerMode::kClipboard);
  EXPECT_EQ(prefix.result, SearchOutcome::PrefixList);
  EXPECT_EQ(prefix_codes(prefix),
            (std::vector<std::u16string>{u"1020072", u"1020072", u"1020072", u"1020073"}));

  const CodeOutcome batch = convert(u"102", CallerMode::kBatchCode);
  EXPECT_EQ(batch.result, SearchOutcome::NotFound);
  EXPECT_TRUE(batch.results.empty());
  EXPECT_TRUE(batch.prefix_list.rows.empty());
  EXPECT_EQ(batch.conv_state, ConvState::kNotFound);
}

TEST_F(ConvertCodeTest, AnUnknownCodeInTheWindowFallsBackToItsFirstDigits) {
  const CodeOutcome fallback = convert(u"1020099", CallerMode::kWindow);
  EXPECT_EQ(fallback.result, SearchOutcome::PrefixList);
  EXPECT_EQ(fallback.code, u"102");
  EXPECT_EQ(fallback.prefix_list.rows.size(), 4u);
  EXPECT_EQ(fallback.prefix_list.count, 4);

  const CodeOutcome refused = convert(u"1020099", CallerMode::kWindow, {.prefix_fallback = false});
  EXPECT_EQ(refused.result, SearchOutcome::NotFound);
  EXPECT_EQ(refused.message, u"郵便番号の入力エラーです。");
  EXPECT_EQ(refused.focus, Focus::kCode);
  EXPECT_EQ(convert(u"1020099", CallerMode::kClipboard).focus, Focus::kNone);
}

// The rows a caller sees of an outcome, each field on its own.
std::vector<std::u16string> shown(const CodeOutcome& o) {
  std::vector<std::u16string> fields = {o.code,
                                        o.address,
                                        o.pobox,
                                        o.office,
                                        o.message,
                                        o.town_text,
                                        std::u16string(1, static_cast<char16_t>(o.result)),
                                        std::u16string(1, static_cast<char16_t>(o.conv_state)),
                                        std::u16string(1, static_cast<char16_t>(o.focus))};
  for (const auto* rows : {&o.results, &o.prefix_list.rows}) {
    fields.emplace_back(u"|");
    for (const result_list::ResultRow& row : *rows) {
      fields.insert(fields.end(), {row.code, row.address, row.pobox, row.office, row.text});
    }
  }
  return fields;
}

// Buffers kept from one conversion to the next leave nothing of the earlier
// one in the later: several results before one, a prefix list before a
// code, a town-area text before a code that has none, a result before none.
TEST_F(ConvertCodeTest, KeptBuffersGiveWhatNewOnesGive) {
  const struct {
    std::u16string_view code;
    CallerMode mode;
  } kSequence[] = {
      {u"1020072", CallerMode::kWindow},       {u"1000001", CallerMode::kWindow},
      {u"102", CallerMode::kClipboard},        {u"1000001", CallerMode::kClipboard},
      {u"1020073", CallerMode::kBatchAddress}, {u"1020072", CallerMode::kBatchAddress},
      {u"1020072", CallerMode::kBatchCode},    {u"9999999", CallerMode::kBatchCode},
      {u"1020099", CallerMode::kWindow},       {u"1000001", CallerMode::kBatchCode},
  };
  CodeBuffers buffers;
  for (const auto& c : kSequence) {
    const CodeOutcome& kept = convert_code(loaded.session, loaded.host, c.code, c.mode, buffers);
    EXPECT_EQ(shown(kept), shown(convert(c.code, c.mode)))
        << std::string(c.code.begin(), c.code.end()) << " " << static_cast<int>(c.mode);
  }
}

}  // namespace
}  // namespace kovari
