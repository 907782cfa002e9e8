// A stand-in for the main window: the controls the engine reads and writes, under their names.
#pragma once

#include <framework/controls.h>
#include <framework/layout_record.h>
#include <framework/window.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace engine_test {

// Registered as "Window1.Window1" with a 636 x 553 Canvas1, the rod groups at their start
// values (positions 2 and 0, lengths 6, all boxes off) and the read-out panel.
class FakeMainWindow : public fw::Window {
public:
    FakeMainWindow();

    template <class C>
    C& control(std::string_view name) const
    {
        return *controlAs<C>(name);
    }

protected:
    fw::WindowEventTable windowEvents() override;

private:
    void createControls();

    template <class C, std::size_t N>
    void add(const std::string& name, const std::array<std::uint8_t, N>& record)
    {
        auto control = New<C>();
        fw::SetProperties(*control, record);
        AddControl(name, control);
    }
};

// Opens a fake main window for its lifetime and closes it at the end.
class OpenMainWindow {
public:
    OpenMainWindow();
    ~OpenMainWindow();
    OpenMainWindow(const OpenMainWindow&) = delete;
    OpenMainWindow& operator=(const OpenMainWindow&) = delete;

    FakeMainWindow& operator*() const { return *window_; }
    FakeMainWindow* operator->() const { return window_.get(); }

private:
    std::shared_ptr<FakeMainWindow> window_;
};

} // namespace engine_test
