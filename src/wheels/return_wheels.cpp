#include "wheels/return_wheels.h"

#include "core/return_search.h"
#include "shell/return_prompts.h"
#include "wheels/wheel_commands.h"

namespace halcyra {

void PrepareIngressWheel(AppState& state) {
  SetWheelOrbFile(state, "INGRESS.ORB");
  PutSolarReturnOnWheel(state);
  WheelCaption1(state)[1] =
      state.chart.ChartName + " - " + SeasonWord(state.chart.returns.IngressNumber) + " ingress";
}

void PrepareDualReturnWheel(AppState& state, ReturnWheelKind kind) {
  const bool lunar = kind == ReturnWheelKind::Lunar;
  state.flags.WheelKind = 2;
  WheelCaption2(state).fill("");
  BuildTransitHeadingLines(state);
  CaptionBlock& outer = WheelCaption2(state);
  const CaptionBlock moment = ReturnMomentLines(state, !lunar);
  for (int line = 2; line <= 5; ++line) outer[static_cast<size_t>(line)] = moment[static_cast<size_t>(line)];
  outer[6] = "";
  switch (kind) {
    case ReturnWheelKind::Solar:
      outer[1] = "Solar return";
      SetWheelOrbFile(state, "NAT2SR.ORB");
      break;
    case ReturnWheelKind::Lunar:
      outer[1] = "Lunar return";
      SetWheelOrbFile(state, "NAT2LR.ORB");
      break;
    case ReturnWheelKind::Ingress:
      outer[1] = SeasonWord(state.chart.returns.IngressNumber) + " Ingress";
      SetWheelOrbFile(state, "NAT2INGR.ORB");
      break;
  }
  PrepareDualWheelNatal(state);

  // the outer ring keeps the house tags stored with the return chart
  const ChartSet& found = lunar ? state.returnCharts.LunarReturn : state.returnCharts.SolarReturn;
  ChartSet& second = state.wheel.Wheel2;
  for (int e = 1; e <= 13; ++e) second.Cusp[e] = found.Cusp[e];
  for (int p = 1; p <= NumPoints; ++p) {
    second.Long[p] = found.Long[p];
    second.Decl[p] = found.Decl[p];
  }
  second.RetroFlags = found.RetroFlags;
  second.HouseTags = found.HouseTags;
}

}  // namespace halcyra
