// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A display list handed to the page's canvas backend, one call for each operation.
#pragma once

#include "drawing/display_list.h"

#include <emscripten/val.h>
#include <vector>

namespace molen::web {

// The backend's calls, all in device pixels: fillRect(area, colour); fillSpans(spans, colour)
// with each span as three numbers y, left, length of one pixel high; ring(layer, centre,
// radiusX, radiusY, width, border, fill or undefined), `layer` the pixels that hold it;
// caption(clip, weight, pixelSize, colour, lines); clip(area) until unclip(). The spans are a view
// on the module's memory, to be read before the call returns.
class CanvasReplay {
  public:
    explicit CanvasReplay(emscripten::val canvas);

    // `ringLayers` holds, for each Ring of the list in order, the device pixels of the layer it
    // is composited on; a Ring beyond them takes the pixels that hold it.
    void play(const drawing::DisplayList& list, std::vector<drawing::Rect> ringLayers = {});
    void clip(const drawing::Rect& area) { canvas_.call<void>("clip", area); }
    void unclip() { canvas_.call<void>("unclip"); }

  private:
    void operator()(const drawing::FillRect& op);
    void operator()(const drawing::Stroke& op);
    void operator()(const drawing::Disc& op);
    void operator()(const drawing::Ring& op);
    void operator()(const drawing::Caption& op);
    void fillSpans(const std::vector<drawing::Span>& spans, const Colour& colour);

    emscripten::val canvas_;
    std::vector<drawing::Rect> ringLayers_;
    std::size_t ring_ = 0;
    std::vector<int> spans_; // reused from one stroke to the next
};

} // namespace molen::web
