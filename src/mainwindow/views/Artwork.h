#pragma once
#include <QRectF>

class QPainter;

namespace zeb::views {

// Pictures drawn at any scale: the keypad's and the input window's delete
// arrow, and the printer at rest or printing.
void DrawLeftArrow(QPainter& painter, const QRectF& box);
void DrawPrinter(QPainter& painter, const QRectF& box, bool printing);

} // namespace zeb::views
