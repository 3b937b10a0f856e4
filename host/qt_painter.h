// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing handed to QPainter: its operations become QPainter calls, its text is measured by
// Qt's text engine, and its rectangles become QRects.
#pragma once

#include "drawing/caption_layout.h"
#include "drawing/display_list.h"
#include "drawing/pixel_grid.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QRegion>
#include <span>
#include <vector>

class QScreen;

namespace molen {

// The grid of `screen`'s logical dots per inch, or of none.
drawing::PixelGrid gridForScreen(const QScreen* screen);

inline QRect toQRect(const drawing::Rect& r) { return {r.left, r.top, r.width, r.height}; }
QRegion toQRegion(std::span<const drawing::Rect> rects);
std::vector<drawing::Rect> toRects(const QRegion& region);

// Qt lays text out at the logical size and scales it to the device.
class QtTextMeasure : public drawing::TextMeasure {
  public:
    explicit QtTextMeasure(double devicePixelRatio)
        : ratio_(devicePixelRatio) {}
    double unit() const override { return ratio_; }
    // Qt sizes the font from its points; the pixel size follows from them.
    double advance(std::string_view text, const Font& font, double pixelSize) override;
    drawing::LineMetrics metrics(const Font& font, double pixelSize) override;
    // Qt aligns a line of wrapped text with its trailing spaces.
    double alignedWidth(std::string_view line, const Font& font, double pixelSize) override {
        return advance(line, font, pixelSize);
    }

  private:
    double ratio_;
};

// Paints `list`, in order, on a painter that paints logical pixels of the device's ratio: the
// very pixels the drawing worked out for each line, and the rings antialiased.
void paintDisplayList(QPainter& painter, const drawing::DisplayList& list, const QPalette& palette);

} // namespace molen
