// The checks of the batch windows' fields, one rule each, which the windows
// run as a field is entered with the Enter key and the run runs again before
// it starts; and what Enter in each field does next (the message line, where
// the focus goes).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "batch/item_reader.h"
#include "host/focus.h"
#include "host/running_windows.h"

namespace kovari::batch {

// The fields of a batch window as typed. The address-to-code window has the
// 住所１-３ positions; the code-to-address window leaves them at "0".
struct BatchFieldTexts {
  std::filesystem::path in_file;  // the file system's bytes (see field_path)
  std::u16string item_count;
  std::u16string code_pos;
  std::u16string address_pos[3] = {u"0", u"0", u"0"};
  std::u16string start_line;
  std::filesystem::path out_file;
};

// BatchAddressToCodeWindow.
// Item count: numeric, more than 1 and at most 50.
std::optional<int> address_item_count(std::u16string_view field);
// The old code's position: numeric, 0 (none) up to the item count.
std::optional<int> address_code_position(std::u16string_view field, int item_count);
// A 住所 position: numeric, up to the item count, and not the code's position
// when there is one.
std::optional<int> address_position(std::u16string_view field, int item_count, int code_pos);
// Start line: refused only when numeric and below 1; any other text converts
// from the first record (0).
std::optional<long> address_start_line(std::u16string_view field);

// BatchCodeToAddressWindow.
// Item count: its value at least 1 and at most 50.
std::optional<int> code_item_count(std::u16string_view field);
// The code's position: numeric, 1 up to the item count.
std::optional<int> code_code_position(std::u16string_view field, int item_count);
// Start line: empty is "1"; refused when not numeric.
std::optional<long> code_start_line(std::u16string_view field);

// The input and output fields name the same file once trimmed.
bool same_file_names(const std::filesystem::path& in, const std::filesystem::path& out);

// What Enter in a field does.
struct FieldEntry {
  bool passed = false;
  std::u16string message;  // the message line: the error or the next prompt
  bool message_changes = true;
  Focus next = Focus::kNone;           // where the focus goes (the field itself on an error)
  std::optional<std::u16string> text;  // the field's new text (an empty start line becomes "1")
};

// Enter in `field` of the batch window `window` (kBatchAddressToCode or
// kBatchCodeToAddress). Focus::kNone as `next` of the output field means the
// window's "実行" button.
FieldEntry enter_field(ConversionWindow window, Focus field, const BatchFieldTexts& fields);

// What the position fields' preview boxes show: the item of the record at a
// position (empty for 0 or a position past the buffer).
std::u16string_view preview_item(const RecordBuffer& rec_item, int position);

// The first-line probe when the input field is left: the first line's items
// (at most 51 stored) and their count; more than 51 is kProbeItemLimit + 1.
// A file that cannot be read has no items (count 0).
struct FirstLine {
  int count = 0;
  RecordBuffer rec_item;
};
FirstLine probe_input_file(const std::filesystem::path& name);

// The message of a first line of more than 51 items in the code-to-address window.
inline constexpr std::u16string_view kMsgProbeTooManyItems =
    u"項目数が５１以上のため処理できません。";

}  // namespace kovari::batch
