#include "ui/SmallWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace zeb::ui {

void makeSmallFixedWindow(QWidget* window) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowStaysOnTopHint,
                  window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->setWindowFlags(flags);
    // Title bars use a bold font and put an icon and their buttons beside the
    // caption; some window managers show minimise and maximise all the same.
    // Room for them is about twelve lines' height.
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const QFontMetrics metrics(title);
    const int captionWidth =
        metrics.horizontalAdvance(window->windowTitle()) + 12 * metrics.height();
    window->adjustSize();
    const QSize hint = window->sizeHint().expandedTo(window->minimumSizeHint());
    window->setFixedSize(std::max(hint.width(), captionWidth), hint.height());
}

} // namespace zeb::ui
