#pragma once
#include <QPointF>
#include <QRectF>

class QPainter;

namespace zeb::ui {

enum class GateShape { And, Or, Not };

// The distinctive-shape gate symbols, pointing right, drawn to fill a box.
// The body is filled white and has no leads of its own: wires are drawn first
// and run into the box up to the pins, which lie inside the body, so every
// wire meets the body in its own colour.
namespace GatePainter {

void paint(QPainter& painter, GateShape shape, const QRectF& box);
// Input 0 is the upper one, at a quarter of the height; a NOT gate has only input 0.
QPointF inputPin(GateShape shape, const QRectF& box, int index);
QPointF outputPin(const QRectF& box);

} // namespace GatePainter

} // namespace zeb::ui
