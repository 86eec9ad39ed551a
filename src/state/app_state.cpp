#include "state/app_state.h"

namespace halcyra {

AppState& App() {
  static AppState state;
  return state;
}

}  // namespace halcyra
