// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/qt_painter.h"

#include "drawing/overloaded.h"
#include "host/qt_values.h"

#include <QFontMetricsF>
#include <QPixmap>
#include <QScreen>

namespace molen {
namespace {

void paintPixels(QPainter& painter, const drawing::Pixels& pixels, const QPalette& palette) {
    const QColor colour = toQColor(pixels.colour, palette);
    for (const drawing::Span& span : pixels.spans)
        painter.fillRect(span.left, span.y, span.length, 1, colour);
}

// Antialiased, as circles look best, clipped to the shape's box.
void paintRing(QPainter& painter, const drawing::Ring& ring, const QPalette& palette) {
    painter.save();
    painter.setClipRect(toQRect(ring.box), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(ring.fill ? QBrush(toQColor(*ring.fill, palette)) : QBrush(Qt::NoBrush));
    painter.setPen(QPen(toQColor(ring.border, palette), ring.width));
    painter.drawEllipse(QPointF(ring.centre.x, ring.centre.y), ring.radiusX, ring.radiusY);
    painter.restore();
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
                [&](const drawing::Pixels& pixels) { paintPixels(painter, pixels, palette); },
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
