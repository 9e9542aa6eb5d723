#include "ui/ClearPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace zeb::ui {

namespace {

constexpr int kMargin = 4;

std::int64_t coveredArea(const QRect& window, const QList<QRect>& keepClear) {
    std::int64_t area = 0;
    for (const QRect& k : keepClear) {
        const QRect common = window.intersected(k);
        if (!common.isEmpty()) area += std::int64_t{common.width()} * common.height();
    }
    return area;
}

// The coordinates where a window edge may stand: where it wants to be, at the
// screen's edges, and just beside each rectangle to keep clear. The best place
// always has each of its edges on one of these.
std::vector<int> candidates(int wanted, int size, int screenStart, int screenEnd,
                            const QList<QRect>& keepClear, bool horizontal) {
    std::vector<int> out{wanted, screenStart, screenEnd - size};
    for (const QRect& k : keepClear) {
        const int start = horizontal ? k.left() : k.top();
        const int end = horizontal ? k.left() + k.width() : k.top() + k.height();
        out.push_back(end);
        out.push_back(start - size);
    }
    for (int& c : out)
        c = std::clamp(c, screenStart, std::max(screenStart, screenEnd - size));
    return out;
}

} // namespace

QPoint clearPlacement(const QRect& wanted, const QRect& screen, const QList<QRect>& keepClearOf) {
    // A little space around what must stay in sight, so that frames that come
    // out a pixel or two larger than expected still leave it clear.
    QList<QRect> keepClear;
    for (const QRect& k : keepClearOf)
        keepClear.append(k.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    const std::vector<int> xs = candidates(wanted.left(), wanted.width(), screen.left(),
                                           screen.left() + screen.width(), keepClear, true);
    const std::vector<int> ys = candidates(wanted.top(), wanted.height(), screen.top(),
                                           screen.top() + screen.height(), keepClear, false);
    QPoint best = wanted.topLeft();
    std::int64_t bestCovered = std::numeric_limits<std::int64_t>::max();
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (int x : xs)
        for (int y : ys) {
            const QRect r(QPoint(x, y), wanted.size());
            const std::int64_t covered = coveredArea(r, keepClear);
            const std::int64_t dx = x - wanted.left(), dy = y - wanted.top();
            const std::int64_t distance = dx * dx + dy * dy;
            if (covered < bestCovered || (covered == bestCovered && distance < bestDistance)) {
                best = {x, y};
                bestCovered = covered;
                bestDistance = distance;
            }
        }
    return best;
}

bool coversNone(const QRect& window, const QList<QRect>& keepClear) {
    return coveredArea(window, keepClear) == 0;
}

} // namespace zeb::ui
