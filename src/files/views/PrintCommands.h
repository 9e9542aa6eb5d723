#pragma once
#include "core/Machine.h"
#include "files/Listing.h"
#include "files/views/ListingPrint.h"
#include "ui/ModuleLibrary.h"

#include <QFont>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace zeb {

// File > Printer Fonts and File > Print.
class PrintCommands {
  public:
    // The platform dialogs, replaceable so that tests never wait on one.
    // The print dialog sets up the printer (copies included); false on
    // Cancel. Unset, the platform's.
    std::function<bool(QPrinter&)> printDialog;
    // The font dialog primed with a font; nothing on Cancel.
    std::function<std::optional<QFont>(const QFont&)> fontDialog;

    PrintCommands(Machine& machine, Font& font, QWidget* parent);
    ~PrintCommands();

    // File > Printer Fonts.
    void choosePrinterFont();
    // File > Print: the copies the dialog asked for, each a job of its own.
    void print();

  private:
    // Null, once reported, when printing could not be loaded.
    ListingPrint* listingPrint();

    Machine& machine_;
    Font& font_;
    QWidget* parent_;
    ui::ModuleLibrary library_;
    std::unique_ptr<ListingPrint> print_;
};

} // namespace zeb
