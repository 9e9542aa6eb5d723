#include "ui/CentreForm.h"

#include "mainwindow/CentreFormPosition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zeb::ui {

void CentreForm(QWidget* form, int vertical, int horizontal) {
    QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = form->isVisible() ? form->frameGeometry().size() : form->size();
    const FormPosition p = CentreFormPosition(area.width(), area.height(), size.width(),
                                              size.height(), vertical, horizontal);
    form->move(area.left() + p.left, area.top() + p.top);
}

} // namespace zeb::ui
