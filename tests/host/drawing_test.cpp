// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window drawn as the form lays it out at 15 twips to the pixel: every box where the form's
// twips put it, captions placed as their alignment says, a hidden label leaving no trace, shapes
// in their colours and dotted lines with gaps between their dots.
#include "window_fixture.h"

#include <QScreen>
#include <QTest>

namespace molen::testing_support {
namespace {

const QColor Red(255, 0, 0);

struct Placed {
    const char* name;
    QRect box; // the form's Left, Top, Width and Height over 15
};

struct Caption {
    const char* text;
    QRect box; // as above
    bool centred;
};

// A run of pixels along a dotted line where nothing else is drawn.
struct DottedRun {
    const char* line;
    QPoint from, to; // inclusive, in a row or a column
    QColor colour;
};

class Drawing : public WindowTest {
  protected:
    Drawing() { EXPECT_EQ(window.screen()->logicalDotsPerInch(), 96) << "15 twips to the pixel"; }

    QColor face() const { return window.palette().color(QPalette::Button); }

    // The bounds of what is drawn in `box` on the form's face, leaving out the widgets on top.
    QRect ink(const QImage& image, const QRect& box) const {
        QRect inked;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (image.pixelColor(x, y) != face() && !window.childAt(x, y))
                    inked |= QRect(x, y, 1, 1);
            }
        }
        return inked;
    }

    int pixelsOf(const QImage& image, const QRect& box, const QColor& colour) const {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                count += image.pixelColor(x, y) == colour;
        }
        return count;
    }

    void setWindAndTick(int wind) {
        bar("VScroll1")->setValue(wind);
        window.deliver(MillEvent::Timer1Tick);
    }
};

TEST_F(Drawing, EveryWidgetSitsInTheBoxTheFormGivesIt) {
    const Placed widgets[] = {
        {"HScroll2", {48, 440, 121, 25}}, {"Text8", {96, 488, 33, 25}},
        {"HScroll1", {48, 352, 121, 25}}, {"Text7", {128, 528, 25, 25}},
        {"Text6", {80, 528, 33, 25}},     {"Text5", {24, 528, 41, 25}},
        {"Text4", {96, 408, 33, 25}},     {"VScroll1", {536, 144, 25, 217}},
        {"Text3", {352, 528, 25, 25}},    {"Text2", {536, 416, 33, 25}},
        {"Text1", {312, 528, 25, 25}},    {"Command1", {264, 416, 137, 25}},
    };
    for (const auto& [name, box] : widgets) {
        const auto* widget = window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), box) << name;
    }
    EXPECT_EQ(window.size(), QSize(725, 573)) << "the client area, 10875 by 8595 twips";
}

// A centred caption has as much room on its left as on its right, within the rounding of its
// glyphs and a trailing blank's width; a caption aligned left starts at the box's left edge.
TEST_F(Drawing, CaptionsSitInTheirBoxesAsTheirAlignmentSays) {
    const Caption captions[] = {
        {"Wind", {512, 120, 73, 17}, true},
        {"Enden", {528, 392, 49, 17}, true},
        {"- of the wind", {568, 144, 25, 17}, true},
        {"+ of the wind", {568, 344, 25, 17}, true},
        {"+ of the ratio", {152, 328, 25, 17}, true},
        {"- of the ratio", {48, 328, 25, 17}, true},
        {"Overbrengings factor ", {48, 384, 137, 25}, true},
        {"Diameter loper", {48, 472, 121, 17}, true},
        {"Interval tussen 2 enden", {504, 464, 121, 25}, false},
    };
    const QImage image = picture();
    for (const auto& [text, box, centred] : captions) {
        const QRect inked = ink(image, box);
        ASSERT_FALSE(inked.isEmpty()) << text;
        const int left = inked.left() - box.left(), right = box.right() - inked.right();
        if (centred) {
            EXPECT_NEAR(left, right, 3) << text;
        } else {
            EXPECT_LE(left, 2) << text;
            EXPECT_GE(right - left, 4) << text;
        }
    }
}

// The reefing advice shows, centred and red, only above 75 sail passes a minute; hidden, its
// box shows nothing but the form's face.
TEST_F(Drawing, TheAdviceShowsOnlyInAStrongWindAndLeavesNoTraceWhenHidden) {
    const QRect advice(496, 528, 137, 25);
    EXPECT_EQ(ink(picture(), advice), QRect()) << "braked at the start";
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    for (const auto& [wind, shown] : {std::pair{10, false}, {76, true}, {75, false}, {140, true}}) {
        setWindAndTick(wind);
        const QImage image = picture();
        const QRect inked = ink(image, advice);
        if (shown) {
            EXPECT_GT(pixelsOf(image, advice, Red), 30) << wind;
            EXPECT_NEAR(inked.left() - advice.left(), advice.right() - inked.right(), 2) << wind;
        } else {
            EXPECT_EQ(inked, QRect()) << wind;
        }
    }
}

TEST_F(Drawing, ShapesAreFilledWithTheirColours) {
    const QImage image = picture();
    EXPECT_EQ(image.pixelColor(332, 240), QColor(64, 64, 0)) << "the hub, at its centre";
    EXPECT_EQ(image.pixelColor(74, 206), QColor(255, 224, 192)) << "the stone, clear of its lines";
}

// Dots and gaps alternate pixel by pixel; nothing else lies on the runs.
TEST_F(Drawing, DottedLinesAlternateDotsAndGaps) {
    const QColor magenta(255, 0, 255), blue(0, 0, 255);
    const DottedRun runs[] = {
        {"Line8 left of the stone", {33, 227}, {53, 227}, magenta},
        {"Line8 right of the stone", {163, 227}, {183, 227}, magenta},
        {"Line5 above the sails", {333, 97}, {333, 120}, blue},
        {"Line5 above the base", {333, 370}, {333, 398}, blue},
    };
    const QImage image = picture();
    for (const auto& [name, from, to, colour] : runs) {
        const QPoint step = from.x() == to.x() ? QPoint(0, 1) : QPoint(1, 0);
        int dots = 0, gaps = 0;
        for (QPoint at = from; at != to + step; at += step) {
            const QColor pixel = image.pixelColor(at);
            dots += pixel == colour;
            gaps += pixel == face();
            EXPECT_TRUE(pixel == colour || pixel == face())
                << name << " at " << at.x() << ", " << at.y();
            EXPECT_NE(pixel, image.pixelColor(at + step))
                << name << " at " << at.x() << ", " << at.y();
        }
        EXPECT_GE(dots, 10) << name;
        EXPECT_GE(gaps, 10) << name;
    }
}

} // namespace
} // namespace molen::testing_support
