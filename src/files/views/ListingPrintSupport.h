#pragma once
#include "files/views/ListingPrint.h"

namespace zeb {

// The listing printed with Qt Print Support.
class ListingPrintSupport : public ListingPrint {
  public:
    std::shared_ptr<QPrinter> makePrinter() override;
    bool printDialog(QPrinter& printer, QWidget* parent) override;
    int copies(const QPrinter& printer) override;
    int printCopies(QPrinter& printer, int copies, const std::vector<std::string>& lines,
                    const Font& font, QString* error) override;
};

} // namespace zeb
