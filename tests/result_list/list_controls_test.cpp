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
      {ListMode::Prefix, 1000, u"検索結果は１，０００件です"},
      {ListMode::Municipality, 1214, u"検索結果は１，２１４件です"},
      {ListMode::TownName, 0, u"検索結果は件です"},
      {ListMode::Office, 500, u"検索結果は５００件です"},
      {ListMode::Office, 1234, u"検索結果は１２３４件です"},
      {ListMode::Office, 0, u"検索結果は件です"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(count_caption(c.mode, c.count), c.caption) << text::to_utf8(c.caption);
  }
}

TEST(ListControlsTest, ButtonsAndNotesPerModeAndState) {
  const struct {
    const char* name;
    ListMode mode;
    int count;
    bool over_limit;
    NarrowState state;
    int narrowed;
    ListControls expected;
  } cases[] = {
      {"prefix",
       ListMode::Prefix,
       100,
       false,
       NarrowState::Full,
       0,
       {u"検索結果は１００件です", std::u16string(kNoteOver1000), false, false, false,
        std::u16string(kNarrowCaption), false}},
      {"prefix at the limit",
       ListMode::Prefix,
       1000,
       true,
       NarrowState::Full,
       0,
       {u"検索結果は１，０００件です", std::u16string(kNoteOver1000), true, false, false,
        std::u16string(kNarrowCaption), false}},
      {"municipality of 20 rows",
       ListMode::Municipality,
       20,
       false,
       NarrowState::Full,
       0,
       {u"検索結果は２０件です", std::u16string(kNoteOver1000), false, true, false,
        std::u16string(kNarrowCaption), false}},
      {"municipality of 21 rows",
       ListMode::Municipality,
       21,
       false,
       NarrowState::Full,
       0,
       {u"検索結果は２１件です", std::u16string(kNoteOver1000), false, true, true,
        std::u16string(kNarrowCaption), false}},
      {"asking for the text",
       ListMode::Municipality,
       21,
       false,
       NarrowState::Asking,
       0,
       {u"検索結果は２１件です", std::u16string(kNoteOver1000), false, true, true,
        std::u16string(kFullListCaption), true}},
      {"narrowed",
       ListMode::Municipality,
       21,
       false,
       NarrowState::Narrowed,
       3,
       {u"検索結果は３件です", std::u16string(kNoteOver1000), false, true, true,
        std::u16string(kFullListCaption), false}},
      {"narrowed to nothing",
       ListMode::TownName,
       30,
       false,
       NarrowState::Narrowed,
       0,
       {u"検索結果は件です", std::u16string(kNoteOver1000), false, true, true,
        std::u16string(kFullListCaption), false}},
      {"offices over the limit",
       ListMode::Office,
       500,
       true,
       NarrowState::Full,
       0,
       {u"検索結果は５００件です", std::u16string(kNoteOver500), true, false, true,
        std::u16string(kNarrowCaption), false}},
      {"town names at the limit",
       ListMode::TownName,
       1000,
       true,
       NarrowState::Full,
       0,
       {u"検索結果は１，０００件です", std::u16string(kNoteOver1000), true, true, true,
        std::u16string(kNarrowCaption), false}},
  };
  for (const auto& c : cases) {
    ResultList list;
    list.mode = c.mode;
    list.count = c.count;
    list.over_limit = c.over_limit;
    const ListControls controls = list_controls(list, c.state, c.narrowed);
    EXPECT_EQ(controls.count_caption, c.expected.count_caption) << c.name;
    EXPECT_EQ(controls.note, c.expected.note) << c.name;
    EXPECT_EQ(controls.note_visible, c.expected.note_visible) << c.name;
    EXPECT_EQ(controls.reenter_visible, c.expected.reenter_visible) << c.name;
    EXPECT_EQ(controls.narrow_visible, c.expected.narrow_visible) << c.name;
    EXPECT_EQ(controls.narrow_caption, c.expected.narrow_caption) << c.name;
    EXPECT_EQ(controls.narrow_text_visible, c.expected.narrow_text_visible) << c.name;
  }
}

}  // namespace
}  // namespace kovari::result_list
