// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips to logical pixels, each edge to the nearest pixel, and strokes on whole device pixels.
#include "host/pixel_grid.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

struct BoxCase {
    double twipsPerPixel; // 15 at 96 dpi, 12 at 120, 10 at 144
    Box box;
    QRect pixels;
};

const BoxCase BoxCases[] = {
    {15, {0, 0, 1500, 600}, {0, 0, 100, 40}},
    {15, {7, 7, 1500, 600}, {0, 0, 100, 40}},         // 0.47 px: down
    {15, {8, 8, 1500, 600}, {1, 1, 100, 40}},         // 0.53 px: up, the far edge at 100.53 up too
    {15, {8, 22, 30, 14}, {1, 1, 2, 1}},              // right 2.53 → 3, bottom 2.4 → 2
    {15, {-1500, -22, 1500, 22}, {-100, -1, 100, 1}}, // off the form to the left and top
    {12, {6, 18, 1440, 66}, {1, 2, 120, 5}},          // 0.5 and 1.5 round away from zero
    {12, {5, 17, 1440, 66}, {0, 1, 120, 6}},          // 0.42 → 0; right 120.42 → 120
    {10, {14, 16, 1440, 4}, {1, 2, 144, 0}},          // top 1.6 and bottom 2.0 both → 2: empty
};

TEST(PixelGridBoxes, EachEdgeRoundsToTheNearestPixel) {
    for (const BoxCase& c : BoxCases) {
        const PixelGrid grid(c.twipsPerPixel);
        EXPECT_EQ(grid.rect(c.box), c.pixels)
            << c.box.Left << ',' << c.box.Top << ' ' << c.box.Width << 'x' << c.box.Height << " at "
            << c.twipsPerPixel;
    }
}

struct StrokeCase {
    double devicePixelRatio;
    int logicalWidth;
    long deviceWidth;
};

const StrokeCase StrokeCases[] = {
    {1, 1, 1},   {1, 2, 2},     {1, 15, 15}, {1.5, 1, 2}, // 1.5 device pixels: up to 2
    {1.5, 2, 3}, {1.5, 15, 23}, {2, 1, 2},   {2, 15, 30},
};

TEST(PixelGridStrokes, CoverWholeDevicePixels) {
    for (const StrokeCase& c : StrokeCases) {
        const PixelGrid grid(15, c.devicePixelRatio);
        EXPECT_EQ(grid.deviceWidth(grid.strokeWidth(c.logicalWidth)), c.deviceWidth)
            << c.logicalWidth << " at " << c.devicePixelRatio;
    }
}

TEST(PixelGridStrokes, NeverVanish) {
    EXPECT_EQ(PixelGrid(15, 1.5).deviceWidth(PixelGrid(15, 1.5).strokeWidth(0)), 1);
}

struct SnapCase {
    double devicePixelRatio;
    int logicalWidth;
    double snapped; // of 10.2 logical pixels
};

// Odd device widths centre on a device pixel, even ones lie between two.
const SnapCase SnapCases[] = {
    {1, 1, 10.5}, {1, 2, 10}, {2, 1, 10}, {1.5, 1, 10}, {1.5, 2, 15.5 / 1.5},
};

TEST(PixelGridStrokes, LieOnWholeDevicePixels) {
    for (const SnapCase& c : SnapCases) {
        const PixelGrid grid(15, c.devicePixelRatio);
        const QPointF snapped = grid.snap({10.2, 10.2}, grid.strokeWidth(c.logicalWidth));
        EXPECT_DOUBLE_EQ(snapped.x(), c.snapped) << c.logicalWidth << " at " << c.devicePixelRatio;
        EXPECT_DOUBLE_EQ(snapped.y(), c.snapped) << c.logicalWidth << " at " << c.devicePixelRatio;
    }
}

} // namespace
} // namespace molen
