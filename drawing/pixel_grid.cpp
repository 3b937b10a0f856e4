// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/pixel_grid.h"

#include <algorithm>
#include <cmath>

namespace molen::drawing {
namespace {

int rounded(double pixels) { return static_cast<int>(std::lround(pixels)); }

} // namespace

PixelGrid::PixelGrid(double twipsPerPixel, double devicePixelRatio)
    : twipsPerPixel_(twipsPerPixel)
    , devicePixelRatio_(devicePixelRatio) {}

PixelGrid PixelGrid::forDotsPerInch(double dotsPerInch) {
    constexpr double TwipsPerInch = 1440;
    return PixelGrid(dotsPerInch > 0 ? TwipsPerInch / dotsPerInch : 15);
}

double PixelGrid::fontPixels(float points) const {
    constexpr double TwipsPerPoint = 20;
    return points * TwipsPerPoint / twipsPerPixel_;
}

Rect PixelGrid::rect(const Box& box) const {
    const int left = rounded(pixels(box.Left));
    const int top = rounded(pixels(box.Top));
    return {left, top, rounded(pixels(double(box.Left) + box.Width)) - left,
            rounded(pixels(double(box.Top) + box.Height)) - top};
}

Rect PixelGrid::onDevice(const Rect& logical) const {
    const auto edge = [this](int pixel) {
        return rounded(pixel * devicePixelRatio_);
    };
    const int left = edge(logical.left), top = edge(logical.top);
    return {left, top, edge(logical.left + logical.width) - left,
            edge(logical.top + logical.height) - top};
}

Rect PixelGrid::covering(const Rect& logical) const {
    const double ratio = devicePixelRatio_;
    const int left = static_cast<int>(std::floor(logical.left * ratio));
    const int top = static_cast<int>(std::floor(logical.top * ratio));
    return {left, top, static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - left,
            static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - top};
}

int PixelGrid::strokeWidth(int pixels) const {
    return std::max(1, rounded(pixels * devicePixelRatio_));
}

Point PixelGrid::snap(float x, float y, int deviceWidth) const {
    return {snap(x, deviceWidth), snap(y, deviceWidth)};
}

double PixelGrid::snap(double twips, int deviceWidth) const {
    const double device = pixels(twips) * devicePixelRatio_;
    return deviceWidth % 2 ? std::floor(device) + 0.5 : std::round(device);
}

} // namespace molen::drawing
