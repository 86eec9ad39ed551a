#include "shell/startup_data.h"

namespace halcyra {

void LoadStartupData(AppState&, const std::function<void(const std::string&)>&) {}

}  // namespace halcyra
