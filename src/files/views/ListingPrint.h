#pragma once
#include "core/Font.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace zeb {

// What printing the listing asks of Qt Print Support, which is loaded the
// first time the student prints.
class ListingPrint {
  public:
    virtual ~ListingPrint() = default;

    // A printer for one copy at high resolution.
    virtual std::shared_ptr<QPrinter> makePrinter() = 0;
    // The platform's print dialog sets the printer up, copies included;
    // false on Cancel.
    virtual bool printDialog(QPrinter& printer, QWidget* parent) = 0;
    // The copies the printer was set up for.
    virtual int copies(const QPrinter& printer) = 0;
    // Each copy a job of its own; how many were printed, and why not all.
    virtual int printCopies(QPrinter& printer, int copies, const std::vector<std::string>& lines,
                            const Font& font, QString* error) = 0;
};

} // namespace zeb
