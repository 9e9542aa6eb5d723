#pragma once
#include "core/Machine.h"
#include "files/Listing.h"

#include <QFont>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zeb {

// File > Printer Fonts and File > Print.
class PrintCommands {
  public:
    // The platform dialogs, replaceable so that tests never wait on one.
    // The print dialog sets up the printer (copies included); false on Cancel.
    std::function<bool(QPrinter&)> printDialog;
    // The font dialog primed with a font; nothing on Cancel.
    std::function<std::optional<QFont>(const QFont&)> fontDialog;

    PrintCommands(Machine& machine, Font& font, QWidget* parent);

    // File > Printer Fonts.
    void choosePrinterFont();
    // File > Print.
    void print();
    // The copies the dialog asked for, each a job of its own.
    void printCopies(QPrinter& printer);

  private:
    Machine& machine_;
    Font& font_;
    QWidget* parent_;
};

} // namespace zeb
