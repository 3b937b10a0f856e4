// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen scaled by QT_SCALE_FACTOR, which CTest sets for each run of these tests,
// judged by what its backing store holds, the pixels the platform puts on the screen: strokes
// cover whole device pixels, dotted lines stay dotted, outlines stay whole and captions fit their
// boxes as they do unscaled.
#include "drawing/form_drawing.h"
#include "host/qt_values.h"
#include "tests/drawing/fixed_width_text.h"
#include "window_fixture.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <set>

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

// Lengths of the runs of equal values, in order.
std::vector<int> runLengths(const std::vector<bool>& values) {
    std::vector<int> runs;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i == 0 || values[i] != values[i - 1])
            runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

// A stretch of a dotted line, in twips along it, that nothing else is drawn over.
struct ClearStretch {
    const char* line;
    float from, to;
};

class OnScaledScreen : public WindowTest {
  protected:
    double scale() const { return window.devicePixelRatioF(); }
    // Device pixels a one-pixel stroke covers: the scale, rounded, and at least one.
    int strokeDevicePixels() const { return std::max(1, int(std::lround(scale()))); }
    double toDevice(double twips) const { return window.grid().pixels(twips) * scale(); }
    QColor face() const { return window.palette().color(QPalette::Button); }
    QColor colour(const Colour& colour) const { return toQColor(colour, window.palette()); }

    // What the window's backing store holds once every pending paint is done.
    QImage screenPicture() {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QPaintDevice* device = window.backingStore()->paintDevice();
        if (device->devType() != QInternal::Image) {
            ADD_FAILURE() << "the backing store holds no image";
            return {};
        }
        return static_cast<QImage*>(device)->copy();
    }

    // Every colour the form paints with: a pixel of any other colour is a blend.
    std::set<QRgb> formColours() const {
        std::set<QRgb> colours{face().rgb()};
        for (const Control& control : window.form().controls()) {
            if (const auto* line = std::get_if<Line>(&control.data))
                colours.insert(colour(line->BorderColor).rgb());
            if (const auto* shape = std::get_if<Shape>(&control.data)) {
                colours.insert(colour(shape->BorderColor).rgb());
                colours.insert(colour(shape->FillColor).rgb());
            }
        }
        return colours;
    }

    // The label's box down to where a widget below overlaps it.
    QRect box(std::string_view label) const {
        QRect box = toQRect(window.grid().rect(window.form().get<Label>(label)));
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
    const QImage picture = screenPicture();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale());
    EXPECT_NEAR(picture.width(), window.width() * scale(), 1);
    EXPECT_NEAR(picture.height(), window.height() * scale(), 1);
}

// Across the line, each device pixel along a clear stretch has either the whole stroke in the
// line's colour or none of it; along it, dots and gaps alternate, each a stroke long.
TEST_F(OnScaledScreen, DottedCentreLinesAreDotsAStrokeApart) {
    const QImage picture = screenPicture();
    const int stroke = strokeDevicePixels();
    for (const auto& [name, from, to] : {ClearStretch{"Line8", 480, 800},
                                         {"Line8", 2440, 2760},
                                         {"Line5", 1440, 1860},
                                         {"Line5", 5340, 5500}}) {
        const Line& dotted = line(name);
        const QColor ink = colour(dotted.BorderColor);
        const bool across = dotted.Y1 == dotted.Y2; // horizontal: columns run across it
        const int centre = int(toDevice(across ? dotted.Y1 : dotted.X1));
        std::vector<bool> inked;
        for (int along = int(std::ceil(toDevice(from))); along < int(toDevice(to)); ++along) {
            int covered = 0, blended = 0;
            for (int offset = -3 * stroke; offset <= 3 * stroke; ++offset) {
                const QColor pixel = across ? picture.pixelColor(along, centre + offset)
                                            : picture.pixelColor(centre + offset, along);
                covered += pixel == ink;
                blended += pixel != ink && pixel != face();
            }
            EXPECT_TRUE(covered == 0 || covered == stroke) << name << " at " << along;
            EXPECT_EQ(blended, 0) << name << " at " << along;
            inked.push_back(covered > 0);
        }
        const std::vector<int> runs = runLengths(inked);
        ASSERT_GE(runs.size(), 6u) << name << " is not dotted";
        for (std::size_t i = 1; i + 1 < runs.size(); ++i) // the ends may be cut by the stretch
            EXPECT_EQ(runs[i], stroke) << name << ", run " << i;
    }
}

// The largest angle, in radians, between neighbouring angles of `angles` round the circle.
double widestGap(std::vector<double> angles) {
    for (double& angle : angles)
        angle = std::fmod(angle + 4 * std::numbers::pi, 2 * std::numbers::pi);
    std::sort(angles.begin(), angles.end());
    double widest = angles.empty() ? 2 * std::numbers::pi : 0;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double next =
            i + 1 < angles.size() ? angles[i + 1] : angles[0] + 2 * std::numbers::pi;
        widest = std::max(widest, next - angles[i]);
    }
    return widest;
}

