// How long the full diagram takes to draw, and one drag step takes to reach the screen.
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/application.h>
#include <framework/image.h>
#include <framework/testing.h>

#include <benchmark/benchmark.h>

namespace {

// The busiest diagram: both rods visible with traces and shadows, and the meeting construction on.
std::shared_ptr<main_window::Window1> busiestDiagram()
{
    Globals::resetToStartValues();
    auto window = ::Window1();
    for (auto box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(), window->CheckBox4(),
                     window->CheckBox5(), window->CheckBox6()})
        box->setValue(true);
    auto canvas = window->Canvas1();
    fw::testing::mousePress(*canvas, 372, 328);
    fw::testing::mouseRelease(*canvas, 372, 328);
    fw::testing::renderWindow(*window);
    return window;
}

void closeWindow(main_window::Window1& window)
{
    window.Close();
    fw::testing::processEvents();
    fw::clearQuitRequest();
    Globals::resetToStartValues();
}

void BM_RedrawFullDiagram(benchmark::State& state)
{
    auto window = busiestDiagram();
    fw::Image image(636, 553);
    for (auto _ : state) {
        auto g = image.newGraphics();
        Globals::redraw(*g);
    }
    closeWindow(*window);
}
BENCHMARK(BM_RedrawFullDiagram)->Unit(benchmark::kMicrosecond);

// From the mouse event on the canvas to the whole window repainted offscreen. Grabbing the window
// into an image would paint the canvas a second time, so the step ends with the repaint itself.
void BM_DragStepToRepaintedWindow(benchmark::State& state)
{
    auto window = busiestDiagram();
    auto canvas = window->Canvas1();
    fw::testing::mousePress(*canvas, 300, 400);
    std::int64_t x = 300;
    const std::int64_t paintsBefore = fw::testing::paintCount(*canvas);
    for (auto _ : state) {
        x = x == 300 ? 301 : 300;
        fw::testing::mouseMove(*canvas, x, 400);
        fw::testing::processEvents(); // the window's repaint, which paints the canvas once
    }
    state.counters["canvas paints per step"] = benchmark::Counter(
        static_cast<double>(fw::testing::paintCount(*canvas) - paintsBefore), benchmark::Counter::kAvgIterations);
    fw::testing::mouseRelease(*canvas, x, 400);
    closeWindow(*window);
}
BENCHMARK(BM_DragStepToRepaintedWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    fw::testing::startToolkit();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
