#include "settings/pair_editor.h"

#include "text/vb.h"

namespace kovari::settings {

PairEditor::PairEditor(Settings& settings, int file_pairs)
    : settings_(settings), file_pairs_(file_pairs) {
  list_filled();
}

std::vector<std::u16string> PairEditor::rows() const {
  std::vector<std::u16string> rows;
  for (const TextPair& pair : settings_.text_pairs) {
    rows.push_back(pair.first + std::u16string(kPairArrow) + pair.second);
  }
  return rows;
}

bool PairEditor::room_for_another() const {
  return file_pairs_ + static_cast<int>(settings_.text_pairs.size()) < kMaxTextPairs;
}

void PairEditor::list_filled() {
  buttons_.change = false;
  buttons_.remove = false;
  buttons_.add = room_for_another();
}

void PairEditor::pairs_edited() {
  // The settings file written at the end holds a "[Text]" section, so the
  // next start uses the pairs; they are used from now on, as then.
  settings_.text_section_read = true;
}

void PairEditor::select_row() {
  buttons_.add = false;
  buttons_.update = false;
  buttons_.change = true;
  buttons_.remove = true;
}

PairFocus PairEditor::begin_add() {
  buttons_.texts_enabled = true;
  buttons_.add = false;
  buttons_.update = true;
  mode_ = Mode::kAdd;
  from_.clear();
  to_.clear();
  return PairFocus::kFrom;
}

PairFocus PairEditor::begin_change(int row) {
  if (row < 0 || row >= static_cast<int>(settings_.text_pairs.size())) return PairFocus::kNone;
  slot_ = static_cast<std::size_t>(row);
  from_ = text::Trim(settings_.text_pairs[slot_].first);
  to_ = text::Trim(settings_.text_pairs[slot_].second);
  buttons_.texts_enabled = true;
  buttons_.change = false;
  buttons_.remove = false;
  buttons_.update = true;
  mode_ = Mode::kChange;
  return PairFocus::kFrom;
}

bool PairEditor::update(std::u16string_view from, std::u16string_view to, PairFocus& focus) {
  focus = PairFocus::kNone;
  const std::u16string new_from = text::Trim(from);
  const std::u16string new_to = text::Trim(to);
  buttons_.add = true;
  switch (mode_) {
    case Mode::kNone:
      return false;
    case Mode::kChange:
      if (slot_ >= settings_.text_pairs.size()) return false;
      settings_.text_pairs[slot_] = {new_from, new_to};
      break;
    case Mode::kAdd:
      if (new_from.empty()) {
        focus = PairFocus::kFrom;
        return false;
      }
      settings_.text_pairs.emplace_back(new_from, new_to);
      break;
  }
  pairs_edited();
  mode_ = Mode::kNone;
  from_.clear();
  to_.clear();
  buttons_.texts_enabled = false;
  buttons_.update = false;
  list_filled();
  return true;
}

bool PairEditor::remove(int row, PairFocus& focus) {
  buttons_.remove = false;
  buttons_.add = true;
  focus = PairFocus::kNone;
  if (row < 0 || row >= static_cast<int>(settings_.text_pairs.size())) return false;
  settings_.text_pairs.erase(settings_.text_pairs.begin() + row);
  pairs_edited();
  list_filled();
  focus = buttons_.add ? PairFocus::kAdd : PairFocus::kList;
  return true;
}

}  // namespace kovari::settings
