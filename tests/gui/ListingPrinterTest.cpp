#include "files/views/ListingPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int pdfPages(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    return static_cast<int>(
        QString::fromLatin1(data).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

std::vector<std::string> longListing() {
    std::vector<std::string> lines = {"", "", "05-Dec-26 ZEB Printer output"};
    for (int a = 0; a < 80; ++a)
        lines.push_back(QString::asprintf("%02d|  1| 11", a).toStdString());
    for (int i = 0; i < 99; ++i)
        lines.push_back("OUTPUT:      9");
    lines.push_back("End of output");
    return lines;
}

} // namespace

// Where the copies go and a failing printer are the main window's test's part.
class ListingPrinterTest : public QObject {
    Q_OBJECT
  private slots:
    // A long listing runs onto more pages, each copy a job of its own; a
    // short one fits on one.
    void listingsArePagedAndCopiesAreSeparateJobs() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("listing.pdf"));
        QString error;
        QCOMPARE(zeb::ListingPrinter::printCopies(printer, 2, longListing(),
                                                  zeb::kListingFontAtStartUp, &error),
                 2);
        const int pages = pdfPages(dir.filePath("listing.pdf"));
        QVERIFY2(pages >= 2 && error.isEmpty(), qPrintable(QString::number(pages)));
        QCOMPARE(pdfPages(dir.filePath("listing (2).pdf")), pages);
        QCOMPARE(printer.outputFileName(), dir.filePath("listing.pdf"));
        printer.setOutputFileName(dir.filePath("one.pdf"));
        QVERIFY(zeb::ListingPrinter::printListing(printer, {"", "End of output"},
                                                  zeb::kListingFontAtStartUp, &error));
        QCOMPARE(pdfPages(dir.filePath("one.pdf")), 1);
    }
};

QTEST_MAIN(ListingPrinterTest)
#include "ListingPrinterTest.moc"
