#include "files/views/ListingPrinter.h"

#include "core/views/FontConversion.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace zeb {

namespace {
QFont listingFont(const Font& chosen) {
    QFont font = core::views::toQFont(chosen, 10);
    // A listing of columns needs a fixed pitch when the named face is missing.
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
} // namespace

bool ListingPrinter::printListing(QPrinter& printer, const std::vector<std::string>& lines,
                                  const Font& font, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = QStringLiteral("The printer could not be opened");
        return false;
    }
    painter.setFont(listingFont(font));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal lineHeight = metrics.lineSpacing();
    // A little in from the printable area's edges.
    const qreal left = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    qreal y = metrics.ascent();
    for (const std::string& line : lines) {
        if (y + metrics.descent() > page.height()) {
            if (!printer.newPage()) {
                painter.end();
                if (error) *error = QStringLiteral("The printer refused a new page");
                return false;
            }
            y = metrics.ascent();
        }
        painter.drawText(QPointF(left, y), QString::fromLatin1(line.c_str()));
        y += lineHeight;
    }
    if (!painter.end()) {
        if (error) *error = QStringLiteral("The document could not be finished");
        return false;
    }
    if (printer.printerState() == QPrinter::Error) {
        if (error) *error = QStringLiteral("The printer reported an error");
        return false;
    }
    return true;
}

QString ListingPrinter::copyFileName(const QString& name, int copy) {
    if (copy <= 1) return name;
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return info.dir().filePath(
        QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(copy).arg(suffix));
}

int ListingPrinter::printCopies(QPrinter& printer, int copies,
                                const std::vector<std::string>& lines, const Font& font,
                                QString* error) {
    const QString file = printer.outputFileName();
    printer.setCopyCount(1);
    int printed = 0;
    for (int copy = 1; copy <= copies; ++copy) {
        if (!file.isEmpty()) printer.setOutputFileName(copyFileName(file, copy));
        if (!printListing(printer, lines, font, error)) break;
        ++printed;
    }
    if (!file.isEmpty()) printer.setOutputFileName(file);
    return printed;
}

} // namespace zeb
