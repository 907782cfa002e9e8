// The toolkit side of a printer setup: the page layout it keeps.
#pragma once

#include <framework/printing.h>

#include <QPageLayout>

struct fw::PrinterSetup::Impl {
    QPageLayout layout;
};
