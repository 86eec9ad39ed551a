#pragma once
// The Data window's More menu continues the dated transit listing, which the
// listings install here: the writer puts one day (ListingDate) on the current
// page and leaves ListingDate on the following day.
#include <functional>

#include "state/app_state.h"

namespace halcyra {

using TransitListingWriter = std::function<void(AppState&)>;

void SetTransitListingWriter(TransitListingWriter writer);
const TransitListingWriter& CurrentTransitListingWriter();

}  // namespace halcyra
