#include "batch/input_check.h"

#include <algorithm>
#include <system_error>

#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

// The count formatted "###", trimmed, in full-width digits.
std::u16string wide_count(int count) {
  return text::to_full_width_digits(text::Trim(text::Format(count, u"###")));
}

}  // namespace

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

int probe_first_line(BatchInput& input, RecordBuffer& rec_item) {
  ItemReader reader = input.records();
  return split_line(reader.read_line(), rec_item, kProbeItemLimit);
}

std::u16string item_count_warning(int entered, int actual) {
  return u"変換前ファイルの項目数 " + wide_count(entered) + u" と入力されましたが、\r\n実際は " +
         wide_count(actual) + u"です。\r\n\r\n処理を続行しますか。";
}

InputCheck chk_infile(BatchInput& input, int item_count, long start_line, Host& host,
                      RecordBuffer& rec_item) {
  InputCheck check;
  check.first_line_items = probe_first_line(input, rec_item);
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
  const long items = input.item_total();
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
