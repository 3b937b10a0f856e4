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

// Dots a stroke long, a stroke apart. The ends lie on pixel centres (odd widths) or corners, so
// the pattern starts half a stroke before `from` where the dots cover whole pixels.
Stroke dottedStroke(Point from, Point to, int width, const Colour& colour) {
    Stroke stroke{from, to, width, false, true, colour, {}};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    for (double start = width / 2.0; start < length; start += 2.0 * width) {
        const double end = std::min(start + width, length);
        fillConvex(
            strokeCorners(along(from, to, length, start), along(from, to, length, end), width, 0),
            stroke.pixels);
    }
    if (width % 2 == 1 && length > 0) {
        const double half = width / 2.0;
        stroke.from = along(from, to, length, -half);
        stroke.to = along(from, to, length, length + half);
    }
    return stroke;
}

Disc roundEnd(Point centre, int width, const Colour& colour) {
    Disc disc{
        {centre.x - width / 2.0, centre.y - width / 2.0, double(width), double(width)}, colour, {}};
    fillDisc(centre, width, disc.pixels);
    return disc;
}

void drawLine(const Line& line, const PixelGrid& grid, DisplayList& list) {
    const int width = grid.strokeWidth(line.BorderWidth);
    const Point from = grid.snap(line.X1, line.Y1, width);
    const Point to = grid.snap(line.X2, line.Y2, width);
    if (line.BorderStyle == BorderStyle::Dot) {
        list.push_back(dottedStroke(from, to, width, line.BorderColor));
        return;
    }
    // A one-pixel line reaches its end pixels whole; a wide one ends in a disc as wide as it.
    const bool wide = line.BorderWidth > 1;
    Stroke stroke{from, to, width, !wide, false, line.BorderColor, {}};
    fillConvex(strokeCorners(from, to, width, wide ? 0 : width / 2.0), stroke.pixels);
    list.push_back(std::move(stroke));
    if (wide) {
        list.push_back(roundEnd(from, width, line.BorderColor));
        list.push_back(roundEnd(to, width, line.BorderColor));
    }
}

// A rectangle of `width` by `height` with its centre where `box`'s is.
RectF centred(const RectF& box, double width, double height) {
    return {box.left + box.width / 2 - width / 2, box.top + box.height / 2 - height / 2, width,
            height};
}

RectF scaled(const RectF& r, double factor) {
    return {r.left * factor, r.top * factor, r.width * factor, r.height * factor};
}

// The outline is a ring a stroke wide just inside the box (a circle: the square of its smaller
// side, centred), laid out in logical pixels and scaled, so that the figures are the ones a
// painter scaled to the device would fill.
Ring drawShape(const Shape& shape, const PixelGrid& grid) {
    const Rect box = grid.rect(shape);
    const double ratio = grid.devicePixelRatio();
    const int width = grid.strokeWidth(1);
    RectF outer{double(box.left), double(box.top), double(box.width), double(box.height)};
    if (shape.Shape == ShapeKind::Circle) {
        const double diameter = std::min(outer.width, outer.height);
        outer = centred(outer, diameter, diameter);
    }
    const double inset = width / ratio;
    const RectF inner{outer.left + inset, outer.top + inset, outer.width - inset - inset,
                      outer.height - inset - inset};
    // As a stroke along the middle of the outline, on the box's device pixels.
    const Rect area = grid.onDevice(box);
    RectF middle{double(area.left), double(area.top), double(area.width), double(area.height)};
    if (shape.Shape == ShapeKind::Circle) {
        const double diameter = std::min(middle.width, middle.height);
        middle = {middle.left + (middle.width - diameter) / 2,
                  middle.top + (middle.height - diameter) / 2, diameter, diameter};
    }
    Ring ring{scaled(outer, ratio),
              scaled(inner, ratio),
              {middle.left + middle.width / 2, middle.top + middle.height / 2},
              (middle.width - width) / 2,
              (middle.height - width) / 2,
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

DisplayList drawExposed(const FormModel& form, const PixelGrid& grid, TextMeasure& measure,
                        std::span<const Rect> exposed) {
    DisplayList list;
    const auto controls = form.controls();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) { // NOLINT
        if (paintedBounds(control->data, grid).meetsAny(exposed))
            drawControl(control->data, grid, measure, list);
    }
    return list;
}

} // namespace molen::drawing
