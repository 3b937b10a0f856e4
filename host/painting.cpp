// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/painting.h"

#include "host/qt_values.h"

#include <QPen>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>

namespace molen {
namespace {

constexpr int AntialiasMargin = 2; // logical pixels

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang before 17 deduces no template arguments for aggregates without a guide.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Draws what `draw` paints into `box` from a pixmap kept in QPixmapCache under `key`, painted
// once per key at the painter's scale. Labels, shapes and line ends change far less often than
// they are repainted, and laying out text or filling a curve costs many times a blit. The pixmap
// lies on whole device pixels, so what it holds is what direct painting would have put there.
template <class Draw>
void paintCached(QPainter& painter, const QRectF& box, const QString& key, Draw draw) {
    const double scale = painter.deviceTransform().m11();
    const QPointF origin(std::floor(box.left() * scale) / scale,
                         std::floor(box.top() * scale) / scale);
    const QString scaledKey = key + u'@' + QString::number(std::lround(scale * 1000));
    QPixmap pixmap;
    if (!QPixmapCache::find(scaledKey, &pixmap)) {
        pixmap = QPixmap(std::ceil((box.right() - origin.x()) * scale),
                         std::ceil((box.bottom() - origin.y()) * scale));
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter offscreen(&pixmap);
        offscreen.translate(-origin);
        draw(offscreen);
        offscreen.end();
        QPixmapCache::insert(scaledKey, pixmap);
    }
    painter.drawPixmap(origin, pixmap);
}

QString colourKey(const Colour& colour, const QPalette& palette) {
    return QString::number(toQColor(colour, palette).rgba(), 16);
}

QString labelKey(const Label& label, const QRect& box, const QPalette& palette) {
    return QStringLiteral("label|") + toQString(label.Caption) + u'|' + toQString(label.Font.Name) +
           u'|' + QString::number(std::lround(label.Font.Size * 100)) + u'|' +
           QString::number(label.Font.Weight) + u'|' + colourKey(label.ForeColor, palette) + u'|' +
           colourKey(Colour::of(SystemColour::ButtonFace), palette) + u'|' +
           QString::number(static_cast<int>(label.Alignment)) + u'|' +
           QString::number(box.width()) + u'x' + QString::number(box.height());
}

void drawLabel(QPainter& painter, const Label& label, const QRect& box, const QPalette& palette) {
    painter.fillRect(box, palette.color(QPalette::Button));
    painter.setClipRect(box);
    painter.setFont(toQFont(label.Font));
    painter.setPen(toQColor(label.ForeColor, palette));
    painter.drawText(box, toQAlignment(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap,
                     toQString(label.Caption));
}

void paintLabel(QPainter& painter, const Label& label, const PixelGrid& grid,
                const QPalette& palette) {
    if (!label.Visible)
        return;
    const QRect box = grid.rect(label);
    paintCached(painter, box, labelKey(label, box, palette),
                [&](QPainter& offscreen) { drawLabel(offscreen, label, box, palette); });
}

QPen linePen(const Line& line, const QPalette& palette, double width) {
    QPen pen(toQColor(line.BorderColor, palette), width);
    if (line.BorderStyle == BorderStyle::Dot) {
        // Dots a stroke long, a stroke apart. The line's ends lie on pixel centres, so the
        // pattern starts half a stroke in, where the dots cover whole pixels.
        pen.setDashPattern({1.0, 1.0});
        pen.setDashOffset(1.5);
    }
    pen.setCapStyle(line.BorderWidth > 1 ? Qt::FlatCap : Qt::SquareCap);
    return pen;
}

// A wide line's round end: a disc as wide as the stroke. Qt's own round caps cost as much
// again as the line, a cached disc a small blit.
void paintRoundEnd(QPainter& painter, QPointF end, const QPen& pen) {
    const double width = pen.widthF();
    const QRectF disc(end - QPointF(width / 2, width / 2), QSizeF(width, width));
    const QString key = QStringLiteral("end|") + QString::number(pen.color().rgba(), 16) + u'|' +
                        QString::number(std::lround(width * 1000));
    paintCached(painter, disc, key, [&](QPainter& offscreen) {
        offscreen.setPen(Qt::NoPen);
        offscreen.setBrush(pen.color());
        offscreen.drawEllipse(disc);
    });
}

QRect lineBounds(const Line& line, const PixelGrid& grid) {
    const int reach = (line.BorderWidth + 1) / 2 + AntialiasMargin;
    return QRectF(grid.point(line.X1, line.Y1), grid.point(line.X2, line.Y2))
        .normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach);
}

void paintLine(QPainter& painter, const Line& line, const PixelGrid& grid,
               const QPalette& palette) {
    const double width = grid.strokeWidth(line.BorderWidth);
    const QPen pen = linePen(line, palette, width);
    const QPointF from = grid.snap(grid.point(line.X1, line.Y1), width);
    const QPointF to = grid.snap(grid.point(line.X2, line.Y2), width);
    painter.setPen(pen);
    painter.drawLine(from, to);
    if (line.BorderWidth > 1 && line.BorderStyle != BorderStyle::Dot) {
        paintRoundEnd(painter, from, pen);
        paintRoundEnd(painter, to, pen);
    }
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

QString shapeKey(const Shape& shape, const QRect& box, const QPalette& palette) {
    return QStringLiteral("shape|") + QString::number(static_cast<int>(shape.Shape)) + u'|' +
           QString::number(static_cast<int>(shape.FillStyle)) + u'|' +
           colourKey(shape.FillColor, palette) + u'|' + colourKey(shape.BorderColor, palette) +
           u'|' + QString::number(box.width()) + u'x' + QString::number(box.height());
}

void drawShape(QPainter& painter, const Shape& shape, const PixelGrid& grid,
               const QPalette& palette) {
    const double width = grid.strokeWidth(1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(shape.BorderColor, palette), width));
    painter.setBrush(shape.FillStyle == FillStyle::Solid
                         ? QBrush(toQColor(shape.FillColor, palette))
                         : QBrush(Qt::NoBrush));
    const QRectF box =
        shape.Shape == ShapeKind::Circle ? circleBox(shape, grid) : area(shape, grid);
    painter.drawEllipse(box.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void paintShape(QPainter& painter, const Shape& shape, const PixelGrid& grid,
                const QPalette& palette) {
    const QRect box = grid.rect(shape);
    paintCached(painter, box, shapeKey(shape, box, palette),
                [&](QPainter& offscreen) { drawShape(offscreen, shape, grid, palette); });
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
