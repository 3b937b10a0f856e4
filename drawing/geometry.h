// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Points and rectangles of the drawing, in whatever pixels the caller says: logical pixels for
// where things are on the window, device pixels for what is painted.
#pragma once

#include <algorithm>
#include <span>

namespace molen::drawing {

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle of whole pixels; empty where its width or height is not positive.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;

    int right() const { return left + width - 1; } // the last pixel inside
    int bottom() const { return top + height - 1; }
    bool empty() const { return width <= 0 || height <= 0; }
    long area() const { return empty() ? 0 : long(width) * height; }
    bool intersects(const Rect& other) const {
        return !empty() && !other.empty() && left <= other.right() && other.left <= right() &&
               top <= other.bottom() && other.top <= bottom();
    }
    bool meetsAny(std::span<const Rect> others) const {
        return std::any_of(others.begin(), others.end(),
                           [this](const Rect& other) { return intersects(other); });
    }
    bool contains(const Rect& other) const {
        return !other.empty() && left <= other.left && other.right() <= right() &&
               top <= other.top && other.bottom() <= bottom();
    }
    // The pixels in both; empty if there are none.
    Rect intersected(const Rect& other) const;
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect& other) const;
    bool operator==(const Rect&) const = default;
};

struct RectF {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const RectF&) const = default;
};

// The pixels left..left+length-1 of row y.
struct Span {
    int y = 0, left = 0, length = 0;
    bool operator==(const Span&) const = default;
};

inline Rect Rect::intersected(const Rect& other) const {
    if (!intersects(other))
        return {};
    const int l = std::max(left, other.left), t = std::max(top, other.top);
    return {l, t, std::min(right(), other.right()) - l + 1,
            std::min(bottom(), other.bottom()) - t + 1};
}

inline Rect Rect::united(const Rect& other) const {
    if (other.empty())
        return *this;
    if (empty())
        return other;
    const int l = std::min(left, other.left), t = std::min(top, other.top);
    return {l, t, std::max(right(), other.right()) - l + 1,
            std::max(bottom(), other.bottom()) - t + 1};
}

} // namespace molen::drawing
