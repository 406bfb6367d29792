#include "batch/address_to_code.h"

#include <algorithm>
#include <chrono>
#include <span>

#include "batch/address_record.h"
#include "batch/batch_output.h"
#include "batch/edit_output.h"
#include "batch/input_check.h"
#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "text/format.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

constexpr std::u16string_view kMsgRunning = u"一括変換処理中！！";
constexpr std::u16string_view kMsgChecking = u"変換前ファイルのチェック中！！";
constexpr std::u16string_view kMsgBadInput = u"変換前ファイルの入力に誤りがあります。";
constexpr std::u16string_view kMsgBadItemCount =
    u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadCodePos =
    u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadAddressPos[3] = {
    u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所２の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所３の入力に誤りがあります。項目数の範囲で入力して下さい。"};
constexpr const char* kAddressFields[3] = {"Text8", "Text9", "Text10"};
constexpr std::u16string_view kMsgBadStartLine =
    u"開始行の位置の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgSameFile = u"変換前ファイルと変換後ファイルは同一にできません。";
constexpr std::u16string_view kMsgStartBeyondEnd = u"開始行の位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgItemCountRefused = u"項目数の入力に誤りがあります。";
constexpr std::u16string_view kMsgTooManyItems = u"変換前ファイルの項目数は５０を超えています。";
constexpr std::u16string_view kMsgInputUnreadable = u"変換前ファイルを読み込めません。";
constexpr std::u16string_view kMsgOutputUncreatable = u"変換後ファイルを作成できません。";
constexpr std::u16string_view kMsgOutputUnwritable = u"変換後ファイルに書き込めません。";
constexpr std::u16string_view kMsgLowConfidence =
    u"変換結果に自信がありません。チェックして下さい。";

AddressBatchOutcome refuse(Host& host, std::u16string_view message, std::string focus) {
  if (!message.empty()) host.status(message);
  host.request_focus(focus);
  AddressBatchOutcome outcome;
  outcome.message = message;
  outcome.focus = std::move(focus);
  return outcome;
}

AddressBatchOutcome& fail(AddressBatchOutcome& outcome, Host& host, std::u16string_view message,
                          std::string error) {
  host.status(message);
  host.message_box(std::u16string(message) + u"\r\n" + text::from_utf8(error), u"警告メッセージ",
                   MessageIcon::Critical);
  outcome.result = BatchResult::Failed;
  outcome.message = message;
  outcome.error = std::move(error);
  return outcome;
}

// A position field: numeric and within 0..limit (the caller adds its own rules).
std::optional<int> position_field(std::u16string_view field, int limit) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v < 0 || *v > limit) return std::nullopt;
  return static_cast<int>(*v);
}

std::u16string wide_number(double value) {
  return text::to_full_width_digits(text::Trim(text::Format(value, u"##,##0")));
}

// The checked fields of a run.
struct RunSettings {
  std::filesystem::path out_path;
  int item_count = 0;
  int code_pos = 0;
  int address_pos[3] = {0, 0, 0};
  long start_line = 0;
};

