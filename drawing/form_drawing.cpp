// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/form_drawing.h"

#include "drawing/overloaded.h"
#include "drawing/raster.h"

#include <algorithm>
#include <cmath>

namespace molen::drawing {
namespace {

// Snapping a stroke to device pixels moves it by up to a pixel; the margin keeps it inside.
constexpr int SnapMargin = 2; // logical pixels

// A label's opaque box is the button face, as the theme has it now.
constexpr Colour LabelBackground = Colour::of(SystemColour::ButtonFace);

// The logical rectangle in text units of `unit` device pixels, its edges rounded to whole units.
Rect inTextUnits(const Rect& logical, const PixelGrid& grid, double unit) {
    return PixelGrid(grid.twipsPerPixel(), grid.devicePixelRatio() / unit).onDevice(logical);
}

void drawLabel(const Label& label, const PixelGrid& grid, TextMeasure& measure, DisplayList& list) {
    if (!label.Visible)
        return;
    const Rect box = grid.rect(label);
    const Rect area = grid.onDevice(box);
    const double unit = measure.unit();
    const double size = grid.fontPixels(label.Font.Size) * grid.devicePixelRatio() / unit;
    list.push_back(Caption{area, grid.covering(box), LabelBackground, unit, label.Font, size,
                           label.ForeColor,
                           layOutCaption(label.Caption, inTextUnits(box, grid, unit), label.Font,
                                         size, label.Alignment, measure)});
}

Point along(Point from, Point to, double length, double distance) {
    return {from.x + (to.x - from.x) * distance / length,
            from.y + (to.y - from.y) * distance / length};
}

// Dots a stroke long, a stroke apart, from half a stroke past `from`: the ends lie on pixel
// centres (odd widths) or corners, where the dots cover whole pixels.
Pixels dots(Point from, Point to, int width, const Colour& colour) {
    Pixels pixels{{}, colour};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    for (double start = width / 2.0; start < length; start += 2.0 * width) {
        const double end = std::min(start + width, length);
        fillConvex(
            strokeCorners(along(from, to, length, start), along(from, to, length, end), width, 0),
            pixels.spans);
    }
    return pixels;
}

Pixels roundEnd(Point centre, int width, const Colour& colour) {
    Pixels disc{{}, colour};
    fillDisc(centre, width, disc.spans);
    return disc;
}

void drawLine(const Line& line, const PixelGrid& grid, DisplayList& list) {
    const int width = grid.strokeWidth(line.BorderWidth);
    const Point from = grid.snap(line.X1, line.Y1, width);
    const Point to = grid.snap(line.X2, line.Y2, width);
    if (line.BorderStyle == BorderStyle::Dot) {
        list.emplace_back(std::in_place_type<Pixels>, dots(from, to, width, line.BorderColor));
        return;
    }
    // A one-pixel line reaches its end pixels whole; a wide one ends in a disc as wide as it.
    const bool wide = line.BorderWidth > 1;
    Pixels stroke{{}, line.BorderColor};
    fillConvex(strokeCorners(from, to, width, wide ? 0 : width / 2.0), stroke.spans);
    list.emplace_back(std::in_place_type<Pixels>, std::move(stroke));
    if (wide) {
        list.emplace_back(std::in_place_type<Pixels>, roundEnd(from, width, line.BorderColor));
        list.emplace_back(std::in_place_type<Pixels>, roundEnd(to, width, line.BorderColor));
    }
}

// The outline is stroked along its middle, a stroke wide just inside the box (a circle: the
// square of its smaller side, centred), on the box's device pixels.
Ring drawShape(const Shape& shape, const PixelGrid& grid) {
    const int width = grid.strokeWidth(1);
    const Rect area = grid.onDevice(grid.rect(shape));
    double boxWidth = area.width, boxHeight = area.height;
    if (shape.Shape == ShapeKind::Circle)
        boxWidth = boxHeight = std::min(boxWidth, boxHeight);
    Ring ring{{area.left + area.width / 2.0, area.top + area.height / 2.0},
              (boxWidth - width) / 2,
              (boxHeight - width) / 2,
              width,
              shape.BorderColor,
              {},
              area};
    if (shape.FillStyle == FillStyle::Solid)
        ring.fill = shape.FillColor;
    return ring;
}

Rect lineBounds(const Line& line, const PixelGrid& grid) {
    const int reach = (line.BorderWidth + 1) / 2 + SnapMargin;
    const double x1 = grid.pixels(line.X1), x2 = grid.pixels(line.X2);
    const double y1 = grid.pixels(line.Y1), y2 = grid.pixels(line.Y2);
    const int left = static_cast<int>(std::floor(std::min(x1, x2)));
    const int top = static_cast<int>(std::floor(std::min(y1, y2)));
    const int right = static_cast<int>(std::ceil(std::max(x1, x2)));
    const int bottom = static_cast<int>(std::ceil(std::max(y1, y2)));
    return {left - reach, top - reach, right - left + 2 * reach, bottom - top + 2 * reach};
}

} // namespace

bool isPainted(const ControlData& control) {
    return std::holds_alternative<Label>(control) || std::holds_alternative<Line>(control) ||
           std::holds_alternative<Shape>(control);
}

Rect paintedBounds(const ControlData& control, const PixelGrid& grid) {
    // Labels fill and clip to their box, and a shape's outline lies inside its box.
    return std::visit(Overloaded{
                          [&](const Label& label) { return grid.rect(label); },
                          [&](const Shape& shape) { return grid.rect(shape); },
                          [&](const Line& line) { return lineBounds(line, grid); },
                          [](const auto&) { return Rect(); },
                      },
                      control);
}

void drawControl(const ControlData& control, const PixelGrid& grid, TextMeasure& measure,
                 DisplayList& list) {
    std::visit(Overloaded{
                   [&](const Label& label) { drawLabel(label, grid, measure, list); },
                   [&](const Line& line) { drawLine(line, grid, list); },
                   [&](const Shape& shape) { list.push_back(drawShape(shape, grid)); },
                   [](const auto&) {},
               },
               control);
}

void drawExposed(const FormModel& form, const PixelGrid& grid, TextMeasure& measure,
                 std::span<const Rect> exposed, DisplayList& list) {
    const auto controls = form.controls();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) { // NOLINT
        if (paintedBounds(control->data, grid).meetsAny(exposed))
            drawControl(control->data, grid, measure, list);
    }
}

} // namespace molen::drawing
