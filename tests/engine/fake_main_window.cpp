// The fake main window's controls and their records.
#include "fake_main_window.h"

#include <framework/layout_record.h>

#include <string>

namespace engine_test {

namespace {

constexpr auto kCanvasRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{Integer("Width", 636), Integer("Height", 553)};
});

template <std::int64_t Minimum, std::int64_t Maximum, std::int64_t Value>
constexpr auto kSliderRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{Integer("MinimumValue", Minimum), Integer("MaximumValue", Maximum),
                      Integer("Value", Value)};
});

constexpr auto kVisibleRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{Text("Caption", "is visible")};
});
constexpr auto kTraceRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{Text("Caption", "has Trace")};
});
constexpr auto kShadowRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{Text("Caption", "has Shadow")};
});

} // namespace

FakeMainWindow::FakeMainWindow() : fw::Window("Window1.Window1") {}

fw::WindowEventTable FakeMainWindow::windowEvents()
{
    fw::WindowEventTable events;
    events[static_cast<std::size_t>(fw::WindowEvent::CreateControls)] = [this] { createControls(); };
    return events;
}

void FakeMainWindow::createControls()
{
    const std::array<std::uint8_t, 0> none{};
    add<fw::Canvas>("Canvas1", kCanvasRecord);
    add<fw::Slider>("BlackPosSlider", kSliderRecord<0, 2, 2>);
    add<fw::Slider>("BlackLengthSlider", kSliderRecord<1, 13, 6>);
    add<fw::CheckBox>("CheckBox1", kVisibleRecord);
    add<fw::CheckBox>("CheckBox2", kTraceRecord);
    add<fw::CheckBox>("CheckBox3", kShadowRecord);
    add<fw::Slider>("RedPosSlider", kSliderRecord<0, 2, 0>);
    add<fw::Slider>("RedLengthSlider", kSliderRecord<1, 13, 6>);
    add<fw::CheckBox>("CheckBox4", kVisibleRecord);
    add<fw::CheckBox>("CheckBox5", kShadowRecord);
    add<fw::CheckBox>("CheckBox6", kTraceRecord);
    add<fw::GroupBox>("GroupBox7", none);
    for (const char* name : {"StaticText7", "StaticText8", "StaticText9", "StaticText10"})
        add<fw::Label>(name, none);
    for (const char* name : {"TextField2", "TextField3", "TextField4", "TextField5"})
        add<fw::TextField>(name, none);
}

OpenMainWindow::OpenMainWindow() : window_(std::make_shared<FakeMainWindow>())
{
    window_->Constructor();
}

OpenMainWindow::~OpenMainWindow()
{
    window_->Close();
}

} // namespace engine_test
