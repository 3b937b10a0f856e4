// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The overlap of two rectangles of whole pixels, and whether one holds another: the pieces a
// repaint is cut into.
#include "drawing/geometry.h"

#include <gtest/gtest.h>

namespace molen::drawing {
namespace {

struct Pair {
    const char* what;
    Rect a, b, overlap;
    bool aHoldsB;
};

const Pair Pairs[] = {
    {"apart", {0, 0, 10, 10}, {10, 0, 5, 5}, {}, false},
    {"sharing a column", {0, 0, 10, 10}, {9, 2, 5, 3}, {9, 2, 1, 3}, false},
    {"crossing a corner", {0, 0, 10, 10}, {-4, 6, 8, 8}, {0, 6, 4, 4}, false},
    {"one inside", {0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, true},
    {"the same", {5, 5, 3, 1}, {5, 5, 3, 1}, {5, 5, 3, 1}, true},
    {"one pixel row across", {0, 0, 10, 10}, {-5, 4, 30, 1}, {0, 4, 10, 1}, false},
    {"an empty one", {0, 0, 10, 10}, {3, 3, 0, 4}, {}, false},
};

TEST(Rectangles, OverlapAndHolding) {
    for (const Pair& pair : Pairs) {
        SCOPED_TRACE(pair.what);
        EXPECT_EQ(pair.a.intersected(pair.b), pair.overlap);
        EXPECT_EQ(pair.b.intersected(pair.a), pair.overlap);
        EXPECT_EQ(pair.a.contains(pair.b), pair.aHoldsB);
        const Rect others[] = {{100, 100, 1, 1}, pair.b};
        EXPECT_EQ(pair.a.meetsAny(others), !pair.overlap.empty());
    }
}

} // namespace
} // namespace molen::drawing
