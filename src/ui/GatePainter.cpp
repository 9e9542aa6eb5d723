#include "ui/GatePainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zeb::ui::GatePainter {

namespace {

constexpr qreal kLead = 0.18; // share of the width taken by each lead

struct Body {
    qreal left, right, top, bottom;
    qreal midY() const { return (top + bottom) / 2; }
};

Body bodyOf(const QRectF& box) {
    const qreal lead = box.width() * kLead;
    const qreal pad = std::max<qreal>(1.5, box.height() * 0.04);
    return {box.left() + lead, box.right() - lead, box.top() + pad, box.bottom() - pad};
}

QPainterPath outline(GateShape shape, const Body& b) {
    QPainterPath path;
    const qreal w = b.right - b.left;
    const qreal h = b.bottom - b.top;
    switch (shape) {
    case GateShape::And: {
        const qreal radius = std::min(h / 2, w);
        path.moveTo(b.left, b.top);
        path.lineTo(b.right - radius, b.top);
        path.arcTo(QRectF(b.right - 2 * radius, b.midY() - h / 2, 2 * radius, h), 90, -180);
        path.lineTo(b.left, b.bottom);
        path.closeSubpath();
        break;
    }
    case GateShape::Or:
        path.moveTo(b.left, b.top);
        path.quadTo(b.left + w * 0.65, b.top, b.right, b.midY());
        path.quadTo(b.left + w * 0.65, b.bottom, b.left, b.bottom);
        path.quadTo(b.left + w * 0.6, b.midY(), b.left, b.top);
        break;
    case GateShape::Not: {
        const qreal bubble = std::min(h, w) * 0.13;
        path.moveTo(b.left, b.top);
        path.lineTo(b.right - 2 * bubble, b.midY());
        path.lineTo(b.left, b.bottom);
        path.closeSubpath();
        path.addEllipse(QPointF(b.right - bubble, b.midY()), bubble, bubble);
        break;
    }
    }
    return path;
}

} // namespace

QPointF inputPin(GateShape shape, const QRectF& box, int index) {
    const qreal y = shape == GateShape::Not ? box.center().y()
                                            : box.top() + box.height() * (index == 0 ? 0.25 : 0.75);
    return {box.center().x(), y};
}

QPointF outputPin(const QRectF& box) {
    return box.center();
}

void paint(QPainter& painter, GateShape shape, const QRectF& box) {
    const qreal pen = std::clamp(box.height() / 24, 1.5, 2.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(outline(shape, bodyOf(box)));
    painter.restore();
}

} // namespace zeb::ui::GatePainter
