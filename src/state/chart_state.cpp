#include "state/chart_state.h"

namespace halcyra {

ChartSet NatalChartSet(const ChartState& chart) {
  const NatalSet& n = chart.natal;
  ChartSet set;
  set.Long = n.NatalLong;
  set.Decl = n.NatalDecl;
  set.Speed = n.PlanetSpeed;
  set.Cusp = n.NatalCusp;
  set.RetroFlags = n.NatalRetroFlags;
  set.HouseTags = n.NatalHouseTags;
  set.NoData = n.NatalNoData;
  set.MoonDeclNextDay = n.MoonDeclWork;
  set.SiderealText = n.NatalSiderealText;
  return set;
}

}  // namespace halcyra
