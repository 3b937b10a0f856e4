// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window opens: CTest runs this on the default screen and once more on a screen
// smaller than the window (1366 × 768 at 150 %).
#include "host/mill_window.h"
#include "model/initial_form.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace molen::testing_support {
namespace {

// Along one axis: the frame from `start` of length `length` in an area from `areaStart` of
// length `areaLength`.
void expectPlaced(int start, int length, int areaStart, int areaLength, const char* axis) {
    if (length <= areaLength) {
        EXPECT_GE(start, areaStart) << axis;
        EXPECT_LE(start + length, areaStart + areaLength) << axis;
        EXPECT_NEAR(2 * start + length, 2 * areaStart + areaLength, 2) << axis << ": centred";
    } else {
        EXPECT_EQ(start, areaStart) << axis << ": the title bar and the left edge show";
    }
}

TEST(Placement, TheWholeFrameIsCentredOrAtTheTopLeft) {
    MillWindow window(InitialForm());
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect frame = window.frameGeometry();
    const QRect area = window.screen()->availableGeometry();
    ASSERT_NE(frame, window.geometry()) << "the platform draws a frame";
    expectPlaced(frame.left(), frame.width(), area.left(), area.width(), "x");
    expectPlaced(frame.top(), frame.height(), area.top(), area.height(), "y");
}

} // namespace
} // namespace molen::testing_support
