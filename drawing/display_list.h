// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What painting the form takes, as a list of operations in device pixels that a backend hands
// to one graphics API, in order. Every position, width and rounding is worked out here. A
// stroke or disc comes both as its figure, for an API that rasterises aliased figures itself
// (QPainter), and as the very pixels it covers, for one that has no aliased rendering (canvas
// 2D); both give whole device pixels.
#pragma once

#include "drawing/geometry.h"
#include "model/controls.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace molen::drawing {

struct FillRect {
    Rect area;
    Colour colour;
};

// A straight stroke `width` device pixels wide between two snapped points. A square cap
// lengthens it by half its width at each end. A dotted stroke has dots as long as the stroke
// is wide, as far apart, from `from` on, and flat ends.
struct Stroke {
    Point from, to;
    int width = 1;
    bool squareCap = false;
    bool dotted = false;
    Colour colour;
    std::vector<Span> pixels;
};

// A disc filling `box`, as the round end of a wide stroke.
struct Disc {
    RectF box;
    Colour colour;
    std::vector<Span> pixels;
};

// A circle's outline `width` device pixels wide, and its inside where it is filled. As figures
// filled aliased: the ellipse in `outer` less the one in `inner`, and `inner` filled. As an
// antialiased stroke: the ellipse about `centre` with radii `radiusX`, `radiusY`, stroked
// `width` wide and clipped to `box`, the device pixels of the shape's box.
struct Ring {
    RectF outer, inner;
    Point centre;
    double radiusX = 0, radiusY = 0;
    int width = 1;
    Colour border;
    std::optional<Colour> fill;
    Rect box;
};

// One line of a caption and where its baseline starts, in text units.
struct CaptionLine {
    std::string text;
    double x = 0, baseline = 0;
};

// A caption laid out in text units of `unit` device pixels each (see TextMeasure) on its opaque
// box `clip` (device pixels), which it fills with `background` first and clips its text to.
// `touched` holds every device pixel any part of the box touches, for a backend that draws the
// caption as a picture of its own.
struct Caption {
    Rect clip, touched;
    Colour background;
    double unit = 1;
    molen::Font font;
    double pixelSize = 0; // of the font, in text units
    Colour colour;
    std::vector<CaptionLine> lines;
};

using Operation = std::variant<FillRect, Stroke, Disc, Ring, Caption>;
using DisplayList = std::vector<Operation>;

} // namespace molen::drawing
