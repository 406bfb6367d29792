#include "batch/code_to_address.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "batch/batch_output.h"
#include "batch/input_check.h"
#include "code_search/code_search.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

using code_search::CodeSearchState;

constexpr std::u16string_view kMsgBadItemCount = u"項目数の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadCodePos = u"郵便番号位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadStartLine = u"開始行位置の入力に誤りがあります。";
// A numeric code item up to this long is looked up as it stands.
constexpr int kMaxKeptCodeLength = 7;

constexpr BatchForm kForm{u"ソラト郵便番号　一括変換処理中!!", "Text3", "Text7", true};

// The value a numeric field holds: what the numeric test reads, else its leading number.
double field_value(std::u16string_view field) {
  return text::parse_numeric(field).value_or(text::Val(field));
}

long to_long(double value) {
  const double limit = std::numeric_limits<std::int32_t>::max();
  return static_cast<long>(std::nearbyint(std::clamp(value, -limit, limit)));
}

class CodeBatchRun : public RecordConverter {
 public:
  CodeBatchRun(const postaldb::PostalDb& db, const settings::Settings& settings, Host& host,
               bool address_batch_running, int code_pos, bool write_message)
      : search_context_{db,
                        settings,
                        host,
                        {code_search::CallerMode::BatchCode, false, true, address_batch_running}},
        code_pos_(code_pos),
        write_message_(write_message) {}

  int lay_out(int item_count) override {
    out_count_ = item_count + (write_message_ ? 2 : 1);
    return out_count_;
  }

  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    // The window reads the code item in half-width form.
    const std::u16string old_code =
        set_kovari_no(text::to_narrow(rec_item[code_pos_]), kMaxKeptCodeLength);
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
      rec_item[out_count_ - 1] = std::move(address);
      rec_item[out_count_] = conv_state_message(search_.conv_state);
    } else {
      rec_item[out_count_] = std::move(address);
    }
  }

 private:
  code_search::SearchContext search_context_;
  CodeSearchState search_;
  int code_pos_;
  bool write_message_;
  int out_count_ = 0;
};

}  // namespace

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

CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, const postaldb::PostalDb& db,
                                const settings::Settings& settings, Host& host,
                                bool address_batch_running) {
  host.status(kMsgRunning);
  if (!input_file_ok(fields.in_file)) return refuse(host, kMsgBadInput, "Text1");
  const InputText input = read_input_file(field_path(fields.in_file));
  if (!input.text) {
    BatchOutcome outcome;
    return fail(outcome, host, kMsgInputUnreadable, input.error);
  }
  const std::u16string_view text = *input.text;

  RecordBuffer probe_items;
  const int first_line_items = probe_first_line(text, probe_items);
  if (first_line_items > kProbeItemLimit) return refuse(host, kMsgTooManyItems, "Text1");

  RunPlan run;
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
  const int code_item = static_cast<int>(to_long(code_pos));

  const std::u16string start_line_field =
      text::trim_view(fields.start_line).empty() ? std::u16string(u"1") : fields.start_line;
  if (!text::IsNumeric(start_line_field)) return refuse(host, kMsgBadStartLine, "Text3");
  run.start_line = to_long(field_value(start_line_field));

  run.out_path = field_path(fields.out_file);
  if (text::trim_view(fields.in_file) == text::trim_view(fields.out_file) ||
      same_file(field_path(fields.in_file), run.out_path)) {
    return refuse(host, kMsgSameFile, "Text4");
  }

  const auto start = std::chrono::steady_clock::now();
  CodeBatchRun converter(db, settings, host, address_batch_running, code_item,
                         fields.write_message);
  return run_batch(text, run, kForm, converter, host, start);
}

}  // namespace kovari::batch
