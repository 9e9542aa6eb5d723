#include "files/views/PrintCommands.h"

#include "core/views/FontConversion.h"

#include <QFontDialog>

namespace zeb {

namespace {
using CreateListingPrint = ListingPrint* (*)();
} // namespace

PrintCommands::PrintCommands(Machine& machine, Font& font, QWidget* parent)
    : machine_(machine), font_(font), parent_(parent),
      library_(QStringLiteral("zeb_print_module")) {
    fontDialog = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font =
            QFontDialog::getFont(&ok, initial, parent_, QStringLiteral("Printer Fonts"));
        if (!ok) return std::nullopt;
        return font;
    };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::choosePrinterFont() {
    // The dialog opens on the memory font's name, not the printer font's.
    const Preferences& p = machine_.preferences();
    QFont initial(QString::fromStdString(p.memoryFont.name));
    initial.setPointSizeF(p.memoryFont.size);
    const std::optional<QFont> chosen = fontDialog(initial);
    if (chosen) font_ = core::views::fromQFont(*chosen);
}

ListingPrint* PrintCommands::listingPrint() {
    if (print_) return print_.get();
    const auto create =
        reinterpret_cast<CreateListingPrint>(library_.resolve("zebCreateListingPrint"));
    if (!create) {
        machine_.report("Failed to print.", library_.error().toStdString());
        return nullptr;
    }
    print_.reset(create());
    return print_.get();
}

void PrintCommands::print() {
    ListingPrint* paper = listingPrint();
    if (!paper) return;
    const std::shared_ptr<QPrinter> printer = paper->makePrinter();
    const bool accepted =
        printDialog ? printDialog(*printer) : paper->printDialog(*printer, parent_);
    if (!accepted) return;
    // Qt may take the copy count as collated copies inside one job; each copy
    // is a separate job here.
    const int copies = std::max(1, paper->copies(*printer));
    QString error;
    int printed = 0;
    {
        BusyPointer busy(machine_.display());
        const auto lines = Listing::lines(machine_, Listing::today());
        printed = paper->printCopies(*printer, copies, lines, font_, &error);
    }
    if (printed < copies) machine_.report("Failed to print.", error.toStdString());
}

} // namespace zeb
