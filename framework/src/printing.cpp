// Page setup and printing: the page layout a setup keeps, and the surface of the page to print.
#include "desktop.h"
#include "painter_graphics.h"
#include "printer_setup_impl.h"

#include <framework/page_fit.h>

#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QtDebug>

#include <sstream>

namespace fw {

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

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, double drawingWidth,
                                            double drawingHeight)
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
    // The painter starts at the printable area's top left, in printer dots.
    const QRectF printable = printer->pageRect(QPrinter::DevicePixel);
    const page::Placement at = page::placeDrawing(drawingWidth, drawingHeight, printable.width(), printable.height(),
                                                  printer->resolution());
    painter->translate(at.left, at.top);
    painter->scale(at.dotsPerPixel, at.dotsPerPixel);
    const QRectF drawing(0, 0, drawingWidth, drawingHeight);
    painter->setPen(QPen(QColor(128, 128, 128), 1.0));
    painter->drawRect(drawing.adjusted(-0.5, -0.5, 0.5, 0.5)); // a one-pixel line just outside
    painter->setClipRect(drawing);
    return std::make_unique<PainterGraphics>(std::move(painter), std::move(printer));
}

} // namespace fw
