// kovari-cli office [--data DIR] [--mode prefix|exact|partial] [--hyphen]
// [--line-buffered] [NAME ...]:
// searches the large-volume offices by name as OfficeNameSearchWindow does
// (each argument, or each line of standard input when none is given, is one
// search) and prints one tab-separated line per office found: code, office
// name, address. The search's messages (no match, an input error, the limit
// reached) go to standard error. The index file is made on first use.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_common.h"
#include "clipboard/clip_copy.h"
#include "office_search/office_search.h"
#include "paths/user_files.h"
#include "result_list/list_builders.h"
#include "text/vb.h"

namespace kovari::cli {
namespace {

// The search's host on a terminal: the index is made without asking, the
// message line is not shown, message boxes go to standard error.
class OfficeHost : public CliHost {
 public:
  OfficeHost() : CliHost(true) {}
  bool ask_yes_no(std::u16string_view, std::u16string_view, MessageIcon) override { return true; }
  void status(std::u16string_view) override {}
  void message_box(std::u16string_view text, std::u16string_view, MessageIcon) override {
    end_progress();
    std::cerr << "kovari-cli office: " << utf8(text::Trim(text::Replace(text, u"\r\n", u" ")))
              << "\n";
  }
};

std::optional<office_search::MatchMode> match_mode(std::string_view name) {
  if (name == "prefix") return office_search::MatchMode::kPrefix;
  if (name == "exact") return office_search::MatchMode::kExact;
  if (name == "partial") return office_search::MatchMode::kPartial;
  return std::nullopt;
}

}  // namespace

int cmd_office(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const std::string mode_name = args.option("mode").value_or("prefix");
  const bool hyphen = args.flag("hyphen");
  Output out(args);
  const std::vector<std::string> names = positional_arguments(args);
  if (!args.finish("office")) return 2;
  const std::optional<office_search::MatchMode> mode = match_mode(mode_name);
  if (!mode) {
    std::cerr << "kovari-cli office: --mode is prefix, exact or partial, not \"" << mode_name
              << "\"\n";
    return 2;
  }

  OfficeHost host;
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  if (hyphen) session.settings.set_flag(settings::Flag::kHyphen, 1);
  office_search::OfficeIndexStore store{
      paths::user_file(paths::UserFile::OfficeIndex, paths::current_places()), std::nullopt};
  for_each_input(names, [&](std::string_view name) {
    const office_search::OfficeSearchOutcome found =
        office_search::kensaku_syori(store, session.db, host, utf16(name), *mode);
    host.end_progress();
    if (found.result == office_search::OfficeSearchResult::kNoText) return;
    if (found.result != office_search::OfficeSearchResult::kFound) {
      out.flush();  // the message comes after the offices of the names before
      std::cerr << "kovari-cli office: " << name << ": " << utf8(found.message) << "\n";
      return;
    }
    const result_list::ResultList list =
        result_list::set_list4(session.db, found.office_hit, found.office_over, session.settings);
    for (const result_list::ResultRow& row : list.rows) {
      out << clipboard::code_item(row.code, session.settings) << '\t' << row.office << '\t'
          << row.address << '\n';
    }
    out.end_answer();
  });
  return 0;
}

}  // namespace kovari::cli
