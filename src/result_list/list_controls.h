// What the search-result list's controls show around the rows: the count on
// Command3, the note of a list cut short (Label1), the "再入力" button
// (Command4), and narrowing: whether it is offered (Command5) and whether its
// text field (Command6, Text1) shows.
#pragma once

#include <string>
#include <string_view>

#include "result_list/result_list.h"

namespace kovari::result_list {

inline constexpr std::u16string_view kNarrowCaption = u"絞り込み";
inline constexpr std::u16string_view kFullListCaption = u"初期表示";
inline constexpr std::u16string_view kNoteOver1000 = u"（注）１０００件以上は、表示していません。";
inline constexpr std::u16string_view kNoteOver500 = u"（注）５００件以上は、表示していません。";

// A list of this many rows or more offers narrowing.
inline constexpr int kMinRowsToNarrow = 21;

// Where narrowing stands.
enum class NarrowState {
  Full,      // the rows as first listed
  Asking,    // "絞り込み" clicked: the narrowing text is asked for
  Narrowed,  // the narrowed rows are shown
};

// Command5 clicked: narrowing is asked for (again, while it is asked for),
// and the narrowed list goes back to the full one.
NarrowState after_narrow_button(NarrowState state);

struct ListControls {
  std::u16string count_caption;      // Command3
  std::u16string note;               // Label1's text
  bool note_visible = false;         // Label1
  bool reenter_visible = false;      // Command4 "再入力"
  bool narrow_visible = false;       // Command5
  std::u16string narrow_caption;     // Command5: kNarrowCaption or kFullListCaption
  bool narrow_text_visible = false;  // Command6 and Text1
  bool header_visible = false;       // the column of the index initials' headers
};

// "検索結果は" + count + "件です", the count formatted "#,###" ("###" in
// mode 3) in full-width digits; 0 gives no number at all.
std::u16string count_caption(ListMode mode, int count);

// The controls for the list in `state`; narrowed_count is the number of
// narrowed rows (used in the Narrowed state).
ListControls list_controls(const ResultList& list, NarrowState state, int narrowed_count = 0);

}  // namespace kovari::result_list
