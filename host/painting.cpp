#include "host/painting.h"

#include "host/qt_values.h"

#include <QPen>
#include <algorithm>
#include <cmath>

namespace molen {
namespace {

constexpr int AntialiasMargin = 2; // logical pixels

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

void paintLabel(QPainter& painter, const Label& label, const PixelGrid& grid,
                const QPalette& palette) {
    if (!label.Visible)
        return;
    const QRect box = grid.rect(label);
    painter.fillRect(box, palette.color(QPalette::Button));
    painter.save();
    painter.setClipRect(box);
    painter.setFont(toQFont(label.Font));
    painter.setPen(toQColor(label.ForeColor, palette));
    painter.drawText(box, toQAlignment(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap,
                     toQString(label.Caption));
    painter.restore();
}

QPen linePen(const Line& line, const QPalette& palette, double width) {
    QPen pen(toQColor(line.BorderColor, palette), width);
    if (line.BorderStyle == BorderStyle::Dot) {
        // Dots a stroke long, a stroke apart. The line's ends lie on pixel centres, so the
        // pattern starts half a stroke in, where the dots cover whole pixels.
        pen.setDashPattern({1.0, 1.0});
        pen.setDashOffset(1.5);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(line.BorderWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    }
    return pen;
}

void paintLine(QPainter& painter, const Line& line, const PixelGrid& grid,
               const QPalette& palette) {
    const double width = grid.strokeWidth(line.BorderWidth);
    painter.setPen(linePen(line, palette, width));
    painter.drawLine(grid.snap(grid.point(line.X1, line.Y1), width),
                     grid.snap(grid.point(line.X2, line.Y2), width));
}

// The area the box covers, edge to edge, where grid.rect() names its outermost pixels.
QRectF area(const Box& box, const PixelGrid& grid) {
    return grid.rect(box).toRectF().adjusted(0, 0, 1, 1);
}

// The circle's box: the square of the box's smaller side, centred in the box.
QRectF circleBox(const Shape& shape, const PixelGrid& grid) {
    const QRectF box = area(shape, grid);
    const double diameter = std::min(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    return circle;
}

void paintShape(QPainter& painter, const Shape& shape, const PixelGrid& grid,
                const QPalette& palette) {
    const double width = grid.strokeWidth(1);
    painter.setPen(QPen(toQColor(shape.BorderColor, palette), width));
    painter.setBrush(shape.FillStyle == FillStyle::Solid
                         ? QBrush(toQColor(shape.FillColor, palette))
                         : QBrush(Qt::NoBrush));
    const QRectF box =
        shape.Shape == ShapeKind::Circle ? circleBox(shape, grid) : area(shape, grid);
    painter.drawEllipse(box.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

QRect lineBounds(const Line& line, const PixelGrid& grid) {
    const int reach = (line.BorderWidth + 1) / 2 + AntialiasMargin;
    return QRectF(grid.point(line.X1, line.Y1), grid.point(line.X2, line.Y2))
        .normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach);
}

} // namespace

bool isPainted(const ControlData& control) {
    return std::holds_alternative<Label>(control) || std::holds_alternative<Line>(control) ||
           std::holds_alternative<Shape>(control);
}

void paint(QPainter& painter, const ControlData& control, const PixelGrid& grid,
           const QPalette& palette) {
    std::visit(Overloaded{
                   [&](const Label& label) { paintLabel(painter, label, grid, palette); },
                   [&](const Line& line) { paintLine(painter, line, grid, palette); },
                   [&](const Shape& shape) { paintShape(painter, shape, grid, palette); },
                   [](const auto&) {},
               },
               control);
}

QRect paintedBounds(const ControlData& control, const PixelGrid& grid) {
    // Labels fill and clip to their box, and a shape's outline lies inside its box.
    return std::visit(Overloaded{
                          [&](const Label& label) { return grid.rect(label); },
                          [&](const Shape& shape) { return grid.rect(shape); },
                          [&](const Line& line) { return lineBounds(line, grid); },
                          [](const auto&) { return QRect(); },
                      },
                      control);
}

} // namespace molen
