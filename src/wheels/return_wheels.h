#pragma once
// The wheels of the main window's return and ingress commands, once the
// search has found the return or ingress chart: the single ingress wheel,
// and the dual wheels with the natal chart inside and the return or ingress
// outside. The single return wheels are the return search's own.
#include "state/app_state.h"

namespace halcyra {

enum class ReturnWheelKind { Solar, Lunar, Ingress };

// The ingress of IngressNumber, found into the solar-return set, on a
// single wheel: its caption names the season. ChartKind 4 while the wheel
// window loads (the caller resets it to 0, with IngressNumber, afterwards).
void PrepareIngressWheel(AppState& state);

// The natal chart inside, the solar return, lunar return or ingress (of
// IngressNumber) outside, with the return's caption block (its moment in
// universal time, " (0)") and orb file; ChartKind 0.
void PrepareDualReturnWheel(AppState& state, ReturnWheelKind kind);

}  // namespace halcyra
