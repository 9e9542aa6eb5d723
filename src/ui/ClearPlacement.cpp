#include "ui/ClearPlacement.h"

#include <algorithm>
#include <cstdint>
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

QPoint clearPlacement(const QRect& wanted, const QRect& screen, const QList<QRect>& keepClear) {
    return clearPlacement(wanted, screen, QList<QList<QRect>>{keepClear});
}

QPoint clearPlacement(const QRect& wanted, const QRect& screen,
                      const QList<QList<QRect>>& inOrder) {
    // A little space around what must stay in sight, so that frames that come
    // out a pixel or two larger than expected still leave it clear.
    QList<QList<QRect>> tiers;
    QList<QRect> all;
    for (const QList<QRect>& tier : inOrder) {
        QList<QRect> grown;
        for (const QRect& k : tier)
            grown.append(k.adjusted(-kMargin, -kMargin, kMargin, kMargin));
        tiers.append(grown);
        all.append(grown);
    }
    const std::vector<int> xs = candidates(wanted.left(), wanted.width(), screen.left(),
                                           screen.left() + screen.width(), all, true);
    const std::vector<int> ys = candidates(wanted.top(), wanted.height(), screen.top(),
                                           screen.top() + screen.height(), all, false);
    // What each place covers of each list in turn, then its distance:
    // compared in that order.
    using Cost = std::vector<std::int64_t>;
    QPoint best = wanted.topLeft();
    Cost bestCost;
    for (int x : xs)
        for (int y : ys) {
            const QRect r(QPoint(x, y), wanted.size());
            Cost cost;
            for (const QList<QRect>& tier : tiers)
                cost.push_back(coveredArea(r, tier));
            const std::int64_t dx = x - wanted.left(), dy = y - wanted.top();
            cost.push_back(dx * dx + dy * dy);
            if (bestCost.empty() || cost < bestCost) {
                best = {x, y};
                bestCost = std::move(cost);
            }
        }
    return best;
}

bool coversNone(const QRect& window, const QList<QRect>& keepClear) {
    return coveredArea(window, keepClear) == 0;
}

} // namespace zeb::ui
