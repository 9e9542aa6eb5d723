#pragma once
#include <QList>
#include <QPoint>
#include <QRect>

namespace zeb::ui {

// Where a window of `wanted`'s size goes when it must not cover any of
// `keepClear`: the nearest place to `wanted` on `screen` that covers none of
// them; where there is none, the place that covers the least of them.
QPoint clearPlacement(const QRect& wanted, const QRect& screen, const QList<QRect>& keepClear);

// The same for what to keep clear in order of importance: the place that
// covers the least of the first list, then of the next, and so on, and of
// those the nearest to `wanted`.
QPoint clearPlacement(const QRect& wanted, const QRect& screen, const QList<QList<QRect>>& inOrder);

// Whether a window at `window` leaves all of `keepClear` in sight.
bool coversNone(const QRect& window, const QList<QRect>& keepClear);

} // namespace zeb::ui
