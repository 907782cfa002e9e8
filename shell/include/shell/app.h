// The application object: it holds the version data and the menu bar, and handles no events.
#pragma once

#include <framework/application.h>

#include <string_view>

namespace shell {

class App : public fw::Application {
public:
    std::string_view className() const override { return "App"; }
    void Constructor() override;

    // Asks the framework whether App's own code handles the named application event.
    bool IsEventImplemented(std::string_view eventName) const;
};

} // namespace shell
