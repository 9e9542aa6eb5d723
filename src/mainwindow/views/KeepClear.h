#pragma once
#include <QList>
#include <QRect>

namespace zeb::views {

// What a window placed beside others must leave in sight, in screen
// coordinates, the most important first: what must show, what had better
// show where there is room, and so on.
struct KeepClear {
    QList<QRect> mustShow;
    QList<QRect> betterShown;
    QList<QRect> ifRoom;
    QList<QRect> ifMuchRoom;

    QList<QList<QRect>> inOrder() const { return {mustShow, betterShown, ifRoom, ifMuchRoom}; }
};

} // namespace zeb::views
