// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/painting.h"

#include "host/qt_values.h"

#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace molen {
namespace {

// Snapping a stroke to device pixels moves it by up to a pixel; the margin keeps it inside.
constexpr int SnapMargin = 2; // logical pixels

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang before 17 deduces no template arguments for aggregates without a guide.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// A cache key made of whole numbers: their bits as characters, many times cheaper to build
// than their decimal text. The first number says what the key is for.
QString bitsKey(std::initializer_list<qint64> numbers) {
    std::array<char16_t, 32> bits{};
    std::size_t size = 0;
    for (const qint64 number : numbers) {
        for (int shift = 0; shift < 64; shift += 16)
            bits.at(size++) = static_cast<char16_t>(static_cast<quint64>(number) >> shift);
    }
    return QString(reinterpret_cast<const QChar*>(bits.data()), static_cast<qsizetype>(size));
}

enum class CachedKind : qint64 { Label = 1, Shape, RoundEnd, DottedLine };

// A length or position as a whole number of 1/1024 pixels.
qint64 fine(double pixels) { return std::llround(pixels * 1024); }

// Draws what `draw` paints into `box` from a pixmap kept in QPixmapCache under `key`, painted
// once per key at the painter's scale. Labels, shapes and line ends change far less often than
// they are repainted, and laying out text or filling a curve costs many times a blit. The pixmap
// lies on whole device pixels, so what it holds is what direct painting would have put there.
template <class Draw>
void paintCached(QPainter& painter, const QRectF& box, const QString& key, Draw draw) {
    const double scale = painter.deviceTransform().m11();
    const QPointF origin(std::floor(box.left() * scale) / scale,
                         std::floor(box.top() * scale) / scale);
    const QString scaledKey = key + u'@' + bitsKey({std::lround(scale * 1000)});
    QPixmap pixmap;
    if (!QPixmapCache::find(scaledKey, &pixmap)) {
        pixmap = QPixmap(static_cast<int>(std::ceil((box.right() - origin.x()) * scale)),
                         static_cast<int>(std::ceil((box.bottom() - origin.y()) * scale)));
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

// A label's opaque box is the button face, as the theme has it now.
constexpr Colour LabelBackground = Colour::of(SystemColour::ButtonFace);

qint64 colourKey(const Colour& colour, const QPalette& palette) {
    return toQColor(colour, palette).rgba();
}

// The numbers' bits, then the face's name, a NUL (which no face name holds) and the caption.
QString labelKey(const Label& label, const QRect& box, const QPalette& palette) {
    return bitsKey({static_cast<qint64>(CachedKind::Label), std::lround(label.Font.Size * 100),
                    label.Font.Weight, colourKey(label.ForeColor, palette),
                    colourKey(LabelBackground, palette), static_cast<qint64>(label.Alignment),
                    box.width(), box.height()}) +
           toQString(label.Font.Name) + QChar(0) + toQString(label.Caption);
}

void drawLabel(QPainter& painter, const Label& label, const QRect& box, const QPalette& palette) {
    painter.fillRect(box, toQColor(LabelBackground, palette));
    painter.setClipRect(box);
    painter.setFont(toQFont(label.Font));
    painter.setPen(toQColor(label.ForeColor, palette));
    const Qt::Alignment flags = toQAlignment(label.Alignment) | Qt::AlignTop;
    painter.drawText(box, static_cast<int>(flags) | Qt::TextWordWrap, toQString(label.Caption));
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
        // Dots a stroke long, a stroke apart, from the line's start. Flat ends: a square end
        // would lengthen every dot by a stroke and close the gaps once a stroke is wider than
        // a device pixel.
        pen.setDashPattern({1.0, 1.0});
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(line.BorderWidth > 1 ? Qt::FlatCap : Qt::SquareCap);
    }
    return pen;
}

// A dotted stroke of odd device width lies on pixel centres; its ends move out by half a
// stroke to the pixels' edges, so that every dot and gap covers whole device pixels.
std::pair<QPointF, QPointF> dottedEnds(QPointF from, QPointF to, double width,
                                       const PixelGrid& grid) {
    if (grid.deviceWidth(width) % 2 == 0 || from == to)
        return {from, to};
    const QLineF span(from, to);
    const QPointF halfStroke = (span.p2() - span.p1()) * (width / 2 / span.length());
    return {from - halfStroke, to + halfStroke};
}

QRect lineBounds(const Line& line, const PixelGrid& grid) {
    const int reach = (line.BorderWidth + 1) / 2 + SnapMargin;
    return QRectF(grid.point(line.X1, line.Y1), grid.point(line.X2, line.Y2))
        .normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach);
}

// A dotted line from a pixmap. Qt strokes a dash pattern along the whole line however little of
// it is exposed, at several times the cost of a blit; and the form's dotted lines never move, so
// each is painted once.
void paintDottedLine(QPainter& painter, const QLineF& dots, const QPen& pen, const QRect& bounds) {
    const QString key =
        bitsKey({static_cast<qint64>(CachedKind::DottedLine), fine(dots.x1()), fine(dots.y1()),
                 fine(dots.x2()), fine(dots.y2()), pen.color().rgba(), fine(pen.widthF())});
    paintCached(painter, bounds, key, [&](QPainter& offscreen) {
        offscreen.setPen(pen);
        offscreen.drawLine(dots);
    });
}

// A wide line's round end: a disc as wide as the stroke. Qt's own round caps cost as much
// again as the line, a cached disc a small blit.
void paintRoundEnd(QPainter& painter, QPointF end, const QPen& pen) {
    const double width = pen.widthF();
    const QRectF disc(end - QPointF(width / 2, width / 2), QSizeF(width, width));
    const QString key =
        bitsKey({static_cast<qint64>(CachedKind::RoundEnd), pen.color().rgba(), fine(width)});
    paintCached(painter, disc, key, [&](QPainter& offscreen) {
        offscreen.setPen(Qt::NoPen);
        offscreen.setBrush(pen.color());
        offscreen.drawEllipse(disc);
    });
}

void paintLine(QPainter& painter, const Line& line, const PixelGrid& grid,
               const QPalette& palette) {
    const double width = grid.strokeWidth(line.BorderWidth);
    const QPen pen = linePen(line, palette, width);
    const QPointF from = grid.snap(grid.point(line.X1, line.Y1), width);
    const QPointF to = grid.snap(grid.point(line.X2, line.Y2), width);
    if (line.BorderStyle == BorderStyle::Dot) {
        const auto [start, end] = dottedEnds(from, to, width, grid);
        paintDottedLine(painter, QLineF(start, end), pen, lineBounds(line, grid));
        return;
    }
    painter.setPen(pen);
    painter.drawLine(from, to);
    if (line.BorderWidth > 1) {
        paintRoundEnd(painter, from, pen);
        paintRoundEnd(painter, to, pen);
    }
}

// The area the box covers, edge to edge: the pixels grid.rect() names, whole.
QRectF area(const Box& box, const PixelGrid& grid) { return grid.rect(box).toRectF(); }

// The circle's box: the square of the box's smaller side, centred in the box.
QRectF circleBox(const Shape& shape, const PixelGrid& grid) {
    const QRectF box = area(shape, grid);
    const double diameter = std::min(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    return circle;
}

QString shapeKey(const Shape& shape, const QRect& box, const QPalette& palette) {
    return bitsKey({static_cast<qint64>(CachedKind::Shape), static_cast<qint64>(shape.Shape),
                    static_cast<qint64>(shape.FillStyle), colourKey(shape.FillColor, palette),
                    colourKey(shape.BorderColor, palette), box.width(), box.height()});
}

// The outline is a ring a stroke wide just inside the box, filled rather than stroked: an
// aliased stroke laid on pixel centres falls to either side of them, leaving gaps and leaving the
// box. The ring and the inside are both filled as paths, so that they take complementary pixels.
void drawShape(QPainter& painter, const Shape& shape, const PixelGrid& grid,
               const QPalette& palette) {
    const double width = grid.strokeWidth(1);
    const QRectF box =
        shape.Shape == ShapeKind::Circle ? circleBox(shape, grid) : area(shape, grid);
    QPainterPath inside;
    inside.addEllipse(box.adjusted(width, width, -width, -width));
    if (shape.FillStyle == FillStyle::Solid)
        painter.fillPath(inside, toQColor(shape.FillColor, palette));
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(box);
    ring.addPath(inside);
    painter.fillPath(ring, toQColor(shape.BorderColor, palette));
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
