// Placeholder so that resolution links: engineer "refine" replaces this file
// with the detail-record pass. Until then no detail record matches.
#include "resolve/detail_pass.h"

namespace kovari::resolve {

void match_detail_records(ResolveState&, decompose::Decomposition&, const ResolveContext&) {}

}  // namespace kovari::resolve
