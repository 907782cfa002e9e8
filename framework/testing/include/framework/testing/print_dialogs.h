// Stand-ins for the page-setup and print dialogs, so that tests never block on a modal dialog.
#pragma once

#include <framework/printing.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace fw {

struct PrintDialogs {
    // Answers the page-setup dialog, given a copy of the setup to choose on: true to confirm,
    // which keeps the copy's choices.
    std::function<bool(PrinterSetup& setup)> pageSetup;
    // Answers the print dialog for the given setup (nullptr: the default one): a PDF file to
    // print into, or nothing to cancel.
    std::function<std::optional<std::filesystem::path>(const PrinterSetup* setup)> print;
};
// Answers the dialogs until called again; a dialog without a stand-in is cancelled.
void setPrintDialogs(PrintDialogs dialogs);

namespace testing {

// What a user chooses in the page-setup dialog: the paper, its orientation and its margins in
// millimetres on the page as it lies.
struct PageChoice {
    enum class Paper { A4, Letter };
    Paper paper = Paper::A4;
    bool landscape = false;
    double leftMm = 10, topMm = 10, rightMm = 10, bottomMm = 10;
};
void choosePage(PrinterSetup& setup, const PageChoice& choice);

} // namespace testing

} // namespace fw
