// The settings window's editor of the user's character-replacement pairs:
// the list of the pairs ("from → to"; the data file's pairs are not listed
// and cannot be edited), adding, changing and deleting one, and which of its
// buttons and fields can be used at each step. The pairs it edits are the
// settings' own; whoever uses it rebuilds the replacement table after a
// change (Session::apply_replacement_pairs).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace kovari::settings {

inline constexpr std::u16string_view kPairArrow = u" → ";

// What the editor's controls allow.
struct PairButtons {
  bool add = true;             // "追加"
  bool change = false;         // "修正"
  bool remove = false;         // "削除"
  bool update = false;         // "更新"
  bool texts_enabled = false;  // the two texts of the pair
};

// The field that takes the focus after a step.
enum class PairFocus { kNone, kFrom, kList, kAdd };

class PairEditor {
 public:
  // `file_pairs`: the data file's pairs, which share the table's room.
  PairEditor(Settings& settings, int file_pairs);

  // The list's rows, one per user pair.
  std::vector<std::u16string> rows() const;
  const PairButtons& buttons() const { return buttons_; }
  // The texts of the pair being edited.
  const std::u16string& from() const { return from_; }
  const std::u16string& to() const { return to_; }

  // A row clicked.
  void select_row();
  // "追加": the texts open for a new pair.
  PairFocus begin_add();
  // "修正" on row `row` (0-based): the texts show its pair, trimmed.
  PairFocus begin_change(int row);
  // "更新" with the texts typed: the pair changed or added (trimmed). A new
  // pair needs a text to replace: without one nothing changes and the focus
  // goes back to it. Returns whether the pairs changed.
  bool update(std::u16string_view from, std::u16string_view to, PairFocus& focus);
  // "削除" on row `row` (0-based). Returns whether a pair was deleted.
  bool remove(int row, PairFocus& focus);

 private:
  enum class Mode { kNone, kChange, kAdd };
  // The buttons after the list was (re)filled.
  void list_filled();
  bool room_for_another() const;
  void pairs_edited();

  Settings& settings_;
  int file_pairs_;
  PairButtons buttons_;
  Mode mode_ = Mode::kNone;
  std::size_t slot_ = 0;  // the pair being changed
  std::u16string from_, to_;
};

}  // namespace kovari::settings
