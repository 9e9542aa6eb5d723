#include "files/views/ListingPrintSupport.h"

#include "files/views/ListingPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zeb {

std::shared_ptr<QPrinter> ListingPrintSupport::makePrinter() {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(1);
    return printer;
}

bool ListingPrintSupport::printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int ListingPrintSupport::copies(const QPrinter& printer) {
    return printer.copyCount();
}

int ListingPrintSupport::printCopies(QPrinter& printer, int copies,
                                     const std::vector<std::string>& lines, const Font& font,
                                     QString* error) {
    return ListingPrinter::printCopies(printer, copies, lines, font, error);
}

} // namespace zeb
