// Printing: a page setup, and the print dialog that gives the surface of the page to print.
#pragma once

#include <framework/graphics.h>

#include <memory>
#include <string>

namespace fw {

class Window;

class PrinterSetup {
public:
    PrinterSetup(); // the framework's default setup
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Shows the page-setup dialog; true when the user confirmed it, which keeps the choices here.
    bool PageSetupDialog(Window* parent = nullptr);
    // The setup as text: paper, orientation and margins.
    std::string Settings() const;
    // The page's orientation, as the page-setup dialog chooses it.
    bool Landscape() const;
    void setLandscape(bool landscape);

    struct Impl;
    Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

// Shows the print dialog for setup (the default setup when nullptr). Returns the surface of the one
// page to print, or nullptr when cancelled; the page is output when the surface is released. The
// page shows a canvas's drawing of drawingWidth x drawingHeight canvas pixels as the canvas does:
// the surface draws in canvas pixels, one printed as 1/96 inch, with the drawing's top left at
// (0, 0) and the drawing in the middle of the printable area, framed by a thin grey line; nothing is
// drawn outside the drawing's area. A drawing larger than the printable area is printed smaller.
std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, double drawingWidth,
                                            double drawingHeight);

} // namespace fw
