#pragma once

namespace halcyra {

// Start-up, the event loop and exit; returns the process exit status.
int RunHalcyra(int argc, char* argv[]);

}  // namespace halcyra
