#include "batch_speed.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "batch/address_to_code.h"
#include "text/sjis.h"

namespace kovari::accuracy {

BatchSpeed measure_batch(Session& session, const std::vector<std::u16string>& addresses,
                         long lines) {
  BatchSpeed speed;
  if (addresses.empty()) return speed;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "kovari_accuracy_batch";
  std::filesystem::create_directories(dir);
  {
    std::ofstream in(dir / "in.csv", std::ios::binary);
    for (long i = 0; i < lines; ++i) {
      const std::u16string& address = addresses[static_cast<std::size_t>(i) % addresses.size()];
      const std::u16string line =
          text::from_utf8(std::to_string(i + 1)) + u"," + address + u",\r\n";
      in << text::encode_sjis(line).value_or("0,,\r\n");
    }
  }
  batch::AddressBatchFields fields;
  fields.in_file = text::from_utf8((dir / "in.csv").string());
  fields.out_file = text::from_utf8((dir / "out.csv").string());
  fields.item_count = u"3";
  fields.address_pos[0] = u"2";
  fields.code_pos = u"3";
  SilentHost host(true);
  const auto start = std::chrono::steady_clock::now();
  const batch::AddressBatchOutcome outcome = batch::run_address_batch(fields, session, host);
  speed.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  speed.records = outcome.target_count;
  speed.converted = outcome.converted_count;
  if (outcome.result != batch::BatchResult::Finished) {
    speed.error = text::to_utf8(outcome.message) + " " + outcome.error;
  }
  std::filesystem::remove_all(dir);
  return speed;
}

}  // namespace kovari::accuracy
