#include "batch/code_to_address.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <span>

#include "batch/batch_output.h"
#include "batch/input_check.h"
#include "code_search/code_search.h"
#include "text/format.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

using code_search::CodeSearchState;

constexpr std::u16string_view kMsgRunning = u"一括変換処理中！！";
constexpr std::u16string_view kMsgChecking = u"変換前ファイルのチェック中！！";
constexpr std::u16string_view kMsgBadInput = u"変換前ファイルの入力に誤りがあります。";
constexpr std::u16string_view kMsgTooManyItems = u"変換前ファイルの項目数は５０を超えています。";
constexpr std::u16string_view kMsgBadItemCount = u"項目数の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadCodePos = u"郵便番号位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadStartLine = u"開始行位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgStartBeyondEnd = u"開始行の位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgSameFile = u"変換前ファイルと変換後ファイルは同一にできません。";
constexpr std::u16string_view kMsgInputUnreadable = u"変換前ファイルを読み込めません。";
constexpr std::u16string_view kMsgOutputUncreatable = u"変換後ファイルを作成できません。";
constexpr std::u16string_view kMsgOutputUnwritable = u"変換後ファイルに書き込めません。";

// The value a numeric field holds: what the numeric test reads, else its leading number.
double field_value(std::u16string_view field) {
  return text::parse_numeric(field).value_or(text::Val(field));
}

long to_long(double value) {
  const double limit = std::numeric_limits<std::int32_t>::max();
  return static_cast<long>(std::nearbyint(std::clamp(value, -limit, limit)));
}

CodeBatchOutcome refuse(Host& host, std::u16string_view message, std::string focus) {
  host.status(message);
  host.request_focus(focus);
  CodeBatchOutcome outcome;
  outcome.result = BatchResult::Refused;
  outcome.message = message;
  outcome.focus = std::move(focus);
  return outcome;
}

void fail(CodeBatchOutcome& outcome, Host& host, std::u16string_view message, std::string error) {
  host.status(message);
  host.message_box(std::u16string(message) + u"\r\n" + text::from_utf8(error), u"警告メッセージ",
                   MessageIcon::Critical);
  outcome.result = BatchResult::Failed;
  outcome.message = message;
  outcome.error = std::move(error);
}

// The counts of a summary line: "##,##0", trimmed, in full-width digits.
std::u16string wide_number(double value) {
  return text::to_full_width_digits(text::Trim(text::Format(value, u"##,##0")));
}

// The checked run settings.
struct RunSettings {
  std::filesystem::path out_path;
  int item_count = 0;
  int code_pos = 0;
  long start_line = 0;
  bool write_message = false;
};

class CodeBatchRun {
 public:
  CodeBatchRun(const postaldb::PostalDb& db, const settings::Settings& settings, Host& host,
               bool address_batch_running)
      : host_(host),
        search_context_{db,
                        settings,
                        host,
                        {code_search::CallerMode::BatchCode, false, true, address_batch_running}} {}

  // cnv_file: checks the input, then converts every record from the start line on.
  CodeBatchOutcome cnv_file(std::u16string_view text, const RunSettings& run) {
    host_.status(kMsgChecking);
    host_.do_events();
    const InputCheck check = chk_infile(text, run.item_count, run.start_line, host_, rec_item_);
    switch (check.status) {
      case InputStatus::StartBeyondEnd:
        return refuse(host_, kMsgStartBeyondEnd, "Text3");
      case InputStatus::ItemCountRefused:
        return refuse(host_, kMsgBadItemCount, "Text7");
      case InputStatus::TooManyItems:
        return refuse(host_, kMsgTooManyItems, "Text7");
      case InputStatus::ItemMode:
      case InputStatus::LineMode:
        break;
    }
    host_.status(kMsgRunning);
    host_.do_events();
    code_pos_ = run.code_pos;
    out_count_ = check.item_count + (run.write_message ? 2 : 1);
    write_message_ = run.write_message;

    CodeBatchOutcome outcome;
    OutputFile out;
    if (!out.open(run.out_path)) {
      fail(outcome, host_, kMsgOutputUncreatable, out.error());
      return outcome;
    }
    host_.progress_range(0, check.record_count);
    const long step = std::max(1L, static_cast<long>(check.record_count / 100.0 + 0.99999));
    const bool line_mode = check.status == InputStatus::LineMode;
    ItemReader reader(text);
    for (long i = 1; !reader.at_end() && !out.failed(); ++i) {
      std::u16string_view line;
      if (line_mode) {
        line = reader.read_line();
      } else {
        read_record(reader, check.item_count, rec_item_);
      }
      if (i % step == 0) {
        host_.progress_value(i);
        host_.do_events();
      }
      if (i < run.start_line) continue;
      if (line_mode) split_line(line, rec_item_);
      convert_record(outcome);
      out.write_record(std::span(rec_item_).subspan(1, out_count_));
    }
    if (!out.close()) {
      fail(outcome, host_, kMsgOutputUnwritable, out.error());
      return outcome;
    }
    outcome.result = BatchResult::Finished;
    return outcome;
  }

