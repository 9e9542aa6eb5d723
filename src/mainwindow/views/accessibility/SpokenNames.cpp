#include "mainwindow/views/accessibility/SpokenNames.h"

#include <QLabel>
#include <QSlider>

namespace zeb::views {

void nameSpeedSetting(QSlider* slider, int value) {
    slider->setAccessibleName(QStringLiteral("Speed %1 of %2").arg(value).arg(slider->maximum()));
}

void showStatusText(QLabel* statusBar, const QString& text) {
    statusBar->setText(text);
    statusBar->setAccessibleName(text.isEmpty() ? QStringLiteral("Status bar")
                                                : QStringLiteral("Status: %1").arg(text));
    statusBar->setAccessibleDescription(text);
}

} // namespace zeb::views
