#include "demo/views/DemonstrationWindow.h"
#include "../core/TestHost.h"
#include "demo/Demonstration.h"
#include "help/HelpViewer.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using namespace zeb;
using zeb::demo::views::DemonstrationWindow;

namespace {

struct RecordingHelp : HelpViewer {
    void contents() override { calls << QStringLiteral("contents"); }
    void showTopic(std::string_view k) override {
        calls << QStringLiteral("topic:") + QString::fromUtf8(k.data(), k.size());
    }
    void searchKeyword(std::string_view) override {}
    void helpOnHelp() override {}
    void startGuide() override {}
    QStringList calls;
};

int px(int twips) {
    return ui::twipsToPixels(twips);
}

} // namespace

class DemonstrationWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestHost> host;
    std::unique_ptr<Zeb> zeb;
    std::unique_ptr<RecordingHelp> help;
    std::unique_ptr<Demonstration> demo;
    std::unique_ptr<DemonstrationWindow> window;

    template <typename W = QWidget> W* child(const char* name) {
        W* w = window->findChild<W*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString message() { return child<QPlainTextEdit>("TxtDemo")->toPlainText(); }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }

  private slots:
    void init() {
        host = std::make_unique<test::TestHost>();
        zeb = std::make_unique<Zeb>(*host);
        zeb->machine.startUp();
        help = std::make_unique<RecordingHelp>();
        demo = std::make_unique<Demonstration>(zeb->machine, zeb->run, *help);
        window = std::make_unique<DemonstrationWindow>(*demo);
        demo->setView(window.get());
    }
    void cleanup() {
        window.reset();
        demo.reset();
    }

    void startsLowOnTheLeftOfTheScreen() {
        const QRect screen = window->screen()->geometry();
        QVERIFY(screen.contains(window->frameGeometry()));
        QVERIFY(window->geometry().center().x() < screen.center().x());
        QVERIFY(window->geometry().center().y() > screen.center().y());
    }

    void showsEachMessageWithItsLineBreaksAndNextOnlyWhereItIsEnabled() {
        demo->start();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(message().startsWith(QStringLiteral(
            "Please note that you may need to use the scroll bar on the right to see all of a "
            "message.\nYou may resize and reposition this window. \nThe last line")));
        QVERIFY(message().endsWith(QStringLiteral("next message.\n\n[message ends]")));
        QVERIFY(!message().contains(QLatin1Char('\r')));
        QVERIFY(child<QPushButton>("CmdNext")->isEnabled());
        click("CmdNext");
        QCOMPARE(demo->index(), 2);
        QVERIFY(message().startsWith(QStringLiteral("If you haven't already done so")));
        click("CmdNext");
        QCOMPARE(demo->index(), 3);
        QVERIFY(message().startsWith(QStringLiteral("As a precaution")));
        QVERIFY(!child<QPushButton>("CmdNext")->isEnabled());
        click("CmdNext");
        QCOMPARE(demo->index(), 3);
    }

    void typingIntoTheMessageChangesNothing() {
        demo->start();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* text = child<QPlainTextEdit>("TxtDemo");
        const QString before = text->toPlainText();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("abc 123"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), before);
    }

    void resizingLaysOutTheControlsFromTheInnerSize() {
        demo->start();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (const QSize size : {QSize(600, 400), QSize(450, 300), QSize(800, 260)}) {
            window->resize(size);
            const int w = window->width(), h = window->height();
            QCOMPARE(w, size.width());
            QCOMPARE(child("TxtDemo")->geometry(), QRect(0, 0, w - px(150), h - px(1000)));
            QCOMPARE(child("Label1")->y(), h - px(1000));
            QCOMPARE(child("CmdHelp")->pos(), QPoint(w - px(3100), h - px(800)));
            QCOMPARE(child("CmdNext")->pos(), QPoint(w - px(2100), h - px(800)));
            QCOMPARE(child("Command2")->pos(), QPoint(w - px(1100), h - px(800)));
        }
        window->resize(50, 40);
        QCOMPARE(window->size(), QSize(px(3000), px(2000)));
    }

    void helpAsksForTheContentsThenForTheEntrysTopic() {
        demo->start();
        click("CmdHelp");
        click("CmdNext");
        click("CmdNext");
        click("CmdHelp");
        QCOMPARE(help->calls, QStringList({QStringLiteral("contents"),
                                           QStringLiteral("topic:Clearing memory")}));
    }

    void cancelAndTheCloseBoxEndTheDemonstration() {
        for (const bool closeBox : {false, true}) {
            demo->start();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QVERIFY(!zeb->display.get(Flag::MenusEnabled));
            if (closeBox)
                window->close();
            else
                click("Command2");
            QVERIFY(!window->isVisible());
            QVERIFY(!demo->running());
            QVERIFY(zeb->display.get(Flag::MenusEnabled));
        }
    }

    void comesOnTopWhenActivatedAndLeavesTheTopWithoutMoving() {
        demo->start();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->isOnTop());
        const QRect where = window->geometry();
        window->setOnTop(false);
        QVERIFY(!window->isOnTop());
        QVERIFY(window->isVisible());
        QCOMPARE(window->geometry(), where);
        QVERIFY(!window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
        QVERIFY(!window->isOnTop());
        window->activateWindow();
        QTRY_VERIFY(window->isOnTop());
        QVERIFY(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window->geometry(), where);
    }
};

QTEST_MAIN(DemonstrationWindowTest)
#include "DemonstrationWindowTest.moc"
