#include "ui/CentreFormPosition.h"
#include "ui/ClearPlacement.h"

#include <gtest/gtest.h>

namespace zeb::ui {
namespace {

TEST(CentreFormPositionTest, PlacesAtTenthsOfTheFreeSpace) {
    struct Case {
        int vertical, horizontal;
        FormPosition expected;
    } cases[] = {
        {5, 5, {400, 200}},                       // centred: free space 800 x 400
        {0, 8, {640, 0}},                         // the top, eight tenths across
        {0, 0, {0, 0}},      {12, 5, {400, 400}}, // vertical clamped; horizontal as given
        {-3, 14, {1120, 0}}, {5, 14, {800, 200}}, {5, -2, {0, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vertical << "," << c.horizontal);
        EXPECT_EQ(centreFormPosition(1600, 1000, 800, 600, c.vertical, c.horizontal), c.expected);
    }
    // Free space is rounded: (1000 - 975) / 10 = 2.5 rounds to 2.
    EXPECT_EQ(centreFormPosition(1000, 1000, 975, 975, 1, 1), (FormPosition{2, 2}));
}

bool coversAny(const QRect& r, const QList<QRect>& keep) {
    for (const QRect& k : keep)
        if (r.intersects(k)) return true;
    return false;
}

// A window keeps 4 pixels from what it must leave in sight.
TEST(ClearPlacementTest, MovesTheLeastItTakesToCoverNothing) {
    const QRect screen(0, 0, 1000, 800);
    struct Case {
        const char* what;
        QRect wanted;
        QList<QRect> keep;
        QPoint expected;
    } cases[] = {
        {"nothing in the way stays", {100, 100, 200, 100}, {{500, 500, 100, 100}}, {100, 100}},
        {"overlap on the left moves right", {100, 100, 200, 100}, {{0, 0, 150, 400}}, {154, 100}},
        {"overlap at the top moves down", {300, 100, 200, 100}, {{0, 0, 1000, 130}}, {300, 134}},
        {"the screen's edge sends it the other way",
         {800, 100, 200, 100},
         {{750, 0, 250, 800}},
         {546, 100}},
        {"between two obstacles",
         {400, 300, 200, 100},
         {{0, 0, 450, 800}, {700, 0, 300, 800}},
         {454, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint p = clearPlacement(c.wanted, screen, c.keep);
        EXPECT_EQ(p, c.expected);
        EXPECT_FALSE(coversAny(QRect(p, c.wanted.size()), c.keep));
    }
}

TEST(ClearPlacementTest, WithoutRoomCoversTheLeast) {
    // Only a strip at the bottom is free, narrower than the window.
    const QRect screen(0, 0, 400, 300);
    const QList<QRect> keep = {{0, 0, 400, 260}};
    const QPoint p = clearPlacement({100, 100, 100, 100}, screen, keep);
    EXPECT_TRUE(screen.contains(QRect(p, QSize(100, 100))));
    EXPECT_EQ(p.y(), 200); // as low as it goes
}

TEST(ClearPlacementTest, WhatMattersMoreIsClearedFirst) {
    // Room for the window left or right of the middle, not both clear.
    const QRect screen(0, 0, 400, 100);
    const QList<QRect> must = {{150, 0, 100, 100}}, better = {{0, 0, 100, 100}};
    const QPoint p = clearPlacement({100, 0, 100, 100}, screen, {must, better});
    EXPECT_FALSE(coversAny(QRect(p, QSize(100, 100)), must + better));
    // Without room for both, the first list is cleared and the second the most it can be.
    const QPoint q = clearPlacement({100, 0, 150, 100}, screen, {must, {{254, 0, 146, 100}}});
    EXPECT_FALSE(coversAny(QRect(q, QSize(150, 100)), must));
}

} // namespace
} // namespace zeb::ui
