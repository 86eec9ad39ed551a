#pragma once
// The hourglass pointer shown while a long computation blocks the windows.
// It is a state, not a stack: any number of "busy" calls are undone by one
// "not busy" call.
namespace halcyra {

void SetBusyPointer(bool busy);
bool BusyPointerShown();

}  // namespace halcyra