 private:
  void convert_record(CodeBatchOutcome& counts) {
    ++counts.target_count;
    const std::u16string old_code = set_kovari_no(rec_item_[code_pos_]);
    search_.out_address.clear();
    search_.out_pobox.clear();
    search_.out_office.clear();
    const int length = text::Len(old_code);
    if (length == 7 || length == 3) {
      search_.in_code = length == 7 ? old_code : old_code + u"0000";
      search_.conv_state = code_search::kConvOk;
      code_search::sertch_kovari1(search_context_, search_);
      // A failure the search reported already stays the record's status.
      if (search_.out_address.empty() && search_.conv_state < code_search::kConvMainIndexError) {
        search_.conv_state = code_search::kConvNotFound;
      }
    } else {
      search_.conv_state = code_search::kConvBadCode;
    }
    if (text::mid_view(old_code, 6, 2) == u"00" && search_.conv_state == code_search::kConvOk) {
      search_.conv_state = code_search::kConvCatchAll;
    }
    if (conv_state_converted(search_.conv_state)) ++counts.converted_count;
    if (conv_state_warning(search_.conv_state)) ++counts.warning_count;

    std::u16string address = search_.out_address + search_.out_pobox + search_.out_office;
    if (write_message_) {
      rec_item_[out_count_ - 1] = std::move(address);
      rec_item_[out_count_] = conv_state_message(search_.conv_state);
    } else {
      rec_item_[out_count_] = std::move(address);
    }
  }

  Host& host_;
  code_search::SearchContext search_context_;
  CodeSearchState search_;
  RecordBuffer rec_item_;
  int code_pos_ = 0;
  int out_count_ = 0;
  bool write_message_ = false;
};

}  // namespace

std::u16string set_kovari_no(std::u16string_view item) {
  std::u16string value = text::to_narrow(item);
  const std::u16string_view trimmed = text::trim_view(value);
  if (text::IsNumeric(trimmed) && text::Len(trimmed) <= 7) return value;
  std::u16string digits;
  for (char16_t c : value) {
    if (c >= u'0' && c <= u'9') digits += c;
  }
  return digits;
}

std::u16string_view conv_state_message(std::int16_t conv_state) {
  switch (conv_state) {
    case code_search::kConvSeveralTowns:
      return u"この郵便番号は複数の町域が重複しています。筆頭の町域を編集しました。";
    case code_search::kConvCatchAll:
      return u"町域が特定できない(以下に掲載がない町域)郵便番号(末尾２桁が00)です。";
    case code_search::kConvTildeDropped:
      return u"町域に\"～\"を含むため編集より除外しました。";
    case code_search::kConvMainIndexError:
      return u"続行不可能なエラー1が発生しました。";
    case code_search::kConvDetailError:
      return u"続行不可能なエラー2が発生しました。";
    case code_search::kConvBadCode:
      return u"郵便番号が正しくありません。";
    case code_search::kConvNotFound:
      return u"郵便番号が存在しません。";
    default:
      return u"";
  }
}

bool conv_state_converted(std::int16_t conv_state) {
  return conv_state >= code_search::kConvOk && conv_state <= code_search::kConvTildeDropped;
}

bool conv_state_warning(std::int16_t conv_state) {
  return conv_state >= code_search::kConvSeveralTowns &&
         conv_state <= code_search::kConvTildeDropped;
}

std::u16string code_batch_summary(const CodeBatchOutcome& outcome) {
  return u"一括変換処理が終了しました。\r\n変換対象件数は" + wide_number(outcome.target_count) +
         u"件です。\r\n変換件数は　　　" + wide_number(outcome.converted_count) +
         u"件です。\r\n内ワーニングは　　" + wide_number(outcome.warning_count) +
         u"件です。\r\n処理時間は　" + wide_number(outcome.seconds) + u"秒です。";
}

CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, const postaldb::PostalDb& db,
                                const settings::Settings& settings, Host& host,
                                bool address_batch_running) {
  host.status(kMsgRunning);
  if (!input_file_ok(fields.in_file)) return refuse(host, kMsgBadInput, "Text1");
  const InputText input = read_input_file(field_path(fields.in_file));
  if (!input.text) {
    CodeBatchOutcome outcome;
    fail(outcome, host, kMsgInputUnreadable, input.error);
    return outcome;
  }
  const std::u16string_view text = *input.text;

  RecordBuffer probe_items;
  const int first_line_items = probe_first_line(text, probe_items);
  if (first_line_items > kProbeItemLimit) return refuse(host, kMsgTooManyItems, "Text1");

  RunSettings run;
  std::u16string item_count_field = fields.item_count;
  if (text::trim_view(item_count_field).empty()) {
    item_count_field = text::from_utf8(std::to_string(first_line_items));
  }
  const double item_count = field_value(item_count_field);
  if (item_count < 1 || item_count > kMaxItemCount) return refuse(host, kMsgBadItemCount, "Text7");
  run.item_count = static_cast<int>(to_long(item_count));

  const double code_pos = field_value(fields.code_pos);
  if (!text::IsNumeric(fields.code_pos) || code_pos <= 0 || code_pos > run.item_count) {
    return refuse(host, kMsgBadCodePos, "Text2");
  }
  run.code_pos = static_cast<int>(to_long(code_pos));

  const std::u16string start_line_field =
      text::trim_view(fields.start_line).empty() ? std::u16string(u"1") : fields.start_line;
  if (!text::IsNumeric(start_line_field)) return refuse(host, kMsgBadStartLine, "Text3");
  run.start_line = to_long(field_value(start_line_field));

  run.out_path = field_path(fields.out_file);
  if (text::trim_view(fields.in_file) == text::trim_view(fields.out_file) ||
      same_file(field_path(fields.in_file), run.out_path)) {
    return refuse(host, kMsgSameFile, "Text4");
  }
  run.write_message = fields.write_message;

  const auto start = std::chrono::steady_clock::now();
  CodeBatchRun converter(db, settings, host, address_batch_running);
  CodeBatchOutcome outcome = converter.cnv_file(text, run);
  if (outcome.result != BatchResult::Finished) return outcome;
  const auto elapsed = std::chrono::steady_clock::now() - start;
  outcome.seconds = std::chrono::duration<double>(elapsed).count();
  host.message_box(code_batch_summary(outcome), u"情報メッセージ", MessageIcon::Information);
  return outcome;
}

}  // namespace kovari::batch
