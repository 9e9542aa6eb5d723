#include "machineview/views/ZoomedPlaces.h"

#include <algorithm>

namespace zeb::machineview::views {

void ZoomedPlaces::remember(QWidget* widget, Follow follow) {
    places_.push_back({widget, widget->geometry(), widget->font(), follow});
}

void ZoomedPlaces::apply(qreal zoom, int smallestTextPixels) const {
    const auto scaled = [zoom](int length) { return qRound(length * zoom); };
    for (const Place& place : places_) {
        QWidget* w = place.widget;
        if (!w) continue;
        QFont font = place.font;
        if (font.pixelSize() > 0)
            font.setPixelSize(std::max(smallestTextPixels, scaled(font.pixelSize())));
        w->setFont(font);
        const QRect& r = place.rect;
        switch (place.follow) {
        case Follow::Rectangle:
            // By its edges, so that rectangles that meet still meet.
            w->setGeometry(QRect(QPoint(scaled(r.left()), scaled(r.top())),
                                 QPoint(scaled(r.right() + 1) - 1, scaled(r.bottom() + 1) - 1)));
            break;
        case Follow::Centre:
            w->move(QPoint(scaled(r.center().x()), scaled(r.center().y())) -
                    QPoint(r.width() / 2, r.height() / 2));
            break;
        case Follow::Corner:
            w->move(scaled(r.x()), scaled(r.y()));
            w->adjustSize();
            break;
        }
    }
}

} // namespace zeb::machineview::views
