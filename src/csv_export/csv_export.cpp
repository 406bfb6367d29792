#include "csv_export/csv_export.h"

#include <optional>
#include <system_error>

#include "io/atomic_file.h"
#include "session/program_files.h"
#include "text/format.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::csv_export {

namespace {

std::u16string path_text(const std::filesystem::path& path) {
  return text::from_utf8(path.string());
}

bool holds_data(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return !error && size > 0;
}

ExportOutcome refused(ExportField focus, std::u16string_view message = {}) {
  ExportOutcome outcome;
  outcome.focus = focus;
  outcome.message = message;
  return outcome;
}

// The file was not written: a message box names it and says why.
ExportOutcome not_written(Host& host, const std::filesystem::path& path, const std::string& why) {
  host.message_box(
      path_text(path) + u"\r\n" + std::u16string(kMsgNotWritten) + u"\r\n" + text::from_utf8(why),
      u"警告メッセージ", MessageIcon::Critical);
  ExportOutcome outcome = refused(ExportField::kFileName, kMsgNotWritten);
  outcome.result = ExportResult::kFailed;
  return outcome;
}

}  // namespace

PickView export_pick_view(const AreaPick& pick) {
  const PickList& list = pick.list();
  if (!pick.town_text.empty()) return {list.caption, std::u16string(kMsgEnterFileName), true};
  if (list.level == PickLevel::kTown && list.items.size() == 1) {
    return {u"", std::u16string(kMsgEnterFileName), true};
  }
  return {list.caption, list.prompt, false};
}

ExportArea export_area(const AreaPick& pick) {
  return {pick.found_pref, pick.city_text, pick.town_text, pick.found_city};
}

ExportOutcome export_csv(const Session& session, Host& host, const ExportRequest& request) {
  if (!request.path.empty() && is_program_file(session, request.path)) {
    return not_written(host, request.path, "it is one of the program's own files");
  }
  return export_csv(session.db, session.settings, host, request);
}

std::filesystem::path export_path(std::u16string_view name, const std::filesystem::path& folder) {
  const std::u16string trimmed = text::Trim(name);
  if (trimmed.empty()) return {};
  const std::filesystem::path typed(text::to_utf8(trimmed));
  return typed.is_absolute() ? typed : folder / typed;
}

ExportOutcome export_csv(const postaldb::PostalDb& db, const settings::Settings& settings,
                         Host& host, const ExportRequest& request) {
  if (request.area.pref == 0 || request.path.empty()) return refused(ExportField::kPickList);
  if (!request.tables.towns && !request.tables.offices) {
    return refused(ExportField::kTownsCheck, kMsgNoTables);
  }
  const std::optional<std::vector<RecordRange>> ranges = export_ranges(db, request.area);
  if (!ranges) return refused(ExportField::kPickList);
  if (holds_data(request.path) &&
      !host.ask_yes_no(path_text(request.path) +
                           u"\r\n既にファイルが存在します。\r\n上書きしても構いませんか。\r\n",
                       u"注意メッセージ", MessageIcon::Exclamation)) {
    return refused(ExportField::kFileName);
  }

  const ExportText lines = export_lines(db, *ranges, request.tables, settings, host);
  const std::optional<std::string> bytes = text::encode_sjis(lines.text);
  std::string error = "a name of the data has no Shift-JIS form";
  if (!bytes || !io::write_file_atomically(request.path, *bytes, error)) {
    return not_written(host, request.path, error);
  }
  host.message_box(u"ＣＳＶファイル出力完了。\r\n出力件数は " +
                       text::Format(static_cast<double>(lines.count), u"##,###") + u" 件です。\r\n",
                   u"情報メッセージ", MessageIcon::Information);
  ExportOutcome outcome;
  outcome.result = ExportResult::kWritten;
  outcome.count = lines.count;
  return outcome;
}

}  // namespace kovari::csv_export