// A circle's outline is antialiased, as the page draws it, and closed: going round it, no gap is
// wider than a diagonal step between pixels where the outline colour shows, whole or in part.
TEST_F(OnScaledScreen, CircleOutlinesAreWhole) {
    const QImage picture = screenPicture();
    for (const char* name : {"Shape1", "Shape2"}) {
        const Shape& shape = window.form().get<Shape>(name);
        const QPointF centre(toDevice(shape.Left + shape.Width / 2.0),
                             toDevice(shape.Top + shape.Height / 2.0));
        const double radius = toDevice(std::min(shape.Width, shape.Height) / 2.0);
        const std::set<QRgb> plain{face().rgb(), colour(shape.FillColor).rgb()};
        std::vector<double> angles;
        for (int y = int(centre.y() - radius) - 3; y <= int(centre.y() + radius) + 3; ++y) {
            for (int x = int(centre.x() - radius) - 3; x <= int(centre.x() + radius) + 3; ++x) {
                const QPointF offset = QPointF(x + 0.5, y + 0.5) - centre;
                const double distance = std::hypot(offset.x(), offset.y());
                if (distance < radius - 2 * strokeDevicePixels() || distance > radius + 2)
                    continue;
                if (!plain.count(picture.pixel(x, y) | 0xff000000))
                    angles.push_back(std::atan2(offset.y(), offset.x()));
            }
        }
        const double diagonalStep = std::sqrt(2.0) / (radius - strokeDevicePixels());
        EXPECT_LT(widestGap(angles), 1.2 * diagonalStep) << name;
        EXPECT_GT(angles.size(), 4 * radius) << name << ": an outline all round";
    }
}

// A one-pixel outline is one logical pixel wide, laid on whole device pixels: at 2 it covers
// two device pixels fully, at 1.5 two, at 1 and 1.25 one, and never smears over partly covered
// ones.
TEST_F(OnScaledScreen, OnePixelLinesCoverWholeDevicePixels) {
    const QImage picture = screenPicture();
    // Horizontal outlines of the body and base, where no other drawing crosses them.
    for (const auto& [name, x] : {std::pair{"Line9", 4600}, {"Line12", 4000}, {"Line15", 4000}}) {
        const Line& outline = line(name);
        const QColor ink = colour(outline.BorderColor);
        const int centre = int(toDevice(outline.Y1));
        int covered = 0, smeared = 0;
        for (int y = centre - int(4 * scale()); y <= centre + int(4 * scale()); ++y) {
            const QColor pixel = picture.pixelColor(int(toDevice(x)), y);
            covered += pixel == ink;
            smeared += pixel != ink && pixel != face();
        }
        EXPECT_EQ(covered, strokeDevicePixels()) << name;
        EXPECT_EQ(smeared, 0) << name;
    }
}

TEST_F(OnScaledScreen, CaptionsFitTheirBoxesAsUnscaled) {
    const QImage scaled = screenPicture(), unscaled = unscaledPicture();
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

// The pixels a line covers are worked out once, for every host: the window fills exactly those,
// as the page does, and no pixel beside them.
TEST_F(OnScaledScreen, LinesFillExactlyThePixelsTheDrawingGives) {
    const QImage picture = screenPicture();
    drawing::FixedWidthText measure;
    const std::vector<drawing::Rect> all{{0, 0, window.width(), window.height()}};
    const drawing::DisplayList list =
        drawing::drawExposed(window.form(), window.grid().onDevice(scale()), measure, all);
    // Which op last paints each device pixel (1 on, 0 for none): the one whose colour it shows.
    constexpr int Widget = -1;
    std::vector<int> owner(std::size_t(picture.width() * picture.height()), 0);
    const auto claim = [&](const QRect& area, int op) {
        const QRect inside = area & picture.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                owner[std::size_t(y * picture.width() + x)] = op;
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int op = int(i) + 1;
        if (const auto* pixels = std::get_if<drawing::Pixels>(&list[i]))
            for (const drawing::Span& span : pixels->spans)
                claim(QRect(span.left, span.y, span.length, 1), op);
        else if (const auto* ring = std::get_if<drawing::Ring>(&list[i]))
            claim(toQRect(ring->box), op);
        else if (const auto* caption = std::get_if<drawing::Caption>(&list[i]))
            claim(toQRect(caption->clip), op);
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) { // widgets cover the form
        if (widget->isVisible())
            claim(QRect(widget->geometry().topLeft() * scale(), widget->size() * scale()) +
                      QMargins(1, 1, 1, 1),
                  Widget);
    }
    int checked = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int op = owner[std::size_t(y * picture.width() + x)];
            const QRgb shown = picture.pixel(x, y) | 0xff000000;
            if (op == 0) {
                ASSERT_EQ(shown, face().rgb()) << "nothing is drawn at " << x << "," << y;
            } else if (op != Widget) {
                if (const auto* pixels = std::get_if<drawing::Pixels>(&list[std::size_t(op - 1)])) {
                    ASSERT_EQ(shown, colour(pixels->colour).rgb()) << x << "," << y;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
} // namespace molen::testing_support
