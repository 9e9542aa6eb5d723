#include "mainwindow/views/ZebSession.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEB"));
    QApplication::setApplicationVersion(QStringLiteral("2.7"));
    // Closing the main window ends the program through its own exit.
    QApplication::setQuitOnLastWindowClosed(false);
    zeb::views::ZebSession session;
    session.Start();
    return QApplication::exec();
}
