// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the form's twips fall on the window's logical pixels, and how strokes are laid on whole
// device pixels so that they stay crisp at any device pixel ratio.
#pragma once

#include "drawing/geometry.h"
#include "model/controls.h"

namespace molen::drawing {

class PixelGrid {
  public:
    explicit PixelGrid(double twipsPerPixel, double devicePixelRatio = 1);
    // The grid of a screen of `dotsPerInch` logical pixels to the inch; 15 twips per pixel
    // where the screen says none. A web page's CSS pixels are 96 to the inch.
    static PixelGrid forDotsPerInch(double dotsPerInch);
    // This grid's logical pixels on a device of `devicePixelRatio` device pixels to each.
    PixelGrid onDevice(double devicePixelRatio) const {
        return PixelGrid(twipsPerPixel_, devicePixelRatio);
    }

    double twipsPerPixel() const { return twipsPerPixel_; }
    double devicePixelRatio() const { return devicePixelRatio_; }
    double pixels(double twips) const { return twips / twipsPerPixel_; }
    double twips(double pixels) const { return pixels * twipsPerPixel_; }
    // A font's size of `points` in logical pixels.
    double fontPixels(float points) const;
    // The box's edges, each rounded to the nearest logical pixel.
    Rect rect(const Box& box) const;
    // The logical rectangle's edges on the device, each rounded to the nearest device pixel.
    Rect onDevice(const Rect& logical) const;
    // The device pixels that hold any part of the logical rectangle.
    Rect covering(const Rect& logical) const;

    // Device pixels a stroke `pixels` logical pixels wide covers: rounded, at least one.
    int strokeWidth(int pixels) const;
    // The point, given in twips, in device pixels, at the device pixel centre (odd widths) or
    // corner (even widths) nearest to it, where a stroke that wide covers whole pixels.
    Point snap(float x, float y, int deviceWidth) const;

  private:
    double snap(double twips, int deviceWidth) const;

    double twipsPerPixel_;
    double devicePixelRatio_;
};

} // namespace molen::drawing
