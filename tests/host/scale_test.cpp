// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted controls at the scale factors of common screens.
#include "window_fixture.h"

#include <QPainter>

namespace molen::testing_support {
namespace {

class AtScale : public WindowTest, public testing::WithParamInterface<double> {
  protected:
    QImage pictureAtScale() {
        const double scale = GetParam();
        QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        window.render(&image);
        return image;
    }

    // The device pixels of the row through y (twips) from x1 to x2 (twips).
    std::vector<QColor> row(const QImage& image, double x1, double x2, double y) {
        const double toDevice = GetParam() / window.twipsPerPixel();
        std::vector<QColor> pixels;
        for (int x = int(x1 * toDevice); x < int(x2 * toDevice); ++x)
            pixels.push_back(image.pixelColor(x, int(y * toDevice)));
        return pixels;
    }
};

TEST_P(AtScale, DottedLinesAreWholePixelDots) {
    const QImage image = pictureAtScale();
    const Line& centreLine = line("Line8");
    // Left of the stone's disc, where the line crosses nothing else.
    const auto pixels = row(image, centreLine.X1 + 15, 780, centreLine.Y1);
    const auto dots = std::count(pixels.begin(), pixels.end(), QColor(255, 0, 255));
    const auto background =
        std::count(pixels.begin(), pixels.end(), window.palette().button().color());
    EXPECT_GE(dots, long(pixels.size() / 2) - 2);
    EXPECT_EQ(dots + background, long(pixels.size())) << "no half-covered pixels";
}

INSTANTIATE_TEST_SUITE_P(ScaleFactors, AtScale, testing::Values(1.0, 1.5, 2.0),
                         [](const auto& scale) {
                             return "Times" + std::to_string(int(scale.param * 10));
                         });

} // namespace
} // namespace molen::testing_support
