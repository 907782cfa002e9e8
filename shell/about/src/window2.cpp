// The About window: built from its records, with the cursor and click handling of its two links.
#include <about_window/vumo2020.h>
#include <about_window/window2.h>

#include "about_links.h"
#include "window2_records.h"

#include <framework/implicit_window.h>
#include <framework/url.h>

#include <functional>
#include <string>

namespace shell {

Window2::Window2() : fw::Window(std::string(kClassName)) {}

fw::WindowEventTable Window2::windowEvents()
{
    fw::WindowEventTable table;
    table[static_cast<std::size_t>(fw::WindowEvent::Layout)] = [this] { Layout(); };
    table[static_cast<std::size_t>(fw::WindowEvent::CreateControls)] = [this] { CreateControls(); };
    return table;
}

void Window2::Layout()
{
    fw::SetProperties(*this, about::kWindowRecord);
}

void Window2::CreateControls()
{
    CreateControls0();
}

// Containers first; each control's handlers are bound after its record, so the record raises
// none of them. The picture is the canvas's backdrop before its record is applied.
void Window2::CreateControls0()
{
    createControl<fw::Rectangle>("Rectangle1", about::kRectangle1Record);
    createControl<fw::Label>("StaticText1", about::kStaticText1Record);

    createControl<fw::Label>("StaticText2", about::kStaticText2Record);
    StaticText2()->MouseEnter.bind(std::bind_front(&Window2::StaticText2_MouseEnter, this));
    StaticText2()->MouseExit.bind(std::bind_front(&Window2::StaticText2_MouseExit, this));
    StaticText2()->MouseDown.bind(std::bind_front(&Window2::StaticText2_MouseDown, this));
    StaticText2()->MouseUp.bind(std::bind_front(&Window2::StaticText2_MouseUp, this));

    createControl<fw::Canvas>("Canvas1", about::kCanvas1Record,
                              [](fw::Canvas& canvas) { canvas.setBackdrop(Vumo2020()); });
    Canvas1()->MouseEnter.bind(std::bind_front(&Window2::Canvas1_MouseEnter, this));
    Canvas1()->MouseDown.bind(std::bind_front(&Window2::Canvas1_MouseDown, this));
    Canvas1()->MouseExit.bind(std::bind_front(&Window2::Canvas1_MouseExit, this));
    Canvas1()->MouseUp.bind(std::bind_front(&Window2::Canvas1_MouseUp, this));
}

std::shared_ptr<fw::Rectangle> Window2::Rectangle1()
{
    return controlAs<fw::Rectangle>("Rectangle1");
}

std::shared_ptr<fw::Label> Window2::StaticText1()
{
    return controlAs<fw::Label>("StaticText1");
}

std::shared_ptr<fw::Label> Window2::StaticText2()
{
    return controlAs<fw::Label>("StaticText2");
}

std::shared_ptr<fw::Canvas> Window2::Canvas1()
{
    return controlAs<fw::Canvas>("Canvas1");
}

bool Window2::IsEventImplemented(std::string_view eventName)
{
    return fw::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

void Window2::StaticText2_MouseEnter(fw::RectControl& sender)
{
    sender.setMouseCursor(fw::Cursors::FingerPointer);
}

void Window2::StaticText2_MouseExit(fw::RectControl& sender)
{
    sender.setMouseCursor(fw::Cursors::StandardPointer);
}

// True brings the MouseUp of the same press, wherever it happens.
bool Window2::StaticText2_MouseDown(fw::RectControl&, std::int64_t, std::int64_t)
{
    return true;
}

void Window2::StaticText2_MouseUp(fw::Label&, std::int64_t, std::int64_t)
{
    fw::ShowURL("http://" + std::string(about::kWebSiteHost));
}

void Window2::Canvas1_MouseUp(fw::Canvas&, std::int64_t, std::int64_t)
{
    fw::ShowURL("mailto:" + std::string(about::kMailAddress));
}

} // namespace shell

std::shared_ptr<shell::Window2> Window2()
{
    return fw::implicitInstance<shell::Window2>(shell::Window2::kClassName);
}
