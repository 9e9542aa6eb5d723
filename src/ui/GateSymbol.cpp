#include "ui/GateSymbol.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeb::ui {

namespace {

QString shapeName(GateShape shape) {
    switch (shape) {
    case GateShape::And:
        return QStringLiteral("AND gate");
    case GateShape::Or:
        return QStringLiteral("OR gate");
    case GateShape::Not:
        return QStringLiteral("NOT gate");
    }
    return {};
}

} // namespace

GateSymbol::GateSymbol(GateShape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAccessibleName(shapeName(shape));
}

QPoint GateSymbol::inputPin(int index) const {
    return GatePainter::inputPin(shape_, QRectF(geometry()), index).toPoint();
}

QPoint GateSymbol::outputPin() const {
    return GatePainter::outputPin(QRectF(geometry())).toPoint();
}

void GateSymbol::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    GatePainter::paint(painter, shape_, QRectF(rect()));
}

void GateSymbol::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

} // namespace zeb::ui
