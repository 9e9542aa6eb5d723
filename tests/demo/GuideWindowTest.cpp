#include "guide/views/GuideWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using zeb::guide::views::GuideWindow;

class GuideWindowTest : public QObject {
    Q_OBJECT

    template <typename W = QWidget> W* child(GuideWindow& w, const char* name) {
        W* c = w.findChild<W*>(QLatin1String(name));
        if (!c) qFatal("no control %s", name);
        return c;
    }

  private slots:
    // On every screen: all of it, buttons too, however large the pictures,
    // and each page's picture shown.
    void theWindowFitsTheScreen() {
        GuideWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen = w.screen()->availableGeometry();
        for (int i = 0; i < w.tour().size(); ++i) {
            QVERIFY2(screen.contains(w.frameGeometry()), qPrintable(QString::number(i)));
            QVERIFY(!child<QLabel>(w, "GuidePicture")->pixmap().isNull());
            for (const char* name : {"GuideBack", "GuideNext", "GuideClose", "GuideCaption"}) {
                QWidget* c = child(w, name);
                QVERIFY2(screen.contains(QRect(c->mapToGlobal(QPoint(0, 0)), c->size())), name);
            }
            QTest::keyClick(&w, Qt::Key_Right);
        }
    }

    void theKeyboardTurnsThePages() {
        GuideWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!child(w, "GuideBack")->isEnabled());
        const int last = w.tour().size() - 1;
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Right, 1},    {Qt::Key_PageDown, 2},
            {Qt::Key_Down, 3},     {Qt::Key_Left, 2},
            {Qt::Key_Up, 1},       {Qt::Key_PageUp, 0},
            {Qt::Key_Left, 0},     {Qt::Key_End, last},
            {Qt::Key_Right, last}, {Qt::Key_Backspace, last - 1},
            {Qt::Key_Home, 0}};
        for (const auto& [key, page] : keys) {
            QTest::keyClick(&w, key);
            QCOMPARE(w.tour().index(), page);
        }
        QVERIFY(!child(w, "GuideBack")->isEnabled());
        QVERIFY(child(w, "GuideNext")->isEnabled());
        QTest::keyClick(&w, Qt::Key_End);
        QVERIFY(!child(w, "GuideNext")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(GuideWindowTest)
#include "GuideWindowTest.moc"
