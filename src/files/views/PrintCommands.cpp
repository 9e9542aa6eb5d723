#include "files/views/PrintCommands.h"

#include "core/views/FontConversion.h"

#include "files/views/ListingPrinter.h"

#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace zeb {

PrintCommands::PrintCommands(Machine& machine, Font& font, QWidget* parent)
    : machine_(machine), font_(font), parent_(parent) {
    printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent_);
        return dialog.exec() == QDialog::Accepted;
    };
    fontDialog = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font =
            QFontDialog::getFont(&ok, initial, parent_, QStringLiteral("Printer Fonts"));
        if (!ok) return std::nullopt;
        return font;
    };
}

void PrintCommands::choosePrinterFont() {
    // The dialog opens on the memory font's name, not the printer font's.
    const Preferences& p = machine_.preferences();
    QFont initial(QString::fromStdString(p.memoryFont.name));
    initial.setPointSizeF(p.memoryFont.size);
    const std::optional<QFont> chosen = fontDialog(initial);
    if (chosen) font_ = core::views::fromQFont(*chosen);
}

void PrintCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    if (!printDialog(printer)) return;
    printCopies(printer);
}

void PrintCommands::printCopies(QPrinter& printer) {
    // Qt may take the copy count as collated copies inside one job; each copy
    // is a separate job here.
    const int copies = std::max(1, printer.copyCount());
    QString error;
    int printed = 0;
    {
        BusyPointer busy(machine_.display());
        const auto lines = Listing::lines(machine_, Listing::today());
        printed = ListingPrinter::printCopies(printer, copies, lines, font_, &error);
    }
    if (printed < copies) machine_.report("Failed to print.", error.toStdString());
}

} // namespace zeb
