// An X client that takes the clipboard and then never answers a request for its contents, as a
// hung program does. It runs until it is ended.
#include <X11/Xlib.h>

#include <cstdio>

#include <unistd.h>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("cannot open the display\n", stderr);
        return 1;
    }
    const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    XSetSelectionOwner(display, clipboard, owner, CurrentTime);
    if (XGetSelectionOwner(display, clipboard) != owner) { // a round trip: the server has seen the claim
        std::fputs("could not take the clipboard\n", stderr);
        return 1;
    }
    // Its events are never read: each SelectionRequest waits in the queue for good.
    for (;;)
        pause();
}
