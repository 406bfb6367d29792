#include "postaldb/code_lookup_tables.h"

#include "postaldb/code_numbers.h"
#include "postaldb/postal_db.h"

namespace kovari::postaldb {

const CodeLookupTables& code_lookup_tables(const PostalDb& db) {
  return db.lookup_tables.get([&db] {
    return CodeLookupTables{
        CodeDirectory(db.main_codes, db.dir.code_count, db.detail_codes, db.dir.code2_count),
        read_run_offsets(db.main_file, db.dir.blk1[3], db.dir.code_count, db.main_codes),
        read_run_offsets(db.detail_file, db.dir.blk2[3], db.dir.code2_count, db.detail_codes),
        LocationTexts(db.tables)};
  });
}

}  // namespace kovari::postaldb
