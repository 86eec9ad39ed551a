#pragma once
// A view of one chart set's per-point tables, so that one report routine can
// list the working, natal or transit set alike.
#include <string>
#include <vector>

#include "state/chart_state.h"

namespace halcyra {

struct ChartPoints {
  const PointArray& longs;
  const PointArray& decls;
  const PointFlags& noData;  // set where a table-driven body has no value for the moment
};

inline ChartPoints WorkingPoints(const WorkingSet& w) { return {w.PointLong, w.PointDecl, w.NoData}; }
inline ChartPoints NatalPoints(const NatalSet& n) { return {n.NatalLong, n.NatalDecl, n.NatalNoData}; }
inline ChartPoints TransitPoints(const TransitSet& t) {
  return {t.TransitLong, t.TransitDecl, t.TransitNoData};
}

// True when a retrograde-flag string marks point p (character p) with "R".
inline bool RetroMark(const std::string& flags, int point) {
  return point >= 1 && point <= static_cast<int>(flags.size()) && flags[point - 1] == 'R';
}

// Points 1..lastPoint in listing order: Sun, Moon, then the others by index.
std::vector<int> ListingOrder(int lastPoint);

}  // namespace halcyra
