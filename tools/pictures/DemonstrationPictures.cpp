// Sets ZEB up for a picture of the demonstration or of the help and waits,
// printing "ready" once the windows have settled; the picture is taken from
// outside (import -window root) and the program is then ended.
//   demonstration_pictures demonstration ENTRY
//   demonstration_pictures help-page KEYWORD
//   demonstration_pictures help-index KEYWORD
#include "demo/Demonstration.h"
#include "demo/views/DemonstrationWindow.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/ZebSession.h"

#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// The student's clicks, entry by entry, as far as the loop's run.
const char* const kClicks[] = {"CmdNext",   "CmdNext",    "clearicon",   "pads_1",     "Operand_0",
                               "pads_11",   "Operand_11", "pads_9",      "Operator_1", "pads_9",
                               "Operand_1", "pads_10",    "Operator_2",  "pads_12",    "Operator_3",
                               "pads_4",    "Operand_3",  "pads_12",     "Operator_4", "pads_7",
                               "Operand_4", "pads_1",     "Operator_10", "pads_0",     "Operand_12",
                               "pads_1",    "runicon",    "CmdNext",     "pciconl",    "CmdNext"};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEB"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: demonstration_pictures demonstration ENTRY | help-page "
                             "KEYWORD | help-index KEYWORD\n");
        return 2;
    }
    QTemporaryDir work;
    zeb::views::SessionOptions options;
    options.probeSound = false;
    options.help.workFolder = work.filePath(QStringLiteral("help"));
    zeb::views::ZebSession session(std::move(options));
    session.messageBoxes().setAnswerer([](zeb::Icon, zeb::Buttons, std::string_view,
                                          std::string_view) { return zeb::Answer::Ok; });
    session.start();
    if (!QTest::qWaitForWindowExposed(&session.mainWindow())) return 1;

    const QString mode = args[1];
    const QString what = args[2];
    if (mode == QLatin1String("demonstration")) {
        session.mainWindow().action(QStringLiteral("MnDemonstration"))->trigger();
        QTest::qWait(300);
        for (const char* name : kClicks) {
            if (session.demonstration().index() >= what.toInt()) break;
            auto* w = session.demonstrationWindow().findChild<QWidget*>(QLatin1String(name));
            if (!w) w = session.mainWindow().findChild<QWidget*>(QLatin1String(name));
            QTest::mouseClick(w, Qt::LeftButton);
            QTest::qWait(30);
        }
    } else if (mode == QLatin1String("help-page")) {
        session.help().showTopic(what.toStdString());
    } else if (mode == QLatin1String("help-index")) {
        session.help().searchKeyword(what.toStdString());
    } else {
        return 2;
    }
    QTimer::singleShot(1500, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
