// The About window: built from its records, with the cursor and click handling of its two links.
#include <about_window/vumo2020.h>
#include <about_window/window2.h>

#include "about_links.h"
#include "window2_records.h"

#include <framework/url.h>

#include <string>

namespace shell {

Window2::Window2() : fw::Window("Window2.Window2") {}

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

// Each control is made, registered under its name, fetched back by that name and given its
// record; its handlers are bound only after the record, so the record raises none of them.
void Window2::CreateControls0()
{
    AddControl("Rectangle1", New<fw::Rectangle>());
    fw::SetProperties(*controlAs<fw::Rectangle>("Rectangle1"), about::kRectangle1Record);

    AddControl("StaticText1", New<fw::Label>());
    fw::SetProperties(*controlAs<fw::Label>("StaticText1"), about::kStaticText1Record);

    AddControl("StaticText2", New<fw::Label>());
    fw::SetProperties(*controlAs<fw::Label>("StaticText2"), about::kStaticText2Record);
    controlAs<fw::Label>("StaticText2")->MouseEnter.bind([this](fw::Label& l) { StaticText2_MouseEnter(l); });
    controlAs<fw::Label>("StaticText2")->MouseExit.bind([this](fw::Label& l) { StaticText2_MouseExit(l); });
    controlAs<fw::Label>("StaticText2")->MouseDown.bind(
        [this](fw::Label& l, std::int64_t x, std::int64_t y) { return StaticText2_MouseDown(l, x, y); });
    controlAs<fw::Label>("StaticText2")->MouseUp.bind(
        [this](fw::Label& l, std::int64_t x, std::int64_t y) { StaticText2_MouseUp(l, x, y); });

    AddControl("Canvas1", New<fw::Canvas>());
    controlAs<fw::Canvas>("Canvas1")->setBackdrop(Vumo2020());
    fw::SetProperties(*controlAs<fw::Canvas>("Canvas1"), about::kCanvas1Record);
    controlAs<fw::Canvas>("Canvas1")->MouseEnter.bind([this](fw::Canvas& c) { Canvas1_MouseEnter(c); });
    controlAs<fw::Canvas>("Canvas1")->MouseDown.bind(
        [this](fw::Canvas& c, std::int64_t x, std::int64_t y) { return Canvas1_MouseDown(c, x, y); });
    controlAs<fw::Canvas>("Canvas1")->MouseExit.bind([this](fw::Canvas& c) { Canvas1_MouseExit(c); });
    controlAs<fw::Canvas>("Canvas1")->MouseUp.bind(
        [this](fw::Canvas& c, std::int64_t x, std::int64_t y) { Canvas1_MouseUp(c, x, y); });
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
    return fw::RuntimeIsEventHandled(*this, "Window2.Window2", eventName, true);
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
    auto window = fw::GetImplicitWindow("Window2.Window2");
    if (!window) {
        auto created = std::make_shared<shell::Window2>();
        created->Constructor();
        window = created;
    }
    return fw::checkedCast<shell::Window2>(window, "Window2.Window2");
}
