// Page setup and printing: the page layout a setup keeps, and the surface of the page to print.
#include "desktop.h"
#include "painter_graphics.h"
#include "printer_setup_impl.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QtDebug>

#include <sstream>

namespace fw {

namespace {

// One printed unit is one canvas pixel at the screen's nominal 96 per inch.
constexpr double kCanvasPixelsPerInch = 96.0;

} // namespace

PrinterSetup::PrinterSetup() : impl_(std::make_unique<Impl>())
{
    // The system's default paper for this locale and printer.
    impl_->layout = QPrinter(QPrinter::HighResolution).pageLayout();
}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* parent)
{
    return desktop::pageSetupDialog(*this, parent);
}

std::string PrinterSetup::Settings() const
{
    const auto& layout = impl_->layout;
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    std::ostringstream text;
    text << layout.pageSize().name().toStdString() << ", "
         << (layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait") << ", margins "
         << margins.left() << " " << margins.top() << " " << margins.right() << " " << margins.bottom() << " mm";
    return text.str();
}

bool PrinterSetup::Landscape() const
{
    return impl_->layout.orientation() == QPageLayout::Landscape;
}

void PrinterSetup::setLandscape(bool landscape)
{
    impl_->layout.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    if (setup)
        printer->setPageLayout(setup->impl().layout);
    if (!desktop::printDialog(*printer, setup, parent))
        return nullptr;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get())) {
        qWarning() << "The printer could not start the page; nothing was printed.";
        return nullptr;
    }
    // Canvas pixels from the top left of the printable area, at 1/96 inch each.
    const double scale = printer->resolution() / kCanvasPixelsPerInch;
    painter->scale(scale, scale);
    return std::make_unique<PainterGraphics>(std::move(painter), std::move(printer));
}

} // namespace fw
