// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a change in the model makes stale of the painted controls, at 15 twips per pixel, and how
// stale rectangles are merged for repainting.
#include "drawing/stale_region.h"
#include "model/form1.h"
#include "model/initial_form.h"

#include <gtest/gtest.h>

namespace molen::drawing {
namespace {

bool contains(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects) {
        if (x >= r.left && x <= r.right() && y >= r.top && y <= r.bottom())
            return true;
    }
    return false;
}

Rect bounds(const std::vector<Rect>& rects) {
    Rect all;
    for (const Rect& r : rects)
        all = all.united(r);
    return all;
}

class Staleness : public testing::Test {
  protected:
    FormModel form{InitialForm()};
    StaleRegion stale{form, PixelGrid(15)};
};

TEST_F(Staleness, AMovedLineReportsItsOldAndNewPlace) {
    // Line1 runs upright at x = 5000 twips (pixel 333) from y = 2000 to 3600 (pixels 133 to 240).
    Line& line = form.edit(form1::Line1);
    line.X1 = line.X2 = 7000; // pixel 467
    stale.follow(form1::Line1.id);
    const std::vector<Rect> rects = stale.take();
    EXPECT_TRUE(contains(rects, 333, 180)) << "the old place";
    EXPECT_TRUE(contains(rects, 467, 180)) << "the new place";
    EXPECT_TRUE(contains(rects, 467, 134));
    EXPECT_FALSE(contains(rects, 400, 180)) << "between them";
    EXPECT_FALSE(contains(rects, 467, 300)) << "below both";
}

TEST_F(Staleness, AChangeIsReportedOnce) {
    form.edit(form1::Line1).Y1 = 4000;
    stale.follow(form1::Line1.id);
    EXPECT_FALSE(stale.take().empty());
    stale.follow(form1::Line1.id);
    EXPECT_TRUE(stale.take().empty());
}

TEST_F(Staleness, UnchangedAndWindowedControlsReportNothing) {
    for (const ControlId id : {form1::Line1.id, form1::Label6.id, form1::Shape1.id, form1::Text2.id,
                               form1::VScroll1.id, form1::Timer1.id})
        stale.follow(id);
    EXPECT_TRUE(stale.take().empty());
    form.edit(form1::Text2).Text = "1";
    stale.follow(form1::Text2.id);
    EXPECT_TRUE(stale.take().empty()) << "a widget repaints itself";
}

TEST_F(Staleness, AHiddenLabelsChangeStillInvalidatesItsBox) {
    // Label6: left 720, top 2040, 3495 × 255 twips: pixels 48 to 280 across, 136 to 152 down.
    form.edit(form1::Label6).Visible = false;
    stale.follow(form1::Label6.id);
    EXPECT_TRUE(contains(stale.take(), 48, 136));
    form.edit(form1::Label6).Caption = "anders";
    stale.follow(form1::Label6.id);
    EXPECT_EQ(bounds(stale.take()), (Rect{48, 136, 233, 17}));
}

// A line's bounds are the whole pixels its span touches, widened by half its width (rounded
// up) and two pixels for snapping, either side.
TEST_F(Staleness, ALinesBoundsReachPastItsStroke) {
    Line& sail = form.edit(form1::Line1); // 15 pixels wide, at x = 5000 twips: pixel 333.33
    sail.Y2 = 1990;                       // from y = 240 up to 132.67, where it was 133.33
    stale.follow(form1::Line1.id);
    const Rect all = bounds(stale.take());
    EXPECT_EQ(all.left, 333 - 8 - 2);
    EXPECT_EQ(all.right(), 334 + 8 + 2 - 1);
    EXPECT_EQ(all.top, 132 - 8 - 2);
    EXPECT_EQ(all.bottom(), 240 + 8 + 2 - 1);
}

struct MergeCase {
    const char* what;
    std::vector<Rect> stale;
    std::vector<Rect> repainted;
};

const MergeCase MergeCases[] = {
    {"nothing", {}, {}},
    {"one", {{1, 1, 10, 10}}, {{1, 1, 10, 10}}},
    {"two touching halves", {{0, 0, 10, 20}, {10, 0, 10, 20}}, {{0, 0, 20, 20}}},
    {"exactly half", {{0, 0, 10, 10}, {10, 10, 10, 10}}, {{0, 0, 20, 20}}},
    {"far apart", {{0, 0, 10, 10}, {90, 90, 10, 10}}, {{0, 0, 10, 10}, {90, 90, 10, 10}}},
    // Their areas add up to 500 of the bounds' 900, but they cover only 200: overlap counts once.
    {"the same four times, and another",
     {{0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}, {20, 20, 10, 10}},
     {{0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}, {20, 20, 10, 10}}},
    {"overlapping, less than half together",
     {{0, 0, 10, 10}, {5, 5, 10, 10}, {25, 25, 5, 5}},
     {{0, 0, 10, 10}, {5, 5, 10, 10}, {25, 25, 5, 5}}},
    {"an empty one adds nothing", {{0, 0, 0, 5}, {3, 3, 4, 4}}, {{3, 3, 4, 4}}},
};

TEST(RepaintMerging, OneRectangleWhereTheStaleCoverAtLeastHalfOfIt) {
    for (const MergeCase& c : MergeCases)
        EXPECT_EQ(cheapestToRepaint(c.stale), c.repainted) << c.what;
}

TEST(RepaintMerging, OverlapsCountOnce) {
    const std::vector<Rect> rects{{0, 0, 10, 10}, {5, 5, 10, 10}, {0, 0, 10, 10}};
    EXPECT_EQ(unionArea(rects), 100 + 100 - 25);
}

} // namespace
} // namespace molen::drawing
