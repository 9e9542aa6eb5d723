#include "ui/CentreForm.h"

#include "ui/CentreFormPosition.h"
#include "ui/ClearPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

void centreFormClearOf(QWidget* window, int vertical, int horizontal,
                       const QList<QList<QRect>>& inOrder) {
    centreForm(window, vertical, horizontal);
    QScreen* screen = screenOf(window);
    if (!screen) return;
    const QRect wanted(window->pos(), window->size().grownBy(frameMargins(window)));
    window->move(clearPlacement(wanted, screen->geometry(), inOrder));
}

bool placeBeside(QWidget* window, const QRect& other, int minimumWidth) {
    constexpr int kGap = 8;
    QScreen* screen = screenOf(window);
    if (!screen) return false;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(window);
    const int frameWidth = frame.left() + frame.right(), frameHeight = frame.top() + frame.bottom();
    const int leftRoom = other.left() - area.left() - kGap;
    const int rightRoom = area.left() + area.width() - (other.left() + other.width()) - kGap;
    const bool left = leftRoom > rightRoom;
    const int room = std::max(leftRoom, rightRoom) - frameWidth;
    if (room < minimumWidth) return false;
    const QSize size(std::min(window->width(), room),
                     std::min(window->height(), area.height() - frameHeight));
    window->resize(size);
    const int x = left ? other.left() - kGap - (size.width() + frameWidth)
                       : other.left() + other.width() + kGap;
    const int y = std::clamp(other.top(), area.top(),
                             area.top() + area.height() - (size.height() + frameHeight));
    window->move(x, y);
    return true;
}

void moveClearOf(QWidget* window, const QList<QRect>& keepClear) {
    QScreen* screen = screenOf(window);
    if (!screen) return;
    const QRect now(window->pos(), window->size().grownBy(frameMargins(window)));
    if (coversNone(now, keepClear)) return;
    window->move(clearPlacement(now, screen->availableGeometry(), keepClear));
}

} // namespace zeb::ui
