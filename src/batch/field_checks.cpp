#include "batch/field_checks.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "batch/input_check.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

// A numeric field's value within [low, high].
std::optional<double> numeric_within(std::u16string_view field, double low, double high) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v < low || *v > high) return std::nullopt;
  return v;
}

int to_int(double value) { return static_cast<int>(std::nearbyint(value)); }

// One field's row of a window's Enter table.
struct FieldRule {
  Focus field;
  std::u16string_view error;
  std::u16string_view prompt;
  Focus next;
};

constexpr std::u16string_view kMsgStartLinePrompt = u"変換後ファイル名を入力して下さい。";
constexpr std::u16string_view kMsgSameFile = u"変換前ファイルと変換後ファイルは同一にできません。";

constexpr FieldRule kAddressRules[] = {
    {Focus::kInputFile, u"変換前ファイルの入力に誤りがあります。",
     u"項目数を２～５０の範囲で入力して下さい。", Focus::kItemCount},
    {Focus::kItemCount, u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。",
     u"郵便番号の項目位置を入力して下さい。", Focus::kCodePosition},
    {Focus::kCodePosition, u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。",
     u"住所１の項目位置を入力して下さい。", Focus::kAddress1Position},
    {Focus::kAddress1Position, u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。",
     u"住所２の項目位置を入力して下さい。", Focus::kAddress2Position},
    {Focus::kAddress2Position, u"住所２の入力に誤りがあります。項目数の範囲で入力して下さい。",
     u"住所３の項目位置を入力して下さい。", Focus::kAddress3Position},
    {Focus::kAddress3Position, u"住所３の入力に誤りがあります。項目数の範囲で入力して下さい。",
     u"開始行の位置を入力して下さい。", Focus::kStartLine},
    {Focus::kStartLine, u"開始行の入力に誤りがあります。", kMsgStartLinePrompt, Focus::kOutputFile},
    {Focus::kOutputFile, kMsgSameFile, u"", Focus::kNone},
};

constexpr FieldRule kCodeRules[] = {
    {Focus::kInputFile, u"変換前ファイルの入力に誤りがあります。",
     u"郵便番号位置を１～５０の範囲で入力して下さい。", Focus::kCodePosition},
    {Focus::kItemCount, u"項目数の入力に誤りがあります。", u"変換開始行を入力して下さい。",
     Focus::kStartLine},
    {Focus::kCodePosition, u"郵便番号位置の入力に誤りがあります。", u"変換開始行を入力して下さい。",
     Focus::kStartLine},
    {Focus::kStartLine, u"開始行位置の入力に誤りがあります。", kMsgStartLinePrompt,
     Focus::kOutputFile},
    {Focus::kOutputFile, kMsgSameFile, u"", Focus::kNone},
};

// Whether `field` passes its check in the address-to-code window.
bool address_field_passes(Focus field, const BatchFieldTexts& f) {
  const int items = address_item_count(f.item_count).value_or(0);
  switch (field) {
    case Focus::kInputFile:
      return input_file_ok(f.in_file);
    case Focus::kItemCount:
      return items != 0;
    case Focus::kCodePosition:
      return address_code_position(f.code_pos, items).has_value();
    case Focus::kAddress1Position:
    case Focus::kAddress2Position:
    case Focus::kAddress3Position: {
      const int k = static_cast<int>(field) - static_cast<int>(Focus::kAddress1Position);
      const int code_pos = address_code_position(f.code_pos, items).value_or(0);
      return address_position(f.address_pos[k], items, code_pos).has_value();
    }
    case Focus::kStartLine:
      return address_start_line(f.start_line).has_value();
    case Focus::kOutputFile:
      return !same_file_names(f.in_file, f.out_file);
    default:
      return false;
  }
}

bool code_field_passes(Focus field, const BatchFieldTexts& f) {
  switch (field) {
    case Focus::kInputFile:
      return input_file_ok(f.in_file);
    case Focus::kItemCount:
      return code_item_count(f.item_count).has_value();
    case Focus::kCodePosition:
      return code_code_position(f.code_pos, code_item_count(f.item_count).value_or(0)).has_value();
    case Focus::kStartLine:
      return code_start_line(f.start_line).has_value();
    case Focus::kOutputFile:
      return !same_file_names(f.in_file, f.out_file);
    default:
      return false;
  }
}

