#pragma once
// The main window's Help menu and its VoruvEdud command. The windows these
// two commands open belong to the start-up windows and the wheels; their
// owners install them here.
#include <functional>

namespace halcyra {

void SetAboutWindowOpener(std::function<void()> open);   // Help > About
void SetVoruvEdudCommand(std::function<void()> command);  // the VoruvEdud menu command

}  // namespace halcyra
