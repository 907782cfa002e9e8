// What the runtime remembers of Quit, read and reset between tests.
#pragma once

#include <optional>

namespace fw {

// The status of the last Quit, if any.
std::optional<int> quitRequested();
// Forgets the last Quit and any unhandled failure, so that a test starts from a fresh run.
void clearQuitRequest();

} // namespace fw
