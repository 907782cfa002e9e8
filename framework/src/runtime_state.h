// The runtime's state from process start to exit status, shared by the runtime's own code and the
// test library's quit probe.
#pragma once

#include <framework/application.h>

#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace fw::runtime {

struct State {
    std::vector<std::function<void()>> initialisers;
    std::vector<std::function<void()>> finalisers;
    std::exception_ptr pending;
    ExceptionHelper helper = nullptr;
    double frameworkVersion = 0.0;
    std::optional<int> quitStatus; // remembered while no event loop runs
    bool loopRunning = false;
    bool failed = false; // an exception went unhandled
};

State& state();

} // namespace fw::runtime
