// "kovari3tbl.dat": the texts of the old codes, then the old-code table
// (block entry 1: key, text offset, run ordinal) and the ward-pair table (2).
#include <array>

#include "data_files.h"

namespace kovari::mkdata {

DataFile lay_out_third_file(const PostalData& data, Counts& counts, Report& report) {
  ByteBuffer file;
  std::array<std::int32_t, 51> block{};
  file.raw("kovari postal data: old codes and ward pairs");
  file.align_to_block();

  std::vector<std::int32_t> text_offset;
  text_offset.reserve(data.old_codes.size());
  for (const OldCode& old_code : data.old_codes) {
    text_offset.push_back(file.size());
    file.variant_string(old_code.text);
  }

  file.align_to_block();
  block[1] = file.block();
  for (std::size_t i = 0; i < data.old_codes.size(); ++i) {
    file.raw(data.old_codes[i].key);  // keys are unique: every run has one record
    file.long_value(text_offset[i]);
    file.integer(1);
  }
  counts.old_codes = static_cast<int>(data.old_codes.size());

  file.align_to_block();
  block[2] = file.block();
  for (const WardPair& pair : data.ward_pairs) {
    file.variant_string(pair.first);
    file.variant_string(pair.second);
  }
  counts.ward_pairs = static_cast<int>(data.ward_pairs.size());

  file.align_to_block();
  ByteBuffer directory;
  for (int k = 1; k <= 50; ++k) directory.integer(static_cast<std::int16_t>(block[k]));
  directory.long_value(counts.old_codes);
  directory.long_value(0);
  directory.long_value(counts.ward_pairs);
  append_directory(file, directory, report, "kovari3tbl.dat");
  return {"kovari3tbl.dat", std::move(file)};
}

}  // namespace kovari::mkdata
