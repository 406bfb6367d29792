#include "postaldb/code_lookup_tables.h"

#include "postaldb/postal_db.h"

namespace kovari::postaldb {

const CodeLookupTables& code_lookup_tables(const PostalDb& db) {
  return db.lookup_tables.get([&db] {
    return CodeLookupTables{
        CodeDirectory(db.main_codes, db.dir.code_count, db.detail_codes, db.dir.code2_count),
        EachMadeOnFirstUse<DecodedGroup>(CodeDirectory::kGroups), LocationTexts(db.tables)};
  });
}

}  // namespace kovari::postaldb
