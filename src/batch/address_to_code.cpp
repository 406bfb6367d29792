#include "batch/address_to_code.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "batch/address_record.h"
#include "batch/edit_output.h"
#include "batch/field_checks.h"
#include "batch/input_check.h"
#include "batch/job_converters.h"
#include "session/convert_address.h"
#include "session/program_files.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

constexpr std::u16string_view kMsgBadItemCount =
    u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadCodePos =
    u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadAddressPos[3] = {
    u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所２の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所３の入力に誤りがあります。項目数の範囲で入力して下さい。"};
constexpr Focus kAddressFields[3] = {Focus::kAddress1Position, Focus::kAddress2Position,
                                     Focus::kAddress3Position};
constexpr std::u16string_view kMsgBadStartLine =
    u"開始行の位置の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgLowConfidence =
    u"変換結果に自信がありません。チェックして下さい。";

// An old code item up to this long (an old three-digit code) is kept as it stands.
constexpr int kMaxKeptOldCodeLength = 3;

constexpr BatchForm kForm{u"ソラト郵便番号　新〒一括変換処理中!!", Focus::kStartLine,
                          Focus::kItemCount, false};

// The checked fields of a run.
struct RunSettings {
  RunPlan plan;
  int code_pos = 0;
  int address_pos[3] = {0, 0, 0};
};

// The field checks of "実行", in the window's order: the refusal, or nothing when
// every field passes (run then holds the checked values).
std::optional<AddressBatchOutcome> check_fields(const AddressBatchFields& f, const Session& session,
                                                Host& host, RunSettings& run) {
  if (!input_file_ok(f.in_file)) return refuse(host, kMsgBadInput, Focus::kInputFile);
  const std::optional<int> items = address_item_count(f.item_count);
  if (!items) return refuse(host, kMsgBadItemCount, Focus::kItemCount);
  run.plan.item_count = *items;
  const std::optional<int> code_pos = address_code_position(f.code_pos, *items);
  if (!code_pos || (*code_pos == 0 && (f.replace_code || f.use_old_code))) {
    return refuse(host, kMsgBadCodePos, Focus::kCodePosition);
  }
  run.code_pos = *code_pos;
  for (int k = 0; k < 3; ++k) {
    const std::optional<int> pos = address_position(f.address_pos[k], *items, run.code_pos);
    if (!pos) return refuse(host, kMsgBadAddressPos[k], kAddressFields[k]);
    run.address_pos[k] = *pos;
  }
  if (run.address_pos[0] + run.address_pos[1] + run.address_pos[2] == 0) {
    return refuse(host, kMsgBadAddressPos[0], kAddressFields[0]);
  }
  const std::optional<long> start = address_start_line(f.start_line);
  if (!start) return refuse(host, kMsgBadStartLine, Focus::kStartLine);
  run.plan.start_line = *start;
  run.plan.out_path = field_path(f.out_file);
  if (run.plan.out_path.empty()) return refuse(host, u"", Focus::kOutputFile);
  return check_output(field_path(f.in_file), run.plan.out_path, session, host, f.ask_overwrite);
}

class AddressBatchRun : public RecordConverter {
 public:
  // `memory`: what resolution carries from record to record, when not the
  // session's own (a converter beside others).
  AddressBatchRun(const AddressBatchFields& fields, const RunSettings& run, Session& session,
                  Host& host, std::unique_ptr<ResolveMemory> memory)
      : f_(fields), run_(run), session_(session), host_(host), memory_(std::move(memory)) {}

  // Where the code, the message and the latest address go.
  int lay_out(int item_count) override {
    new_code_pos_ = f_.replace_code ? run_.code_pos : item_count + 1;
    int out_count = f_.replace_code ? item_count : new_code_pos_;
    msg_pos_ = f_.write_message ? ++out_count : 0;
    if (f_.latest_address) {
      latest_pos_ = out_count + 1;
      edit_type_ = std::clamp(f_.edit_type, kMinEditType, kMaxEditType);
      out_count += edit_type_;
    }
    return out_count;
  }

  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    const std::u16string old_code = set_kovari_no(rec_item[run_.code_pos], kMaxKeptOldCodeLength);
    LatestAddress latest = LatestAddress::blank();
    if (text::Len(old_code) == 7) {
      // The record already carries a seven-digit code: kept as it stands.
      rec_item[new_code_pos_] = rec_item[run_.code_pos];
      ++counts.converted_count;
      if (msg_pos_ != 0) rec_item[msg_pos_].clear();
    } else {
      const AddressOutcome& outcome =
          convert(joined_address(rec_item), {old_code, f_.use_old_code});
      if (session_.settings.flag(settings::Flag::kMonitor) == 1) {
        host_.monitor(outcome.decomposition.addr_text, outcome.parts);
      }
      const std::u16string& code = outcome.code;
      if (!code.empty()) ++counts.converted_count;
      rec_item[new_code_pos_] = code.empty() ? u"" : format_code(code, f_.hyphen);
      bool low_confidence = false;
      if (msg_pos_ != 0) {
        low_confidence = text::Right(text::Trim(code), 2) == u"00";
        rec_item[msg_pos_] = low_confidence ? std::u16string(kMsgLowConfidence) : outcome.message;
      }
      if (f_.latest_address && !code.empty() && !low_confidence &&
          outcome.decomposition.current().building_found == 0) {
        latest = get_address(session_, host_, outcome);
      }
    }
    if (f_.latest_address) {
      const std::vector<std::u16string> items = edit_output(edit_type_, latest);
      for (std::size_t k = 0; k < items.size(); ++k) rec_item[latest_pos_ + k] = items[k];
    }
  }

  // Each job reads the town areas of its own places.
  std::size_t affinity(const RecordBuffer& rec_item, std::size_t) const override {
    const int* const pos = run_.address_pos;
    const int first = *std::find_if(pos, pos + 2, [](int p) { return p != 0; });
    return place_affinity(rec_item[first]);
  }

 private:
  // Into the kept outcome, whose texts keep their room from one record to the next.
  const AddressOutcome& convert(std::u16string_view address, const AddressRequest& request) {
    if (!memory_) {
      convert_address(session_, host_, address, CallerMode::kBatchAddress, request, outcome_);
    } else {
      convert_address(std::as_const(session_), *memory_, host_, address, CallerMode::kBatchAddress,
                      request, outcome_);
    }
    return outcome_;
  }

  // 住所１-３ joined, each position used once.
  std::u16string joined_address(const RecordBuffer& rec_item) const {
    const int* const pos = run_.address_pos;
    std::u16string address;
    for (int k = 0; k < 3; ++k) {
      if (pos[k] == 0 || std::find(pos, pos + k, pos[k]) != pos + k) continue;
      address += text::Trim(rec_item[pos[k]]);
    }
    return address;
  }

  const AddressBatchFields& f_;
  const RunSettings& run_;
  Session& session_;
  Host& host_;
  std::unique_ptr<ResolveMemory> memory_;
  AddressOutcome outcome_;
  int new_code_pos_ = 0;
  int msg_pos_ = 0;
  int latest_pos_ = 0;
  int edit_type_ = kMinEditType;
};

}  // namespace

