// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the form's twips fall on the window's logical pixels, and how strokes are laid on whole
// device pixels so that they stay crisp at any scale factor.
#pragma once

#include "model/controls.h"

#include <QPointF>
#include <QRect>

class QScreen;

namespace molen {

class PixelGrid {
  public:
    explicit PixelGrid(double twipsPerPixel, double devicePixelRatio = 1);
    // The grid of `screen`'s logical dots per inch; 15 twips per pixel where there is none.
    static PixelGrid forScreen(const QScreen* screen);
    // This grid's logical pixels on a device of `devicePixelRatio` device pixels to each.
    PixelGrid onDevice(double devicePixelRatio) const {
        return PixelGrid(twipsPerPixel_, devicePixelRatio);
    }

    double twipsPerPixel() const { return twipsPerPixel_; }
    double pixels(double twips) const { return twips / twipsPerPixel_; }
    double twips(double pixels) const { return pixels * twipsPerPixel_; }
    QPointF point(float x, float y) const { return {pixels(x), pixels(y)}; }
    // The box's edges, each rounded to the nearest logical pixel.
    QRect rect(const Box& box) const;

    // A stroke `pixels` logical pixels wide, rounded to a whole number of device pixels (at
    // least one), in logical pixels.
    double strokeWidth(int pixels) const;
    // How many device pixels a stroke of `strokeWidth` logical pixels covers.
    long deviceWidth(double strokeWidth) const;
    // The device pixel centre (odd widths) or corner (even widths) nearest to `p`, where a
    // stroke of that width covers whole pixels.
    QPointF snap(QPointF p, double strokeWidth) const;

  private:
    double snap(double coordinate, long deviceWidth) const;

    double twipsPerPixel_;
    double devicePixelRatio_;
};

} // namespace molen
