// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a change in the model makes stale of the painted controls, at 15 twips per pixel.
#include "host/canvas.h"
#include "model/initial_form.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

class CanvasInvalidation : public testing::Test {
  protected:
    FormModel form{InitialForm()};
    Canvas canvas{form, PixelGrid(15)};
};

TEST_F(CanvasInvalidation, AMovedLineReportsItsOldAndNewPlace) {
    // Line1 runs upright at x = 5000 twips (pixel 333) from y = 2000 to 3600 (pixels 133 to 240).
    Line& line = form.edit<Line>("Line1");
    line.X1 = line.X2 = 7000; // pixel 467
    const QRegion stale = canvas.takeStaleRegion(form.find("Line1"));
    EXPECT_TRUE(stale.contains(QPoint(333, 180))) << "the old place";
    EXPECT_TRUE(stale.contains(QPoint(467, 180))) << "the new place";
    EXPECT_TRUE(stale.contains(QPoint(467, 134)));
    EXPECT_FALSE(stale.contains(QPoint(400, 180))) << "between them";
    EXPECT_FALSE(stale.contains(QPoint(467, 300))) << "below both";
}

TEST_F(CanvasInvalidation, AChangeIsReportedOnce) {
    form.edit<Line>("Line1").Y1 = 4000;
    EXPECT_FALSE(canvas.takeStaleRegion(form.find("Line1")).isEmpty());
    EXPECT_TRUE(canvas.takeStaleRegion(form.find("Line1")).isEmpty());
}

TEST_F(CanvasInvalidation, UnchangedAndWindowedControlsReportNothing) {
    for (const char* name : {"Line1", "Label6", "Shape1", "Text2", "VScroll1", "Timer1"})
        EXPECT_TRUE(canvas.takeStaleRegion(form.find(name)).isEmpty()) << name;
    form.edit<TextBox>("Text2").Text = "1";
    EXPECT_TRUE(canvas.takeStaleRegion(form.find("Text2")).isEmpty()) << "a widget repaints itself";
}

TEST_F(CanvasInvalidation, AHiddenLabelsChangeStillInvalidatesItsBox) {
    // Label6: left 720, top 2040, 3495 × 255 twips: pixels 48 to 280 across, 136 to 152 down.
    form.edit<Label>("Label6").Visible = false;
    EXPECT_TRUE(canvas.takeStaleRegion(form.find("Label6")).contains(QPoint(48, 136)));
    form.edit<Label>("Label6").Caption = "anders";
    const QRegion stale = canvas.takeStaleRegion(form.find("Label6"));
    EXPECT_EQ(stale.boundingRect(), QRect(QPoint(48, 136), QPoint(280, 152)));
}

} // namespace
} // namespace molen
