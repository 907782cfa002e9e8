// The main window's Open, which starts the diagram engine, and its Close, which ends the program.
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/application.h>

namespace main_window {

void Window1::Event_Open()
{
    Globals::InitGlobals();
}

void Window1::Event_Close()
{
    fw::Quit(0);
}

} // namespace main_window
