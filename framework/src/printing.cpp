// Page setup and printing through Qt's dialogs, or through the stand-ins tests put in their place.
#include "painter_graphics.h"

#include <framework/printing.h>
#include <framework/window.h>

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtDebug>

#include <sstream>

namespace fw {

namespace {

// One printed unit is one canvas pixel at the screen's nominal 96 per inch.
constexpr double kCanvasPixelsPerInch = 96.0;

PrintDialogs& printDialogs()
{
    static PrintDialogs dialogs;
    return dialogs;
}

QWidget* parentWidget(Window* parent)
{
    return parent ? parent->widget() : nullptr;
}

} // namespace

struct PrinterSetup::Impl {
    QPageLayout layout;
};

PrinterSetup::PrinterSetup() : impl_(std::make_unique<Impl>())
{
    // The system's default paper for this locale and printer.
    impl_->layout = QPrinter(QPrinter::HighResolution).pageLayout();
}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* parent)
{
    // The dialog works on a copy, so a cancelled one leaves the setup as it was.
    if (printDialogs().pageSetup) {
        PrinterSetup choice;
        choice.impl_->layout = impl_->layout;
        if (!printDialogs().pageSetup(choice))
            return false;
        impl_->layout = choice.impl_->layout;
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(impl_->layout);
    QPageSetupDialog dialog(&printer, parentWidget(parent));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    impl_->layout = printer.pageLayout();
    return true;
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
    const QPageLayout layout = setup ? setup->impl().layout : printer->pageLayout();
    printer->setPageLayout(layout);
    if (printDialogs().print) {
        const auto file = printDialogs().print(setup);
        if (!file)
            return nullptr;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(file->string()));
        printer->setPageLayout(layout); // a change of output format may reset the paper
    } else {
        QPrintDialog dialog(printer.get(), parentWidget(parent));
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
    }
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

void setPrintDialogs(PrintDialogs dialogs)
{
    printDialogs() = std::move(dialogs);
}

} // namespace fw
