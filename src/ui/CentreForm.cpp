#include "ui/CentreForm.h"

#include "ui/CentreFormPosition.h"
#include "ui/ClearPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zeb::ui {

namespace {

QScreen* screenOf(QWidget* window) {
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// The size with the window manager's frame; before the first showing the
// frame is not known and the bare size stands for it.
QSize frameSize(QWidget* window) {
    return window->isVisible() ? window->frameGeometry().size() : window->size();
}

// The frame the window manager gives; before the first showing it is not
// known and the frame of the window's owner stands for it.
QMargins frameMargins(const QWidget* window) {
    const QWidget* framed = window;
    if (!window->isVisible())
        framed = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!framed || !framed->isVisible()) return {};
    const QRect outer = framed->frameGeometry(), inner = framed->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

void centreForm(QWidget* window, int vertical, int horizontal) {
    QScreen* screen = screenOf(window);
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = frameSize(window);
    const FormPosition p = centreFormPosition(area.width(), area.height(), size.width(),
                                              size.height(), vertical, horizontal);
    window->move(area.left() + p.left, area.top() + p.top);
}

void centreFormClearOf(QWidget* window, int vertical, int horizontal, const QList<QRect>& mustShow,
                       const QList<QRect>& betterShown) {
    centreForm(window, vertical, horizontal);
    QScreen* screen = screenOf(window);
    if (!screen) return;
    const QRect wanted(window->pos(), window->size().grownBy(frameMargins(window)));
    const QList<QRect> all = mustShow + betterShown;
    const QPoint best = clearPlacement(wanted, screen->geometry(), all);
    if (coversNone(QRect(best, wanted.size()), all))
        window->move(best);
    else
        window->move(clearPlacement(wanted, screen->geometry(), mustShow));
}

} // namespace zeb::ui
