#pragma once
#include <QColor>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QString>

class QPainter;

namespace zeb::ui {

// One wire of a diagram: one or more joined runs of straight segments drawn in
// one colour and width, with dots where a branch joins. Coordinates are
// device-independent pixels of the widget that paints it.
struct WireLine {
    QString name;
    QList<QPolygon> paths;
    QList<QPoint> dots;
    QColor colour = Qt::black;
    int width = 2;

    void paint(QPainter& painter) const;
};

} // namespace zeb::ui
