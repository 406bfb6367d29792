// The latest address of a code the batch address-to-code conversion found.
#pragma once

#include "batch/edit_output.h"
#include "host/host.h"
#include "session/convert_address.h"
#include "session/session.h"

namespace kovari::batch {

// get_address: the latest address of the outcome's code in four parts, split
// along the outcome's decomposition of the normalised address text.
LatestAddress get_address(Session& session, Host& host, const AddressOutcome& outcome);

}  // namespace kovari::batch