// The field checks of "実行", in the window's order: the refusal, or nothing when
// every field passes (run then holds the checked values).
std::optional<AddressBatchOutcome> check_fields(const AddressBatchFields& f, Host& host,
                                                RunSettings& run) {
  if (!input_file_ok(f.in_file)) return refuse(host, kMsgBadInput, "Text1");
  const std::optional<double> items = text::parse_numeric(f.item_count);
  if (!items || *items <= 1 || *items > kMaxItemCount) {
    return refuse(host, kMsgBadItemCount, "Text2");
  }
  run.item_count = static_cast<int>(*items);
  const std::optional<int> code_pos = position_field(f.code_pos, run.item_count);
  if (!code_pos || (*code_pos == 0 && (f.replace_code || f.use_old_code))) {
    return refuse(host, kMsgBadCodePos, "Text3");
  }
  run.code_pos = *code_pos;
  for (int k = 0; k < 3; ++k) {
    const std::optional<int> pos = position_field(f.address_pos[k], run.item_count);
    if (!pos || (run.code_pos != 0 && *pos == run.code_pos)) {
      return refuse(host, kMsgBadAddressPos[k], kAddressFields[k]);
    }
    run.address_pos[k] = *pos;
  }
  if (run.address_pos[0] + run.address_pos[1] + run.address_pos[2] == 0) {
    return refuse(host, kMsgBadAddressPos[0], kAddressFields[0]);
  }
  const std::optional<double> start = text::parse_numeric(f.start_line);
  if (start && *start < 1) return refuse(host, kMsgBadStartLine, "Text13");
  run.start_line = start ? static_cast<long>(*start) : 0;
  if (text::trim_view(f.out_file).empty()) return refuse(host, u"", "Text11");
  run.out_path = field_path(f.out_file);
  if (text::Trim(f.in_file) == text::Trim(f.out_file) ||
      same_file(field_path(f.in_file), run.out_path)) {
    return refuse(host, kMsgSameFile, "Text11");
  }
  return std::nullopt;
}

class AddressBatchRun {
 public:
  AddressBatchRun(const AddressBatchFields& fields, const postaldb::PostalDb& db,
                  const settings::Settings& settings, Host& host, resolve::ResolveState& st)
      : f_(fields),
        db_(db),
        host_(host),
        st_(st),
        ctl_flg_(settings.ctl_flg),
        search_{db, settings, host, {code_search::CallerMode::BatchAddress, false, true, true}} {
    ctl_flg_[9] = fields.use_old_code ? 1 : 0;
  }

