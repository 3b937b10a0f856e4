// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/qt_painter.h"

#include "drawing/overloaded.h"
#include "host/qt_values.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>

namespace molen {
namespace {

QPointF toQPoint(const drawing::Point& p) { return {p.x, p.y}; }
QRectF toQRectF(const drawing::RectF& r) { return {r.left, r.top, r.width, r.height}; }

void paintStroke(QPainter& painter, const drawing::Stroke& stroke, const QPalette& palette) {
    QPen pen(toQColor(stroke.colour, palette), stroke.width);
    pen.setCapStyle(stroke.squareCap ? Qt::SquareCap : Qt::FlatCap);
    if (stroke.dotted)
        pen.setDashPattern({1.0, 1.0}); // in stroke widths
    painter.setPen(pen);
    painter.drawLine(toQPoint(stroke.from), toQPoint(stroke.to));
}

void paintDisc(QPainter& painter, const drawing::Disc& disc, const QPalette& palette) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(disc.colour, palette));
    painter.drawEllipse(toQRectF(disc.box));
}

// The ring and the inside are both filled as paths, so that they take complementary pixels.
void paintRing(QPainter& painter, const drawing::Ring& ring, const QPalette& palette) {
    QPainterPath inside;
    inside.addEllipse(toQRectF(ring.inner));
    if (ring.fill)
        painter.fillPath(inside, toQColor(*ring.fill, palette));
    QPainterPath outline;
    outline.setFillRule(Qt::OddEvenFill);
    outline.addEllipse(toQRectF(ring.outer));
    outline.addPath(inside);
    painter.fillPath(outline, toQColor(ring.border, palette));
}

// A caption is drawn on its box in a picture of the device pixels the box touches, then copied:
// Qt places glyphs at coordinates below zero a little apart from those above, and the banner runs
// out past the window's left edge.
QPixmap captionPicture(const drawing::Caption& caption, const QPalette& palette, double ratio) {
    const drawing::Rect& touched = caption.touched;
    QPixmap picture(touched.width, touched.height);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-touched.left / ratio, -touched.top / ratio); // to the window's pixels
    painter.save();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    painter.fillRect(toQRect(caption.clip), toQColor(caption.background, palette));
    painter.setClipRect(toQRect(caption.clip));
    painter.restore();
    const double scale = caption.unit / ratio; // text units to logical pixels
    painter.scale(scale, scale);
    painter.setFont(toQFont(caption.font));
    painter.setPen(toQColor(caption.colour, palette));
    for (const drawing::CaptionLine& line : caption.lines)
        painter.drawText(QPointF(line.x, line.baseline), QString::fromStdString(line.text));
    return picture;
}

// The painter paints device pixels, of `ratio` to each logical pixel.
void paintCaption(QPainter& painter, const drawing::Caption& caption, const QPalette& palette,
                  double ratio) {
    if (caption.touched.empty())
        return;
    painter.save();
    painter.resetTransform();
    painter.drawPixmap(QPointF(caption.touched.left / ratio, caption.touched.top / ratio),
                       captionPicture(caption, palette, ratio));
    painter.restore();
}

} // namespace

drawing::PixelGrid gridForScreen(const QScreen* screen) {
    return drawing::PixelGrid::forDotsPerInch(screen ? screen->logicalDotsPerInch() : 0);
}

QRegion toQRegion(std::span<const drawing::Rect> rects) {
    QRegion region;
    for (const drawing::Rect& rect : rects)
        region += toQRect(rect);
    return region;
}

std::vector<drawing::Rect> toRects(const QRegion& region) {
    std::vector<drawing::Rect> rects;
    for (const QRect& r : region)
        rects.push_back({r.x(), r.y(), r.width(), r.height()});
    return rects;
}

double QtTextMeasure::advance(std::string_view text, const Font& font, double) {
    return QFontMetricsF(toQFont(font))
        .horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

drawing::LineMetrics QtTextMeasure::metrics(const Font& font, double) {
    const QFontMetricsF metrics(toQFont(font));
    return {metrics.ascent(), metrics.height() + metrics.leading()};
}

void paintDisplayList(QPainter& painter, const drawing::DisplayList& list,
                      const QPalette& palette) {
    painter.save();
    // The operations are in device pixels.
    const double ratio = painter.deviceTransform().m11();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (const drawing::Operation& operation : list) {
        std::visit(
            Overloaded{
                [&](const drawing::FillRect& fill) {
                    painter.fillRect(toQRect(fill.area), toQColor(fill.colour, palette));
                },
                [&](const drawing::Stroke& stroke) { paintStroke(painter, stroke, palette); },
                [&](const drawing::Disc& disc) { paintDisc(painter, disc, palette); },
                [&](const drawing::Ring& ring) { paintRing(painter, ring, palette); },
                [&](const drawing::Caption& caption) {
                    paintCaption(painter, caption, palette, ratio);
                },
            },
            operation);
    }
    painter.restore();
}

} // namespace molen
