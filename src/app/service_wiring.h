#pragma once
// The one place where the program's parts are joined through the state's
// services (state/app_services.h): start-up runs it before the first window.

namespace halcyra {

struct AppState;

// The chart command behind OK, the Data window as the report display, the
// dated listing behind the Data window's More menu, the About window, the
// VoruvEdud strip, the wheel window that shows a return, the lists the
// editors reopen and the Data menu's answer to the second-person box.
void WireAppServices(AppState& state);

}  // namespace halcyra
