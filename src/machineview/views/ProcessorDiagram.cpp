#include "machineview/views/ProcessorDiagram.h"

#include "machineview/views/DiagramLayout.h"
#include "ui/ColourConversion.h"

#include <QPainter>
#include <QPainterPath>

namespace zeb::machineview::views {

namespace {
constexpr qreal kHopRadius = 6;
constexpr qreal kDotRadius = 3.5;
} // namespace

ProcessorDiagram::ProcessorDiagram(const MachineViewDisplay& display, QWidget* parent)
    : QWidget(parent), display_(display) {
    for (int wire = 1; wire <= kWireCount; ++wire) {
        auto* w = new QObject(this);
        w->setObjectName(QStringLiteral("Line%1").arg(wire));
        wires_[static_cast<std::size_t>(wire - 1)] = w;
    }
    refreshWires();
}

void ProcessorDiagram::refreshWires() {
    for (int wire = 1; wire <= kWireCount; ++wire) {
        const Wire& w = display_.wire(wire);
        QObject* o = wires_[static_cast<std::size_t>(wire - 1)];
        o->setProperty("colour", ui::toQColor(w.colour));
        o->setProperty("penWidth", w.width);
        o->setProperty("shown", w.visible && !layout::wireRoute(wire).points.isEmpty());
    }
    update();
}

void ProcessorDiagram::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

void ProcessorDiagram::paintWire(QPainter& painter, int wire) const {
    const Wire& w = display_.wire(wire);
    const layout::WireRoute& route = layout::wireRoute(wire);
    if (route.points.isEmpty()) return;
    QPainterPath path;
    path.moveTo(route.points.first());
    for (qsizetype i = 1; i < route.points.size(); ++i) {
        const QPointF to = route.points[i];
        if (route.hop) {
            // A vertical run that crosses another wire bows round it.
            const QPointF hop = *route.hop;
            const QPointF from = path.currentPosition();
            const qreal direction = to.y() < from.y() ? -1 : 1;
            path.lineTo(hop.x(), hop.y() - direction * kHopRadius);
            path.arcTo(
                QRectF(hop.x() - kHopRadius, hop.y() - kHopRadius, 2 * kHopRadius, 2 * kHopRadius),
                direction < 0 ? -90 : 90, direction < 0 ? 180 : -180);
        }
        path.lineTo(to);
    }
    painter.setPen(
        QPen(ui::toQColor(w.colour), w.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(path);
}

void ProcessorDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.scale(zoom_, zoom_);

    // The Bus's name along its trunk.
    p.save();
    QFont bus = font();
    bus.setPixelSize(13);
    bus.setBold(true);
    bus.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(bus);
    p.setPen(QColor(90, 90, 90));
    p.translate(layout::kBusX - 10, (layout::kCounterRow + layout::kAccumulatorRow) / 2);
    p.rotate(-90);
    p.drawText(QRectF(-60, -16, 120, 16), Qt::AlignCenter, QStringLiteral("BUS"));
    p.restore();

    // Dark wires first, then the junctions, then the lit path on top, so a
    // lit path is never cut by a dark wire that shares its ends.
    for (int wire = 1; wire <= kWireCount; ++wire)
        if (display_.wire(wire).visible && !display_.lit(wire)) paintWire(p, wire);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPoint& dot : layout::junctions())
        if (dot != QPoint(layout::kBusX, layout::kStackRow) || display_.stackPartsShown())
            p.drawEllipse(QPointF(dot), kDotRadius, kDotRadius);
    p.setBrush(Qt::NoBrush);
    for (int wire = 1; wire <= kWireCount; ++wire)
        if (display_.wire(wire).visible && display_.lit(wire)) paintWire(p, wire);
}

} // namespace zeb::machineview::views