// Whether the field holds nothing but blanks.
bool field_empty(Focus field, const BatchFieldTexts& f) {
  switch (field) {
    case Focus::kInputFile:
      return field_path(f.in_file).empty();
    case Focus::kOutputFile:
      return field_path(f.out_file).empty();
    case Focus::kItemCount:
      return text::trim_view(f.item_count).empty();
    case Focus::kCodePosition:
      return text::trim_view(f.code_pos).empty();
    case Focus::kAddress1Position:
    case Focus::kAddress2Position:
    case Focus::kAddress3Position:
      return text::trim_view(f.address_pos[static_cast<int>(field) -
                                           static_cast<int>(Focus::kAddress1Position)])
          .empty();
    case Focus::kStartLine:
      return text::trim_view(f.start_line).empty();
    default:
      return true;
  }
}

}  // namespace

std::optional<int> address_item_count(std::u16string_view field) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v <= 1 || *v > kMaxItemCount) return std::nullopt;
  return to_int(*v);
}

std::optional<int> address_code_position(std::u16string_view field, int item_count) {
  const std::optional<double> v = numeric_within(field, 0, item_count);
  if (!v) return std::nullopt;
  return to_int(*v);
}

std::optional<int> address_position(std::u16string_view field, int item_count, int code_pos) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v > item_count || *v < 0) return std::nullopt;
  if (code_pos != 0 && to_int(*v) == code_pos) return std::nullopt;
  return to_int(*v);
}

std::optional<long> address_start_line(std::u16string_view field) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v) return 0;
  if (*v < 1) return std::nullopt;
  return static_cast<long>(std::min(*v, 2147483647.0));
}

std::optional<int> code_item_count(std::u16string_view field) {
  const double v = text::parse_numeric(field).value_or(text::Val(field));
  if (v < 1 || v > kMaxItemCount) return std::nullopt;
  return to_int(v);
}

std::optional<int> code_code_position(std::u16string_view field, int item_count) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v <= 0 || *v > item_count) return std::nullopt;
  return to_int(*v);
}

std::optional<long> code_start_line(std::u16string_view field) {
  if (text::trim_view(field).empty()) return 1;
  const std::optional<double> v = text::parse_numeric(field);
  if (!v) return std::nullopt;
  return static_cast<long>(std::nearbyint(std::clamp(*v, -2147483648.0, 2147483647.0)));
}

bool same_file_names(const std::filesystem::path& in, const std::filesystem::path& out) {
  return field_path(in) == field_path(out);
}

FieldEntry enter_field(ConversionWindow window, Focus field, const BatchFieldTexts& fields) {
  const bool address = window == ConversionWindow::kBatchAddressToCode;
  const std::span<const FieldRule> rules =
      address ? std::span<const FieldRule>(kAddressRules) : std::span<const FieldRule>(kCodeRules);
  const auto rule = std::find_if(rules.begin(), rules.end(),
                                 [field](const FieldRule& r) { return r.field == field; });
  FieldEntry entry;
  entry.next = field;
  if (rule == rules.end()) return entry;
  BatchFieldTexts checked = fields;
  if (field == Focus::kStartLine && text::trim_view(fields.start_line).empty()) {
    entry.text = u"1";
    checked.start_line = u"1";
  } else if (field_empty(field, fields)) {
    entry.message_changes = false;  // an empty field keeps the focus
    return entry;
  }
  entry.passed = address ? address_field_passes(field, checked) : code_field_passes(field, checked);
  entry.message = entry.passed ? rule->prompt : rule->error;
  entry.message_changes = !entry.message.empty();
  if (entry.passed) entry.next = rule->next;
  return entry;
}

std::u16string_view preview_item(const RecordBuffer& rec_item, int position) {
  if (position <= 0 || position > kMaxItemPosition) return {};
  return rec_item[position];
}

FirstLine probe_input_file(const std::filesystem::path& name) {
  FirstLine first;
  if (!input_file_ok(name)) return first;
  InputFile input;
  if (input.open(field_path(name))) first.count = probe_first_line(input, first.rec_item);
  return first;
}

}  // namespace kovari::batch
