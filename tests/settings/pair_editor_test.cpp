// The settings window's pair editor and option flags: the rows, each step of
// adding, changing and deleting a pair with the buttons it allows, the room
// of 100 pairs shared with the data file's, and the change that ends the
// program.
#include "settings/pair_editor.h"

#include <gtest/gtest.h>

#include "settings/option_flags.h"

namespace kovari::settings {
namespace {

using Rows = std::vector<std::u16string>;

Settings with_pairs(std::vector<TextPair> pairs) {
  Settings s;
  s.text_pairs = std::move(pairs);
  return s;
}

TEST(PairEditor, ListsTheUserPairsAndAddsChangesAndDeletes) {
  Settings s = with_pairs({{u"ヶ", u"ケ"}, {u"ﾉ", u"之"}});
  s.text_section_read = false;  // a settings file without pairs, or none
  PairEditor editor(s, 7);
  EXPECT_EQ(editor.rows(), (Rows{u"ヶ → ケ", u"ﾉ → 之"}));
  EXPECT_TRUE(editor.buttons().add);
  EXPECT_FALSE(editor.buttons().change || editor.buttons().remove || editor.buttons().update);

  PairFocus focus = PairFocus::kNone;
  EXPECT_EQ(editor.begin_add(), PairFocus::kFrom);
  EXPECT_TRUE(editor.buttons().texts_enabled && editor.buttons().update);
  EXPECT_FALSE(editor.buttons().add);
  // A pair needs a text to replace; its replacement may be empty.
  EXPECT_FALSE(editor.update(u"  ", u"x", focus));
  EXPECT_EQ(focus, PairFocus::kFrom);
  EXPECT_FALSE(s.text_section_read);
  EXPECT_TRUE(editor.update(u" 丁目 ", u"", focus));
  EXPECT_TRUE(s.text_section_read);  // the pairs are in use from now on
  EXPECT_EQ(editor.rows(), (Rows{u"ヶ → ケ", u"ﾉ → 之", u"丁目 → "}));
  EXPECT_FALSE(editor.buttons().texts_enabled || editor.buttons().update);

  editor.select_row();
  EXPECT_TRUE(editor.buttons().change && editor.buttons().remove);
  EXPECT_FALSE(editor.buttons().add);
  s.text_pairs[1] = {u" ﾉ ", u" 乃 "};
  EXPECT_EQ(editor.begin_change(1), PairFocus::kFrom);
  EXPECT_EQ(editor.from(), u"ﾉ");  // trimmed
  EXPECT_EQ(editor.to(), u"乃");
  EXPECT_FALSE(editor.buttons().change || editor.buttons().remove);
  EXPECT_TRUE(editor.update(u"の ", u" 之", focus));
  EXPECT_EQ(s.text_pairs[1], (TextPair{u"の", u"之"}));

  editor.select_row();
  EXPECT_TRUE(editor.remove(0, focus));
  EXPECT_EQ(focus, PairFocus::kAdd);
  EXPECT_EQ(editor.rows(), (Rows{u"の → 之", u"丁目 → "}));
  EXPECT_TRUE(editor.remove(1, focus));
  EXPECT_TRUE(editor.remove(0, focus));
  EXPECT_TRUE(s.text_pairs.empty());
  EXPECT_FALSE(editor.remove(0, focus));
}

TEST(PairEditor, OneHundredPairsInAllLeaveNoRoomToAdd) {
  const struct {
    int file_pairs;
    std::size_t user_pairs;
    bool add;
  } cases[] = {{90, 9, true}, {90, 10, false}, {0, 100, false}, {0, 105, false}, {0, 0, true}};
  for (const auto& c : cases) {
    Settings s = with_pairs(std::vector<TextPair>(c.user_pairs, {u"a", u"b"}));
    PairEditor editor(s, c.file_pairs);
    EXPECT_EQ(editor.buttons().add, c.add) << c.file_pairs << "+" << c.user_pairs;
    EXPECT_EQ(editor.rows().size(), c.user_pairs);  // every user pair is listed
  }
  Settings s = with_pairs(std::vector<TextPair>(98, {u"a", u"b"}));
  PairEditor editor(s, 1);
  PairFocus focus;
  editor.begin_add();
  EXPECT_TRUE(editor.update(u"c", u"d", focus));
  EXPECT_FALSE(editor.buttons().add);  // the 100th
  editor.select_row();
  EXPECT_TRUE(editor.remove(0, focus));
  EXPECT_TRUE(editor.buttons().add);
}

TEST(OptionFlags, AValueNoButtonHasShowsAsTheFirst) {
  const struct {
    Flag flag;
    int value, shown;
  } cases[] = {
      {Flag::kInputMode, 2, 2}, {Flag::kInputMode, 3, 0}, {Flag::kInputMode, -1, 0},
      {Flag::kHyphen, 1, 1},    {Flag::kHyphen, 2, 0},    {Flag::kClipAppend, 0, 0},
  };
  for (const auto& c : cases) {
    Settings s;
    s.set_flag(c.flag, c.value);
    EXPECT_EQ(shown_value(s, c.flag), c.shown) << static_cast<int>(c.flag) << "=" << c.value;
  }
}

TEST(OptionFlags, OnlyAChangedDetailFileOptionEndsTheProgram) {
  Settings at_open;
  at_open.set_flag(Flag::kDetailFile, 1);
  Settings now = at_open;
  now.set_flag(Flag::kHyphen, 1);
  EXPECT_FALSE(needs_restart(at_open, now));
  now.set_flag(Flag::kDetailFile, 0);
  EXPECT_TRUE(needs_restart(at_open, now));
  now.set_flag(Flag::kDetailFile, 1);  // switched back
  EXPECT_FALSE(needs_restart(at_open, now));
}

}  // namespace
}  // namespace kovari::settings
