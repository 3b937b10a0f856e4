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
// with each span as three numbers y, left, length of one pixel high; ring(box, centre,
// radiusX, radiusY, width, border, fill or undefined), `box` the pixels it is clipped to;
// caption(clip, weight, pixelSize, colour, lines); clip(areas), to their union, until unclip(). The
// spans are a view on the module's memory, to be read before the call returns; only those inside
// the clip come.
class CanvasReplay {
  public:
    explicit CanvasReplay(emscripten::val canvas);

    // `ringBoxes` holds, for each Ring of the list in order, the device pixels it is clipped
    // to; a Ring beyond them takes the pixels that hold it.
    void play(const drawing::DisplayList& list, std::vector<drawing::Rect> ringBoxes = {});
    void clip(const std::vector<drawing::Rect>& areas);
    void unclip();

  private:
    void operator()(const drawing::FillRect& op);
    void operator()(const drawing::Stroke& op);
    void operator()(const drawing::Disc& op);
    void operator()(const drawing::Ring& op);
    void operator()(const drawing::Caption& op);
    void fillSpans(const std::vector<drawing::Span>& spans, const Colour& colour);
    bool insideClip(const drawing::Rect& pixels) const;

    emscripten::val canvas_;
    std::vector<drawing::Rect> ringBoxes_;
    std::size_t ring_ = 0;
    std::vector<drawing::Rect> clip_; // none: nothing clipped
    std::vector<int> spans_;          // reused from one stroke to the next
};

} // namespace molen::web
