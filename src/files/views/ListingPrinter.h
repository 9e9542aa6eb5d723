#pragma once
#include "files/Listing.h"

#include <QString>

#include <string>
#include <vector>

class QPrinter;

namespace zeb {

// Puts the listing on paper (or into a PDF file) in the printer font.
class ListingPrinter {
  public:
    // One copy as one job. False, with the reason, when it could not be printed.
    static bool printListing(QPrinter& printer, const std::vector<std::string>& lines,
                             const Font& font, QString* error);

    // Each copy is a separate job. Copies printed into a PDF file go to files
    // of their own ("name.pdf", "name (2).pdf", ...) so none overwrites another.
    // Returns how many copies were printed; stops at the first failure.
    static int printCopies(QPrinter& printer, int copies, const std::vector<std::string>& lines,
                           const Font& font, QString* error);

    // The name of the k-th copy's file when printing into a file.
    static QString copyFileName(const QString& name, int copy);
};

} // namespace zeb
