// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What painting the form takes, as a list of operations in device pixels that a backend hands
// to one graphics API, in order. Every position, width, rounding and covered pixel is worked out
// here, once, so that every backend fills the very same pixels: a line or a disc comes as the
// pixels it covers, not as a figure for an API to rasterise in its own way.
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

// The device pixels a figure covers (a pixel is covered where its centre lies inside), filled
// whole in one colour: a stroke, a dotted stroke's dots, the round end of a wide stroke.
struct Pixels {
    std::vector<Span> spans;
    Colour colour;
};

// A circle's outline `width` device pixels wide and its inside where it is filled, antialiased:
// the ellipse about `centre` with radii `radiusX`, `radiusY`, filled with `fill` and stroked
// `width` wide along its middle in `border`, clipped to `box`, the device pixels of the shape's
// box. A backend draws it whole and the same however it is cut into pieces.
struct Ring {
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

using Operation = std::variant<FillRect, Pixels, Ring, Caption>;
using DisplayList = std::vector<Operation>;

} // namespace molen::drawing