  // cnv_file: checks the input, then converts every record from the start line on.
  AddressBatchOutcome cnv_file(std::u16string_view text, const RunSettings& run) {
    host_.status(kMsgChecking);
    host_.do_events();
    const InputCheck check = chk_infile(text, run.item_count, run.start_line, host_, rec_item_);
    switch (check.status) {
      case InputStatus::StartBeyondEnd:
        return refuse(host_, kMsgStartBeyondEnd, "Text13");
      case InputStatus::ItemCountRefused:
        return refuse(host_, kMsgItemCountRefused, "Text2");
      case InputStatus::TooManyItems:
        return refuse(host_, kMsgTooManyItems, "Text2");
      case InputStatus::ItemMode:
      case InputStatus::LineMode:
        break;
    }
    host_.status(kMsgRunning);
    host_.do_events();
    lay_out(run, check.item_count);

    AddressBatchOutcome outcome;
    OutputFile out;
    if (!out.open(run.out_path)) return fail(outcome, host_, kMsgOutputUncreatable, out.error());
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
      convert_record(run, outcome);
      out.write_record(std::span(rec_item_).subspan(1, out_count_));
    }
    if (!out.close()) return fail(outcome, host_, kMsgOutputUnwritable, out.error());
    outcome.result = BatchResult::Finished;
    return outcome;
  }

 private:
  // Where the code, the message and the latest address go.
  void lay_out(const RunSettings& run, int item_count) {
    new_code_pos_ = f_.replace_code ? run.code_pos : item_count + 1;
    out_count_ = f_.replace_code ? item_count : new_code_pos_;
    msg_pos_ = f_.write_message ? ++out_count_ : 0;
    if (f_.latest_address) {
      latest_pos_ = out_count_ + 1;
      edit_type_ = std::clamp(f_.edit_type, kMinEditType, kMaxEditType);
      out_count_ += edit_type_;
    }
  }

  // 住所１-３ joined, each position used once.
  std::u16string joined_address(const RunSettings& run) const {
    std::u16string address;
    for (int k = 0; k < 3; ++k) {
      const int pos = run.address_pos[k];
      if (pos == 0 || std::find(run.address_pos, run.address_pos + k, pos) != run.address_pos + k) {
        continue;
      }
      address += text::Trim(rec_item_[pos]);
    }
    return address;
  }

  void convert_record(const RunSettings& run, AddressBatchOutcome& counts) {
    ++counts.target_count;
    d_.addr_text = joined_address(run);
    st_.caller_mode = 2;
    st_.result_parts.clear();
    st_.result_code.clear();
    st_.result_msg.clear();
    for (auto& slot : d_.slot) std::fill(slot.part_len.begin(), slot.part_len.begin() + 11, 0);
    const std::u16string old_code = old_code_of(rec_item_[run.code_pos]);
    set_kansuuji(d_.addr_text, db_.tables, d_.current().part_len[10]);

    LatestAddress latest = LatestAddress::blank();
    if (text::Len(old_code) == 7) {
      // The record already carries a seven-digit code: kept as it stands.
      rec_item_[new_code_pos_] = rec_item_[run.code_pos];
      ++counts.converted_count;
      if (msg_pos_ != 0) rec_item_[msg_pos_].clear();
    } else {
      decompose::decompose_address(d_, db_.tables, {ctl_flg_[4], 1});
      resolve::ResolveContext ctx{db_, ctl_flg_, {0, 0, 0, 1, 0, 0}, host_, old_code};
      resolve::kaiseki_phase1(st_, d_, ctx);
      if (!st_.result_code.empty()) ++counts.converted_count;
      rec_item_[new_code_pos_] =
          st_.result_code.empty()
              ? u""
              : text::Format(st_.result_code, f_.hyphen ? u"000-0000" : u"0000000");
      bool low_confidence = false;
      if (msg_pos_ != 0) {
        low_confidence = text::Right(text::Trim(st_.result_code), 2) == u"00";
        rec_item_[msg_pos_] = low_confidence ? std::u16string(kMsgLowConfidence) : st_.result_msg;
      }
      if (f_.latest_address && !st_.result_code.empty() && !low_confidence &&
          d_.current().building_found == 0) {
        latest = get_address(d_.addr_text, d_, st_, search_);
      }
    }
    if (f_.latest_address) {
      const std::vector<std::u16string> items = edit_output(edit_type_, latest);
      for (std::size_t k = 0; k < items.size(); ++k) rec_item_[latest_pos_ + k] = items[k];
    }
  }

  const AddressBatchFields& f_;
  const postaldb::PostalDb& db_;
  Host& host_;
  resolve::ResolveState& st_;
  std::array<int, 17> ctl_flg_;
  code_search::SearchContext search_;
  decompose::Decomposition d_;
  RecordBuffer rec_item_;
  int new_code_pos_ = 0;
  int msg_pos_ = 0;
  int out_count_ = 0;
  int latest_pos_ = 0;
  int edit_type_ = kMinEditType;
};

}  // namespace

std::u16string address_batch_summary(const AddressBatchOutcome& outcome) {
  return u"一括変換処理が終了しました。\r\n変換対象件数は" + wide_number(outcome.target_count) +
         u"件です。\r\n変換件数は　　　" + wide_number(outcome.converted_count) +
         u"件です。\r\n処理時間は　" + wide_number(outcome.seconds) + u"秒です。";
}

AddressBatchOutcome run_address_batch(const AddressBatchFields& fields,
                                      const postaldb::PostalDb& db,
                                      const settings::Settings& settings, Host& host,
                                      resolve::ResolveState& state) {
  host.status(kMsgRunning);
  RunSettings run;
  if (std::optional<AddressBatchOutcome> refused = check_fields(fields, host, run)) {
    return *refused;
  }
  const auto start = std::chrono::steady_clock::now();
  const InputText input = read_input_file(field_path(fields.in_file));
  if (!input.text) {
    AddressBatchOutcome outcome;
    return fail(outcome, host, kMsgInputUnreadable, input.error);
  }
  AddressBatchRun batch(fields, db, settings, host, state);
  AddressBatchOutcome outcome = batch.cnv_file(*input.text, run);
  if (outcome.result != BatchResult::Finished) return outcome;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  outcome.seconds = elapsed.count();
  host.message_box(address_batch_summary(outcome), u"情報メッセージ", MessageIcon::Information);
  return outcome;
}

}  // namespace kovari::batch
