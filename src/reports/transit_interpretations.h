#pragma once
// The dated transit listing: one day of aspects of the transiting bodies
// to the natal points, each with its interpretation paragraph, for the day
// ListingDate at the transit chart's time of day.
#include <string>
#include <vector>

#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

// A transiting body of the listing and its interpretation file.
struct InterpretedBody {
  const char* fileName;
  int point;       // PointIndex whose longitude the body takes
  bool southNode;  // the point opposite the north node
};

// Sun, Moon, Mercury .. Pluto, N. Node, S. Node, in listing order. The
// nodes are read by their conjunctions only: an opposition to the north
// node is the south node's conjunction.
const std::vector<InterpretedBody>& InterpretedBodies();

// Natal points the listing looks at: Sun, Moon, Mercury .. Pluto, ASC, MC.
const std::vector<int>& InterpretedNatalPoints();

// One day of the listing (the caller starts and shows the page): puts the Data window's More menu on view, writes a
// blank line, the heading "TRANSITING PLANET ASPECTS TO NATAL PLANETS" with
// the day's date, a blank line, then per major aspect (by the orb options,
// as every transit-to-natal report) a line with the two points and the orb
// followed by its paragraph and a blank line, or "     No aspects today.";
// ListingDate then moves on one day and a blank line ends the day. A day
// past the years New Date takes lists the nearer end of them
// (ListingDayInRange). A file that cannot be read gives its aspects
// without paragraphs.
void WriteTransitInterpretations(AppState& state, LineSink& out);

}  // namespace halcyra
