#pragma once
#include <QList>
#include <QRect>

namespace zeb::views {

// What a window placed beside others must leave in sight, in screen
// coordinates: what must show, and what had better show where there is room.
struct KeepClear {
    QList<QRect> mustShow;
    QList<QRect> betterShown;
};

} // namespace zeb::views
