#include "result_list/list_controls.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::result_list {
namespace {

TEST(ListControlsTest, CountCaptions) {
  const struct {
    ListMode mode;
    int count;
    std::u16string_view caption;
  } cases[] = {
      {ListMode::Prefix, 0, u"検索結果は件です"},
      {ListMode::Prefix, 7, u"検索結果は７件です"},
      {ListMode::Municipality, 1214, u"検索結果は１，２１４件です"},
      {ListMode::Office, 1234, u"検索結果は１２３４件です"},
      {ListMode::Office, 0, u"検索結果は件です"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(count_caption(c.mode, c.count), c.caption) << text::to_utf8(c.caption);
  }
}

// Which controls show: the note under the list, "再入力", "絞り込み" (its
// caption "初期表示" once narrowing has begun) and the narrowing field.
TEST(ListControlsTest, ButtonsAndNotesPerModeAndState) {
  using enum ListMode;
  using enum NarrowState;
  const struct {
    const char* name;
    ListMode mode;
    int count;
    bool over_limit;
    NarrowState state;
    int narrowed;
    std::u16string_view caption, note;
    bool note_visible, reenter, narrow, full_list_caption, narrow_text;
  } cases[] = {
      // clang-format off
      {"prefix", Prefix, 100, false, Full, 0, u"検索結果は１００件です", kNoteOver1000, false, false, false, false, false},
      {"prefix at the limit", Prefix, 1000, true, Full, 0, u"検索結果は１，０００件です", kNoteOver1000, true, false, false, false, false},
      {"municipality of 20 rows", Municipality, 20, false, Full, 0, u"検索結果は２０件です", kNoteOver1000, false, true, false, false, false},
      {"municipality of 21 rows", Municipality, 21, false, Full, 0, u"検索結果は２１件です", kNoteOver1000, false, true, true, false, false},
      {"asking for the text", Municipality, 21, false, Asking, 0, u"検索結果は２１件です", kNoteOver1000, false, true, true, true, true},
      {"narrowed", TownName, 21, false, Narrowed, 3, u"検索結果は３件です", kNoteOver1000, false, true, true, true, false},
      {"offices over the limit", Office, 500, true, Full, 0, u"検索結果は５００件です", kNoteOver500, true, false, true, false, false},
      {"town names at the limit", TownName, 1000, true, Full, 0, u"検索結果は１，０００件です", kNoteOver1000, true, true, true, false, false},
      // clang-format on
  };
  for (const auto& c : cases) {
    ResultList list;
    list.mode = c.mode;
    list.count = c.count;
    list.over_limit = c.over_limit;
    const ListControls controls = list_controls(list, c.state, c.narrowed);
    EXPECT_EQ(controls.count_caption, c.caption) << c.name;
    EXPECT_EQ(controls.note, c.note) << c.name;
    EXPECT_EQ(controls.note_visible, c.note_visible) << c.name;
    EXPECT_EQ(controls.reenter_visible, c.reenter) << c.name;
    EXPECT_EQ(controls.narrow_visible, c.narrow) << c.name;
    EXPECT_EQ(controls.narrow_caption, c.full_list_caption ? kFullListCaption : kNarrowCaption)
        << c.name;
    EXPECT_EQ(controls.narrow_text_visible, c.narrow_text) << c.name;
    EXPECT_EQ(controls.header_visible, c.mode == Municipality) << c.name;
  }
}

TEST(ListControlsTest, TheNarrowButtonAsksForATextOrGoesBackToTheFullList) {
  using enum NarrowState;
  EXPECT_EQ(after_narrow_button(Full), Asking);
  EXPECT_EQ(after_narrow_button(Asking), Asking);
  EXPECT_EQ(after_narrow_button(Narrowed), Full);
}

}  // namespace
}  // namespace kovari::result_list
