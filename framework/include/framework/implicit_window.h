// The one open window of a class, found by its class name or built on demand.
#pragma once

#include <framework/runtime.h>
#include <framework/window.h>

#include <memory>
#include <string_view>

namespace fw {

// The open window registered under className, cast to W, or else a new W built by its Constructor,
// which registers it. A found window of another class raises IllegalCastException. A Constructor
// that raises leaves nothing registered, so the next call builds anew.
template <class W>
std::shared_ptr<W> implicitInstance(std::string_view className)
{
    std::shared_ptr<Window> window = GetImplicitWindow(className);
    if (!window) {
        auto created = std::make_shared<W>();
        created->Constructor();
        window = std::move(created);
    }
    return checkedCast<W>(window, "implicit window instance");
}

} // namespace fw
