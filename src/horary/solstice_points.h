#pragma once
// Solstice points: each point's antiscion (its mirror image across the axis
// 0 Cancer - 0 Capricorn) and contrantiscion (the point opposite it), and
// the main points that stand within one degree of a main point's antiscion
// or contrantiscion.
#include <vector>

#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra {

// The antiscion + 180, brought below 360.
double ContraAntiscion(double antiscion);

struct AntiscionContact {
  int point = 0;  // the point standing on the mirror image
  int of = 0;     // the point whose antiscion (or contrantiscion) it is
  bool contra = false;
};

// Antiscion contacts first, then contrantiscion contacts, each for p and
// then q running over Sun to MC (a point with its own mirror image too, and
// the Part of Fortune). The orb is one degree, both ends included, also
// across 0 Aries.
std::vector<AntiscionContact> AntiscionContacts(const ChartSet& natal);

// The SOLSTICE POINTS section: its heading, one row per point (the Part of
// Fortune left out) and the contact lines.
void WriteSolsticePoints(LineSink& out, const ChartSet& natal);

}  // namespace halcyra
