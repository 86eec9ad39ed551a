#include "shell/ui/listing_hooks.h"

namespace halcyra {

namespace {
TransitListingWriter& Writer() {
  static TransitListingWriter writer;
  return writer;
}
}  // namespace

void SetTransitListingWriter(TransitListingWriter writer) { Writer() = std::move(writer); }

const TransitListingWriter& CurrentTransitListingWriter() { return Writer(); }

}  // namespace halcyra
