// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/raster.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace molen::drawing {
namespace {

// The pixels of `row` whose centres lie between `from` and `to`.
void fillRun(int row, double from, double to, std::vector<Span>& spans) {
    const int left = static_cast<int>(std::ceil(from - 0.5));
    const int right = static_cast<int>(std::floor(to - 0.5));
    if (right >= left)
        spans.push_back({row, left, right - left + 1});
}

// Where the horizontal line at `y` crosses the polygon's edges, if it does.
std::optional<std::pair<double, double>> rowSpan(std::span<const Point> corners, double y) {
    double min = std::numeric_limits<double>::infinity();
    double max = -min;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        if ((y < a.y && y < b.y) || (y > a.y && y > b.y) || a.y == b.y)
            continue;
        const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
        min = std::min(min, x);
        max = std::max(max, x);
    }
    if (min > max)
        return std::nullopt;
    return std::pair{min, max};
}

} // namespace

void fillConvex(std::span<const Point> corners, std::vector<Span>& spans) {
    if (corners.empty())
        return;
    double top = corners[0].y, bottom = corners[0].y;
    for (const Point& corner : corners) {
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    const int last = static_cast<int>(std::floor(bottom - 0.5));
    for (int row = static_cast<int>(std::ceil(top - 0.5)); row <= last; ++row) {
        if (const auto span = rowSpan(corners, row + 0.5))
            fillRun(row, span->first, span->second, spans);
    }
}

void fillDisc(Point centre, double diameter, std::vector<Span>& spans) {
    const double radius = diameter / 2;
    const int last = static_cast<int>(std::floor(centre.y + radius - 0.5));
    for (int row = static_cast<int>(std::ceil(centre.y - radius - 0.5)); row <= last; ++row) {
        const double dy = row + 0.5 - centre.y;
        const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        fillRun(row, centre.x - half, centre.x + half, spans);
    }
}

std::vector<Point> strokeCorners(Point from, Point to, double width, double extend) {
    double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length == 0)
        length = 1;
    const double ux = (to.x - from.x) / length, uy = (to.y - from.y) / length;
    const double nx = -uy * width / 2, ny = ux * width / 2;
    const Point a{from.x - ux * extend, from.y - uy * extend};
    const Point b{to.x + ux * extend, to.y + uy * extend};
    return {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
}

} // namespace molen::drawing
