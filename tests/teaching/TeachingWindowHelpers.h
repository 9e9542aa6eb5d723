#pragma once
// Finding and clicking the controls of a teaching window by their object names.
#include "ui/DiagramFrame.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

#include <QtTest>

namespace zeb::teaching::views::test {

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    auto* widget = window->findChild<T*>(name);
    if (!widget) qFatal("no child %s", qPrintable(name));
    return widget;
}

inline QString caption(QWidget* window, const QString& name) {
    return child<ui::ValuePanel>(window, name)->caption();
}

inline void click(QWidget* window, const QString& name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

inline void clickNext(QWidget* window, int times = 1) {
    for (int i = 0; i < times; ++i)
        click(window, QStringLiteral("Command2"));
}

inline int highlightedRow(QWidget* window, const QString& grid) {
    return child<ui::TruthGrid>(window, grid)->highlightedRow();
}

inline const ui::WireLine& wire(QWidget* window, const QString& frame, const QString& name) {
    const ui::WireLine* line = child<ui::DiagramFrame>(window, frame)->wire(name);
    if (!line) qFatal("no wire %s", qPrintable(name));
    return *line;
}

inline QColor wireColour(QWidget* window, const QString& frame, const QString& name) {
    return wire(window, frame, name).colour;
}

// The object names of the frames among `frames` that are visible, joined by "+".
inline QString visibleFrames(QWidget* window, const QStringList& frames) {
    QStringList shown;
    for (const QString& name : frames)
        if (child(window, name)->isVisible()) shown << name;
    return shown.join(QLatin1Char('+'));
}

// What a window sees when the user comes back to it: the window system first
// reports the window that now has the focus (none while another application
// has it), then the window is activated.
inline void returnTo(QWidget* window, QWindow* comingFrom) {
    emit qGuiApp->focusWindowChanged(comingFrom);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

// Opens `window` twice over a main window moved into the screen's corner,
// the user moving it away in between: it must open centred on the screen both times.
inline void expectCentredAtEveryOpening(QWidget* window) {
    QWidget* mainWindow = window->parentWidget();
    QVERIFY(mainWindow);
    mainWindow->setGeometry(0, 0, 200, 150);
    mainWindow->show();
    const QRect screen = window->screen()->geometry();
    for (int opening = 1; opening <= 2; ++opening) {
        window->show();
        const QPoint offset = window->frameGeometry().center() - screen.center();
        // The placement rule works in tenths of the free space: a few pixels off the exact centre.
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3,
                 qPrintable(QStringLiteral("opening %1 is off centre by (%2, %3)")
                                .arg(opening)
                                .arg(offset.x())
                                .arg(offset.y())));
        window->move(screen.topLeft() + QPoint(20, 20));
        window->hide();
    }
}

inline void showActive(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace zeb::teaching::views::test
