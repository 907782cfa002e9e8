// The main window as the framework sees it: its record, its window events and its one instance.
#include <main_window/window1.h>
#include <main_window/window1_record.h>

#include <framework/implicit_window.h>

namespace main_window {

Window1::Window1() : fw::Window(std::string(kClassName)) {}

fw::WindowEventTable Window1::windowEvents()
{
    fw::WindowEventTable table;
    auto place = [&table](fw::WindowEvent event) -> auto& { return table[static_cast<std::size_t>(event)]; };
    place(fw::WindowEvent::AddMenuHandlers) = [this] { AddMenuHandlers(*this); };
    place(fw::WindowEvent::Close) = [this] { Event_Close(); };
    place(fw::WindowEvent::CreateControls) = [this] { CreateControls(); };
    place(fw::WindowEvent::Layout) = [this] { Layout(); };
    place(fw::WindowEvent::Open) = [this] { Event_Open(); };
    return table;
}

void Window1::Layout()
{
    fw::SetProperties(*this, records::Window1);
}

bool Window1::IsEventImplemented(std::string_view eventName)
{
    return fw::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

} // namespace main_window

std::shared_ptr<main_window::Window1> Window1()
{
    return fw::implicitInstance<main_window::Window1>(main_window::Window1::kClassName);
}
