// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen scaled by QT_SCALE_FACTOR, which CTest sets for each run of these tests:
// strokes cover whole device pixels and captions fit their boxes as they do unscaled.
#include "window_fixture.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace molen::testing_support {
namespace {

// The bounds, in logical pixels, of the pixels in `box` (logical pixels) that are not `face`.
QRectF ink(const QImage& image, const QRect& box, const QColor& face) {
    const double scale = image.devicePixelRatio();
    const QRect device(
        QPoint(int(std::ceil(box.left() * scale)), int(std::ceil(box.top() * scale))),
        QPoint(int((box.right() + 1) * scale) - 1, int((box.bottom() + 1) * scale) - 1));
    QRect inked;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (image.pixelColor(x, y) != face)
                inked |= QRect(x, y, 1, 1);
        }
    }
    return QRectF(inked.topLeft() / scale, (inked.bottomRight() + QPoint(1, 1)) / scale);
}

class OnScaledScreen : public WindowTest {
  protected:
    double scale() const { return window.devicePixelRatioF(); }
    QColor face() const { return window.palette().color(QPalette::Button); }
    // The label's box down to where a widget below overlaps it.
    QRect box(std::string_view label) const {
        QRect box = PixelGrid(window.twipsPerPixel()).rect(window.form().get<Label>(label));
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            const QRect over = widget->geometry();
            if (widget->isVisible() && over.intersects(box) && over.top() > box.top())
                box.setBottom(over.top() - 1);
        }
        return box;
    }
    // The window drawn as on an unscaled screen.
    QImage unscaledPicture() {
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        return image;
    }
};

TEST_F(OnScaledScreen, TheScreenIsScaledAsAsked) {
    const char* asked = std::getenv("QT_SCALE_FACTOR");
    ASSERT_NE(asked, nullptr) << "CTest sets the factor";
    EXPECT_DOUBLE_EQ(scale(), std::atof(asked));
    EXPECT_DOUBLE_EQ(picture().devicePixelRatio(), scale());
}

// A one-pixel outline is one logical pixel wide, laid on whole device pixels: at 2 it covers
// two device pixels fully, at 1.5 two, at 1 one, and never smears over partly covered ones.
TEST_F(OnScaledScreen, OnePixelOutlinesCoverWholeDevicePixels) {
    const QImage image = picture();
    const double toDevice = scale() / window.twipsPerPixel();
    // Horizontal outlines of the body and base, where no other drawing crosses them.
    for (const auto& [name, x] : {std::pair{"Line9", 4600}, {"Line12", 4000}, {"Line15", 4000}}) {
        const Line& outline = line(name);
        const QColor colour(outline.BorderColor.red, outline.BorderColor.green,
                            outline.BorderColor.blue);
        const int centre = int(outline.Y1 * toDevice);
        int covered = 0, smeared = 0;
        for (int y = centre - int(4 * scale()); y <= centre + int(4 * scale()); ++y) {
            const QColor pixel = image.pixelColor(int(x * toDevice), y);
            covered += pixel == colour;
            smeared += pixel != colour && pixel != face();
        }
        EXPECT_EQ(covered, std::lround(scale())) << name;
        EXPECT_EQ(smeared, 0) << name;
    }
}

TEST_F(OnScaledScreen, CaptionsFitTheirBoxesAsUnscaled) {
    const QImage scaled = picture(), unscaled = unscaledPicture();
    for (const char* label : {"Label2", "Label4", "Label5", "Label8", "Label9"}) {
        const QRectF atOne = ink(unscaled, box(label), face());
        const QRectF atScale = ink(scaled, box(label), face());
        ASSERT_FALSE(atScale.isEmpty()) << label;
        EXPECT_NEAR(atScale.left(), atOne.left(), 1) << label;
        EXPECT_NEAR(atScale.right(), atOne.right(), 1) << label;
        EXPECT_NEAR(atScale.bottom(), atOne.bottom(), 1) << label;
        // Room to spare at the right and the bottom: nothing was cut off at the box.
        EXPECT_LT(atScale.right(), box(label).right() + 1) << label;
        EXPECT_LT(atScale.bottom(), box(label).bottom() + 1) << label;
    }
}

} // namespace
} // namespace molen::testing_support
