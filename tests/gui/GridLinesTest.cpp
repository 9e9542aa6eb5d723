// The lines between memory cells, as drawn at the scale the test runs at
// (see the ctest entries for the scales).
#include "SessionFixture.h"

#include <QImage>
#include <QtTest>

#include <cmath>

using namespace zeb;
using namespace zeb::test;

class GridLinesTest : public QObject, SessionFixture {
    Q_OBJECT

  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    void everyRowHasALineAbove() {
        QWidget* client = mainWindow().centralWidget();
        const QImage image = client->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (const char* kind : {"Operator", "Operand"})
            for (int a = 17; a < 32; ++a) {
                const QWidget* f = field(kind, a);
                const QPoint centre = f->geometry().center();
                const int x = static_cast<int>(centre.x() * scale);
                // Somewhere within a pixel of the cell's top edge, a line darker
                // than the grey of an empty cell.
                const int top = static_cast<int>(std::floor(f->y() * scale));
                bool line = false;
                for (int y = top - 1; y <= top + 1; ++y)
                    line = line || qGray(image.pixel(x, y)) < 150;
                QVERIFY2(line, qPrintable(QStringLiteral("%1 %2 at scale %3")
                                              .arg(QLatin1String(kind))
                                              .arg(a)
                                              .arg(scale)));
            }
    }
};

QTEST_MAIN(GridLinesTest)
#include "GridLinesTest.moc"
