// The desktop's own answers: Qt's modal dialogs, the system's URL handler, the toolkit's repaint.
#include "desktop.h"
#include "printer_setup_impl.h"

#include <framework/window.h>

#include <QDesktopServices>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace fw::desktop {

namespace {

QWidget* parentWidget(Window* parent)
{
    return parent ? parent->widget() : nullptr;
}

} // namespace

bool pageSetupDialog(PrinterSetup& setup, Window* parent)
{
    // The dialog works on a printer of its own, so a cancelled one leaves the setup as it was.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(setup.impl().layout);
    QPageSetupDialog dialog(&printer, parentWidget(parent));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setup.impl().layout = printer.pageLayout();
    return true;
}

bool printDialog(QPrinter& printer, const PrinterSetup*, Window* parent)
{
    QPrintDialog dialog(&printer, parentWidget(parent));
    return dialog.exec() == QDialog::Accepted;
}

void openUrl(std::string_view url)
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

void repaint(QWidget& widget)
{
    widget.update();
}

} // namespace fw::desktop
