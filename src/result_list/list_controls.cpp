#include "result_list/list_controls.h"

#include "text/format.h"
#include "text/strconv.h"

namespace kovari::result_list {

std::u16string count_caption(ListMode mode, int count) {
  const std::u16string_view pattern = mode == ListMode::Office ? u"###" : u"#,###";
  return u"検索結果は" + text::to_full_width_digits(text::Format(count, pattern)) + u"件です";
}

NarrowState after_narrow_button(NarrowState state) {
  return state == NarrowState::Narrowed ? NarrowState::Full : NarrowState::Asking;
}

ListControls list_controls(const ResultList& list, NarrowState state, int narrowed_count) {
  ListControls controls;
  controls.count_caption =
      count_caption(list.mode, state == NarrowState::Narrowed ? narrowed_count : list.count);
  controls.note = list.mode == ListMode::Office ? kNoteOver500 : kNoteOver1000;
  controls.note_visible = list.over_limit;
  controls.reenter_visible = list.mode == ListMode::Municipality || list.mode == ListMode::TownName;
  controls.narrow_visible = list.mode != ListMode::Prefix && list.count >= kMinRowsToNarrow;
  controls.narrow_caption = state == NarrowState::Full ? kNarrowCaption : kFullListCaption;
  controls.narrow_text_visible = state == NarrowState::Asking;
  controls.header_visible = list.mode == ListMode::Municipality;
  return controls;
}

}  // namespace kovari::result_list
