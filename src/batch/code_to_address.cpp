#include "batch/code_to_address.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "batch/field_checks.h"
#include "batch/input_check.h"
#include "batch/job_converters.h"
#include "session/convert_code.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

using code_search::ConvState;

constexpr std::u16string_view kMsgBadItemCount = u"項目数の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadCodePos = u"郵便番号位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgBadStartLine = u"開始行位置の入力に誤りがあります。";
// A numeric code item up to this long is looked up as it stands.
constexpr int kMaxKeptCodeLength = 7;

constexpr BatchForm kForm{u"ソラト郵便番号　一括変換処理中!!", Focus::kStartLine, Focus::kItemCount,
                          true};

class CodeBatchRun : public RecordConverter {
 public:
  CodeBatchRun(Session& session, Host& host, int code_pos, bool write_message)
      : session_(session), host_(host), code_pos_(code_pos), write_message_(write_message) {}

  int lay_out(int item_count) override {
    out_count_ = item_count + (write_message_ ? 2 : 1);
    return out_count_;
  }

  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    // The window reads the code item in half-width form.
    const std::u16string old_code =
        set_kovari_no(text::to_narrow(rec_item[code_pos_]), kMaxKeptCodeLength);
    // The address item lies past the record's own items, the code's included.
    std::u16string& address = rec_item[write_message_ ? out_count_ - 1 : out_count_];
    address.clear();
    ConvState state = ConvState::kBadCode;
    const int length = text::Len(old_code);
    if (length == 7 || length == 3) {
      const CodeOutcome& found =
          convert_code(session_, host_, length == 7 ? old_code : old_code + u"0000",
                       CallerMode::kBatchCode, buffers_);
      state = found.conv_state;
      // A failure the search reported already stays the record's status.
      if (found.address.empty() && state < ConvState::kMainIndexError) state = ConvState::kNotFound;
      address.append(found.address).append(found.pobox).append(found.office);
    }
    if (text::mid_view(old_code, 6, 2) == u"00" && state == ConvState::kOk) {
      state = ConvState::kCatchAll;
    }
    if (conv_state_converted(state)) ++counts.converted_count;
    if (conv_state_warning(state)) ++counts.warning_count;
    if (write_message_) rec_item[out_count_] = conv_state_message(state);
  }

 private:
  Session& session_;
  Host& host_;
  int code_pos_;
  bool write_message_;
  int out_count_ = 0;
  CodeBuffers buffers_;  // kept from one record to the next
};

}  // namespace

std::u16string_view conv_state_message(ConvState conv_state) {
  switch (conv_state) {
    case ConvState::kSeveralTowns:
      return u"この郵便番号は複数の町域が重複しています。筆頭の町域を編集しました。";
    case ConvState::kCatchAll:
      return u"町域が特定できない(以下に掲載がない町域)郵便番号(末尾２桁が00)です。";
    case ConvState::kTildeDropped:
      return u"町域に\"～\"を含むため編集より除外しました。";
    case ConvState::kMainIndexError:
      return u"続行不可能なエラー1が発生しました。";
    case ConvState::kDetailError:
      return u"続行不可能なエラー2が発生しました。";
    case ConvState::kBadCode:
      return u"郵便番号が正しくありません。";
    case ConvState::kNotFound:
      return u"郵便番号が存在しません。";
    default:
      return u"";
  }
}

bool conv_state_converted(ConvState conv_state) {
  return conv_state >= ConvState::kOk && conv_state <= ConvState::kTildeDropped;
}

bool conv_state_warning(ConvState conv_state) {
  return conv_state >= ConvState::kSeveralTowns && conv_state <= ConvState::kTildeDropped;
}

CodeBatchOutcome run_code_batch(const CodeBatchFields& fields, Session& session, Host& host) {
  host.status(kMsgRunning);
  if (!input_file_ok(fields.in_file)) return refuse(host, kMsgBadInput, Focus::kInputFile);
  InputFile input;
  if (!input.open(field_path(fields.in_file))) {
    BatchOutcome outcome;
    return fail(outcome, host, kMsgInputUnreadable, input.error());
  }

  RecordBuffer probe_items;
  const int first_line_items = probe_first_line(input, probe_items);
  if (first_line_items > kProbeItemLimit) return refuse(host, kMsgTooManyItems, Focus::kInputFile);

  RunPlan run;
  std::u16string item_count_field = fields.item_count;
  if (text::trim_view(item_count_field).empty()) {
    item_count_field = text::from_utf8(std::to_string(first_line_items));
  }
  const std::optional<int> item_count = code_item_count(item_count_field);
  if (!item_count) return refuse(host, kMsgBadItemCount, Focus::kItemCount);
  run.item_count = *item_count;
  const std::optional<int> code_item = code_code_position(fields.code_pos, run.item_count);
  if (!code_item) return refuse(host, kMsgBadCodePos, Focus::kCodePosition);
  const std::optional<long> start_line = code_start_line(fields.start_line);
  if (!start_line) return refuse(host, kMsgBadStartLine, Focus::kStartLine);
  run.start_line = *start_line;

  run.out_path = field_path(fields.out_file);
  if (std::optional<BatchOutcome> refused = check_output(field_path(fields.in_file), run.out_path,
                                                         session, host, fields.ask_overwrite)) {
    return *refused;
  }

  const auto start = std::chrono::steady_clock::now();
  // The code search only reads the session: every converter shares it.
  const JobConverters<CodeBatchRun> jobs(fields.jobs, host, [&](Host& job_host, int) {
    return std::make_unique<CodeBatchRun>(session, job_host, *code_item, fields.write_message);
  });
  return run_batch(input, run, kForm, jobs.converters(), jobs.host(), start);
}

}  // namespace kovari::batch
