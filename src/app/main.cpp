#include "core/Version.h"
#include "mainwindow/views/ZebSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeb"));
    QApplication::setApplicationVersion(QLatin1String(zeb::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ZEB, a simulator of a small stored-program computer for teaching."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A ZEB program (.ZEB) to open at start-up."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        fputs(qPrintable(QStringLiteral("zeb: one file at most\n\n") + parser.helpText()), stderr);
        return 2;
    }

    // Closing the main window ends the program through its own exit.
    QApplication::setQuitOnLastWindowClosed(false);
    zeb::views::ZebSession session;
    session.start();
    // The file opens once the window is up, as File > Open would open it.
    if (!files.isEmpty())
        QTimer::singleShot(0, &app,
                           [&session, file = files.front()] { session.openProgramFile(file); });
    return QApplication::exec();
}
