#include "ui/DiagramFrame.h"

#include <QPainter>

namespace zeb::ui {

DiagramFrame::DiagramFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void DiagramFrame::addWire(WireLine wire) {
    wires_.append(std::move(wire));
    update();
}

void DiagramFrame::setWirePen(const QString& name, const QColor& colour, int width) {
    for (WireLine& w : wires_) {
        if (w.name == name && (w.colour != colour || w.width != width)) {
            w.colour = colour;
            w.width = width;
            update();
        }
    }
}

void DiagramFrame::setWirePaths(const QString& name, const QList<QPolygon>& paths,
                                const QList<QPoint>& dots) {
    for (WireLine& w : wires_) {
        if (w.name == name && (w.paths != paths || w.dots != dots)) {
            w.paths = paths;
            w.dots = dots;
            update();
        }
    }
}

const WireLine* DiagramFrame::wire(const QString& name) const {
    for (const WireLine& w : wires_)
        if (w.name == name) return &w;
    return nullptr;
}

void DiagramFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    for (const WireLine& w : wires_)
        w.paint(painter);
}

} // namespace zeb::ui
