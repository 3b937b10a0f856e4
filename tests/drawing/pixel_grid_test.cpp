// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips to logical pixels, each edge to the nearest pixel, and strokes on whole device pixels.
#include "drawing/pixel_grid.h"

#include <gtest/gtest.h>

namespace molen::drawing {
namespace {

struct BoxCase {
    double twipsPerPixel; // 15 at 96 dpi, 12 at 120, 10 at 144
    Box box;
    Rect pixels; // left, top, width, height
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
        const Rect r = grid.rect(c.box);
        EXPECT_EQ(r, c.pixels) << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height
                               << " of " << c.box.Left << ',' << c.box.Top << ' ' << c.box.Width
                               << 'x' << c.box.Height << " at " << c.twipsPerPixel;
    }
}

struct StrokeCase {
    double devicePixelRatio;
    int logicalWidth;
    int deviceWidth;
};

const StrokeCase StrokeCases[] = {
    {1, 1, 1},   {1, 2, 2},     {1, 15, 15}, {1.5, 1, 2}, // 1.5 device pixels: up to 2
    {1.5, 2, 3}, {1.5, 15, 23}, {2, 1, 2},   {2, 15, 30},
};

TEST(PixelGridStrokes, CoverWholeDevicePixels) {
    for (const StrokeCase& c : StrokeCases) {
        const PixelGrid grid(15, c.devicePixelRatio);
        EXPECT_EQ(grid.strokeWidth(c.logicalWidth), c.deviceWidth)
            << c.logicalWidth << " at " << c.devicePixelRatio;
    }
}

TEST(PixelGridStrokes, NeverVanish) { EXPECT_EQ(PixelGrid(15, 1.5).strokeWidth(0), 1); }

struct SnapCase {
    double devicePixelRatio;
    int logicalWidth;
    double snapped; // of 10.2 logical pixels (153 twips), in device pixels
};

// Odd device widths centre on a device pixel, even ones lie between two.
const SnapCase SnapCases[] = {
    {1, 1, 10.5}, {1, 2, 10}, {2, 1, 20}, {1.5, 1, 15}, {1.5, 2, 15.5}, {3, 1, 30.5},
};

TEST(PixelGridStrokes, LieOnWholeDevicePixels) {
    for (const SnapCase& c : SnapCases) {
        const PixelGrid grid(15, c.devicePixelRatio);
        const Point snapped = grid.snap(153, 153, grid.strokeWidth(c.logicalWidth));
        EXPECT_DOUBLE_EQ(snapped.x, c.snapped) << c.logicalWidth << " at " << c.devicePixelRatio;
        EXPECT_DOUBLE_EQ(snapped.y, c.snapped) << c.logicalWidth << " at " << c.devicePixelRatio;
    }
}

} // namespace
} // namespace molen::drawing

namespace molen::drawing {
namespace {

struct DeviceCase {
    double devicePixelRatio;
    Rect logical, rounded, covering;
};

// A logical box of 33, 10, 3 × 1 pixels on devices of common ratios: its edges each to the
// nearest device pixel (halves away from zero), and every device pixel it touches.
const DeviceCase DeviceCases[] = {
    {1, {33, 10, 3, 1}, {33, 10, 3, 1}, {33, 10, 3, 1}},
    {1.5, {33, 10, 3, 1}, {50, 15, 4, 2}, {49, 15, 5, 2}}, // 49.5 → 50, 54 → 54; 15 → 16.5
    {2, {33, 10, 3, 1}, {66, 20, 6, 2}, {66, 20, 6, 2}},
    {1.25, {33, 10, 3, 1}, {41, 13, 4, 1}, {41, 12, 4, 2}}, // 41.25 → 41, 45 → 45; 12.5 → 13.75
};

TEST(PixelGridDevice, RoundsEdgesOrCoversEveryTouchedPixel) {
    for (const DeviceCase& c : DeviceCases) {
        const PixelGrid grid(15, c.devicePixelRatio);
        EXPECT_EQ(grid.onDevice(c.logical), c.rounded) << c.devicePixelRatio;
        EXPECT_EQ(grid.covering(c.logical), c.covering) << c.devicePixelRatio;
    }
}

TEST(PixelGridScreens, TwipsPerPixelFollowTheScreensDotsPerInch) {
    EXPECT_DOUBLE_EQ(PixelGrid::forDotsPerInch(96).twipsPerPixel(), 15);
    EXPECT_DOUBLE_EQ(PixelGrid::forDotsPerInch(144).twipsPerPixel(), 10);
    EXPECT_DOUBLE_EQ(PixelGrid::forDotsPerInch(0).twipsPerPixel(), 15) << "a screen without one";
    EXPECT_DOUBLE_EQ(PixelGrid(15).fontPixels(8.25f), 11) << "8.25 points at 96 dpi";
    EXPECT_DOUBLE_EQ(PixelGrid(10).fontPixels(9.75f), 19.5) << "9.75 points at 144 dpi";
}

} // namespace
} // namespace molen::drawing
