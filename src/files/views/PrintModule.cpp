// Printing in a library of its own: Qt Print Support, with CUPS and its
// libraries, is loaded the first time the student prints.
#include "files/views/ListingPrintSupport.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zeb::ListingPrint* zebCreateListingPrint() {
    return new zeb::ListingPrintSupport;
}
