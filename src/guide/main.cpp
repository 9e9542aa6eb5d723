// zeb-guide: an illustrated tour of ZEB's windows, started from ZEB's Help
// menu or on its own.
//   zeb-guide [--minimized]
#include "guide/views/GuideWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEB Guide"));
    zeb::guide::views::GuideWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--minimized")))
        window.showMinimized();
    else
        window.show();
    return QApplication::exec();
}