std::size_t place_affinity(std::u16string_view address) {
  std::u16string_view place = text::trim_view(address);
  for (const std::size_t end : {2, 3}) {
    if (end < place.size() && std::u16string_view(u"都道府県").find(place[end]) != place.npos) {
      place.remove_prefix(end + 1);
      break;
    }
  }
  return std::hash<std::u16string_view>{}(place.substr(0, 2));
}

AddressBatchOutcome run_address_batch(const AddressBatchFields& fields, Session& session,
                                      Host& host) {
  host.status(kMsgRunning);
  RunSettings run;
  if (std::optional<AddressBatchOutcome> refused = check_fields(fields, session, host, run)) {
    return *refused;
  }
  const auto start = std::chrono::steady_clock::now();
  InputFile input;
  if (!input.open(field_path(fields.in_file))) {
    BatchOutcome outcome;
    return fail(outcome, host, kMsgInputUnreadable, input.error());
  }
  // Resolution behaves as with this window open (the batch pre-step).
  const RunningScope batch_window(session.running, ConversionWindow::kBatchAddressToCode);
  const JobConverters<AddressBatchRun> jobs(fields.jobs, host, [&](Host& job_host, int job) {
    return std::make_unique<AddressBatchRun>(
        fields, run, session, job_host, job == 0 ? nullptr : std::make_unique<ResolveMemory>());
  });
  return run_batch(input, run.plan, kForm, jobs.converters(), jobs.host(), start);
}

}  // namespace kovari::batch
