#include "core/Version.h"
#include "mainwindow/views/ZebSession.h"
#include "ui/DeferredIconStyle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("ZEB, a simulator of a small stored-program computer for teaching."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A ZEB program (.ZEB) to open at start-up."),
                                 QStringLiteral("[FILE]"));
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("zeb"));
    QCoreApplication::setApplicationVersion(QLatin1String(zeb::kVersion));
}

// --help and --version answer before any window exists, so without a
// display too; they end the program.
void answerWithoutDisplay(int argc, char* argv[]) {
    // Without arguments there is nothing to answer: no application is made
    // and thrown away before the real one.
    if (argc < 2) return;
    QCoreApplication app(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    describe(parser);
    // The display's own options (-platform, -display) are not known here:
    // anything else is judged once the display is open.
    if (!parser.parse(QCoreApplication::arguments())) return;
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp();
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

} // namespace

int main(int argc, char* argv[]) {
    answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    // Before the first window; the style the platform or -style chose.
    QApplication::setStyle(new zeb::ui::DeferredIconStyle(QApplication::style()->name()));
    nameApplication();

    QCommandLineParser parser;
    describe(parser);
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
