#pragma once
#include <QRectF>

class QPainter;

namespace zeb::views {

// Pictures drawn at any scale: the keypad's and the input window's delete
// arrow, and the printer at rest or printing.
void drawLeftArrow(QPainter& painter, const QRectF& box);
void drawPrinter(QPainter& painter, const QRectF& box, bool printing);

} // namespace zeb::views
