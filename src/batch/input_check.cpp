#include "batch/input_check.h"

#include <algorithm>
#include <system_error>

#include "io/read_file.h"
#include "text/format.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

std::string describe(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

// The count formatted "###", trimmed, in full-width digits.
std::u16string wide_count(int count) {
  return text::to_full_width_digits(text::Trim(text::Format(count, u"###")));
}

}  // namespace

InputText read_input_file(const std::filesystem::path& path) {
  InputText result;
  const io::FileBytes file = io::read_regular_file(path);
  if (!file.ok()) {
    result.error = describe(path) + " " + file.error;
    return result;
  }
  const std::string_view bytes = file.view();
  std::size_t bad_offset = 0;
  result.text = text::decode_sjis(bytes, bad_offset);
  if (!result.text) {
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + bad_offset, '\n');
    result.error = describe(path) + ": line " + std::to_string(line) +
                   " is not Shift-JIS text (byte offset " + std::to_string(bad_offset) + ")";
  }
  return result;
}

std::filesystem::path field_path(const std::filesystem::path& name) {
  const std::string& bytes = name.native();
  const std::size_t first = bytes.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return bytes.substr(first, bytes.find_last_not_of(' ') - first + 1);
}

bool input_file_ok(const std::filesystem::path& name) {
  const std::filesystem::path path = field_path(name);
  if (path.empty()) return false;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const auto size = std::filesystem::file_size(path, error);
  return !error && size > 0;
}

int probe_first_line(std::u16string_view text, RecordBuffer& rec_item) {
  ItemReader reader(text);
  return split_line(reader.read_line(), rec_item, kProbeItemLimit);
}

std::u16string item_count_warning(int entered, int actual) {
  return u"変換前ファイルの項目数 " + wide_count(entered) + u" と入力されましたが、\r\n実際は " +
         wide_count(actual) + u"です。\r\n\r\n処理を続行しますか。";
}

InputCheck chk_infile(std::u16string_view text, int item_count, long start_line, Host& host,
                      RecordBuffer& rec_item) {
  text = records_text(text);
  InputCheck check;
  check.first_line_items = probe_first_line(text, rec_item);
  check.item_count = std::max(item_count, 1);
  check.start_line = start_line;
  if (check.first_line_items > kMaxItemCount) {
    check.status = InputStatus::TooManyItems;
    return check;
  }
  if (check.first_line_items != check.item_count &&
      !host.ask_yes_no(item_count_warning(check.item_count, check.first_line_items),
                       u"警告メッセージ", MessageIcon::Critical)) {
    check.status = InputStatus::ItemCountRefused;
    return check;
  }
  const long items = count_items(text);
  check.record_count = items / check.item_count;
  if (items % check.item_count != 0) {
    check.status = InputStatus::LineMode;
  } else if (check.record_count >= start_line) {
    check.status = InputStatus::ItemMode;
  } else {
    check.status = InputStatus::StartBeyondEnd;
  }
  return check;
}

}  // namespace kovari::batch
