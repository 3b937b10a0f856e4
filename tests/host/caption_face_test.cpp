// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions lay out the same whatever fonts the system has: CTest runs these tests once with the
// system's fonts and once with a font configuration that holds no face of the form's metrics.
#include "window_fixture.h"

#include <QTest>

namespace molen::testing_support {
namespace {

constexpr double PointsPerInch = 72;

class Captions : public WindowTest {
  protected:
    // The rows of `label`'s box that hold ink, as runs of rows: one run for each line of text.
    std::vector<std::pair<int, int>> inkedLines(const QImage& picture, std::string_view label) {
        const QRect box =
            toQRect(window.grid().rect(window.form().get<Label>(label))) & picture.rect();
        const QColor face = window.palette().color(QPalette::Button);
        std::vector<std::pair<int, int>> lines;
        bool inLine = false;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            bool inked = false;
            for (int x = box.left(); x <= box.right() && !inked; ++x)
                inked = picture.pixelColor(x, y) != face;
            if (inked && !inLine)
                lines.push_back({y, y});
            if (inked)
                lines.back().second = y;
            inLine = inked;
        }
        return lines;
    }
    // The height of an em of the label's font, in logical pixels.
    double em(std::string_view label) const {
        return window.form().get<Label>(label).Font.Size * window.logicalDpiY() / PointsPerInch;
    }
};

// The banner's caption fits its box on one line; a wider face breaks it onto two.
TEST_F(Captions, TheBannerIsOneLine) {
    // Bring the banner, which loading moved out to the left, fully into the window.
    while (window.form().get<Label>("Label10").Left < 0)
        window.deliver(MillEvent::Timer3Tick);
    const auto lines = inkedLines(picture(), "Label10");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_LT(lines[0].second - lines[0].first + 1, 1.3 * em("Label10"));
}

// The interval readout: its first caption on one line, the running one broken after "is".
TEST_F(Captions, TheIntervalReadoutBreaksAsLaidOut) {
    EXPECT_EQ(inkedLines(picture(), "Label9").size(), 1u);
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton); // releases the brake
    window.deliver(MillEvent::Timer1Tick);
    ASSERT_EQ(window.form().get<Label>("Label9").Caption, "Interval tussen 2 enden is  6.00 sec");
    EXPECT_EQ(inkedLines(picture(), "Label9").size(), 2u);
}

} // namespace
} // namespace molen::testing_support
