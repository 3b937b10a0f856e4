// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A display list handed to the page's canvas backend, cut to the device pixels being repainted.
#pragma once

#include "drawing/display_list.h"

#include <emscripten/val.h>
#include <vector>

namespace molen::web {

// The backend's calls, all in device pixels, each colour a CSS colour: fillRects(rects, colour),
// `rects` a view on the module's memory of four numbers a rectangle (left, top, width, height),
// to be read before the call returns; ring(clips, box, centre, radiusX, radiusY, width, border,
// fill or undefined), `box` the pixels the ring is clipped to, and caption(clips, weight,
// pixelSize, colour, lines), each drawn inside the union of `clips`, an array of rectangles.
//
// Every operation comes cut to `area`, rectangles that may overlap: what is filled whole pixels
// at a time comes as its pixels inside them, what is antialiased with the pieces of its box
// inside them to clip to. A canvas clips to one rectangle far more cheaply than to many, and a
// figure crossing several rectangles is drawn once.
class CanvasReplay {
  public:
    CanvasReplay(emscripten::val canvas, std::vector<drawing::Rect> area);

    void play(const drawing::DisplayList& list);

  private:
    void operator()(const drawing::FillRect& op);
    void operator()(const drawing::Pixels& op);
    void operator()(const drawing::Ring& op);
    void operator()(const drawing::Caption& op);
    void addInside(const drawing::Rect& pixels);
    void addRect(const drawing::Rect& rect);
    void fill(const Colour& colour);
    std::vector<drawing::Rect> piecesOf(const drawing::Rect& box) const;

    emscripten::val canvas_;
    std::vector<drawing::Rect> area_;
    std::vector<int> rects_; // to fill in one call, reused from one operation to the next
};

} // namespace molen::web
