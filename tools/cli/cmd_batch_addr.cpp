// kovari-cli batch-addr --in FILE --out FILE --items N --addr1 K [--addr2 K]
// [--addr3 K] [--code-pos K] [--replace] [--hyphen] [--message]
// [--use-old-code] [--latest-address TYPE] [--start-line L] [--yes] [--jobs N]:
// the batch address-to-code conversion with the window's options, the records
// converted by N jobs side by side (by default one per core). The
// summary goes to standard output; the progress bar to standard error when it
// is a terminal. Exit status 0 finished, 1 the input or output failed, 2 the
// fields were refused.
#include <iostream>
#include <string>

#include "batch/address_to_code.h"
#include "cli_common.h"

namespace kovari::cli {

int cmd_batch_addr(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  batch::AddressBatchFields fields;
  // File names go to the file system as the bytes given.
  fields.in_file = args.option("in").value_or("");
  fields.out_file = args.option("out").value_or("");
  fields.item_count = utf16(args.option("items").value_or(""));
  fields.address_pos[0] = utf16(args.option("addr1").value_or("0"));
  fields.address_pos[1] = utf16(args.option("addr2").value_or("0"));
  fields.address_pos[2] = utf16(args.option("addr3").value_or("0"));
  fields.code_pos = utf16(args.option("code-pos").value_or("0"));
  fields.start_line = utf16(args.option("start-line").value_or(""));
  fields.replace_code = args.flag("replace");
  fields.hyphen = args.flag("hyphen");
  fields.write_message = args.flag("message");
  fields.use_old_code = args.flag("use-old-code");
  if (const std::optional<std::string> type = args.option("latest-address")) {
    fields.latest_address = true;
    fields.edit_type = std::atoi(type->c_str());
    if (fields.edit_type < 1 || fields.edit_type > 4) {
      std::cerr << "kovari-cli batch-addr: --latest-address takes 1, 2, 3 or 4\n";
      return 2;
    }
  }
  const bool yes = args.flag("yes");
  const std::optional<int> jobs = jobs_option(args, "batch-addr");
  if (!jobs) return 2;
  fields.jobs = *jobs;
  if (!args.finish("batch-addr")) return 2;
  if (fields.out_file.empty()) {
    std::cerr << "kovari-cli batch-addr: --out FILE is required\n";
    return 2;
  }

  return run_batch_command("batch-addr", folder, yes, [&](Session& session, Host& host) {
    return batch::run_address_batch(fields, session, host);
  });
}

}  // namespace kovari::cli
