// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/pixel_grid.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace molen {

PixelGrid::PixelGrid(double twipsPerPixel, double devicePixelRatio)
    : twipsPerPixel_(twipsPerPixel)
    , devicePixelRatio_(devicePixelRatio) {}

PixelGrid PixelGrid::forScreen(const QScreen* screen) {
    constexpr double TwipsPerInch = 1440;
    return PixelGrid(screen ? TwipsPerInch / screen->logicalDotsPerInch() : 15);
}

QRect PixelGrid::rect(const Box& box) const {
    const auto edge = [this](double twips) {
        return static_cast<int>(std::lround(pixels(twips)));
    };
    const int left = edge(box.Left);
    const int top = edge(box.Top);
    return {QPoint(left, top),
            QPoint(edge(double(box.Left) + box.Width) - 1, edge(double(box.Top) + box.Height) - 1)};
}

double PixelGrid::strokeWidth(int pixels) const {
    return static_cast<double>(std::max(1L, std::lround(pixels * devicePixelRatio_))) /
           devicePixelRatio_;
}

long PixelGrid::deviceWidth(double strokeWidth) const {
    return std::lround(strokeWidth * devicePixelRatio_);
}

QPointF PixelGrid::snap(QPointF p, double strokeWidth) const {
    const long width = deviceWidth(strokeWidth);
    return {snap(p.x(), width), snap(p.y(), width)};
}

double PixelGrid::snap(double coordinate, long deviceWidth) const {
    const double device = coordinate * devicePixelRatio_;
    const double snapped = deviceWidth % 2 ? std::floor(device) + 0.5 : std::round(device);
    return snapped / devicePixelRatio_;
}

} // namespace molen
