// The runtime's memory of Quit and of unhandled failures, as tests read and reset it.
#include "runtime_state.h"

#include <framework/testing/quit_request.h>

namespace fw {

std::optional<int> quitRequested()
{
    return runtime::state().quitStatus;
}

void clearQuitRequest()
{
    auto& s = runtime::state();
    s.quitStatus.reset();
    s.failed = false;
}

} // namespace fw
