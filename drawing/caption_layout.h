// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A label's caption wrapped at words to its box and placed in it by its alignment, from the top,
// measured by the host's own text engine.
#pragma once

#include "drawing/display_list.h"
#include "model/controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace molen::drawing {

// A font's vertical measures, in text units.
struct LineMetrics {
    double ascent = 0;
    double lineHeight = 0; // from one baseline to the next
};

// The host's text engine. It measures text in text units of unit() device pixels each: 1 where
// it lays text out at the device's own size, the device pixel ratio where it lays text out at the
// logical size and scales it.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double unit() const = 0;
    // How far `text` in `font`, of `pixelSize` text units, advances, in text units.
    virtual double advance(std::string_view text, const Font& font, double pixelSize) = 0;
    virtual LineMetrics metrics(const Font& font, double pixelSize) = 0;
    // The width by which a wrapped line is aligned: by default that of the line without its
    // trailing spaces; an engine that aligns lines with their trailing spaces says so here.
    virtual double alignedWidth(std::string_view line, const Font& font, double pixelSize);
};

// The caption's lines, breaking only after a run of spaces; a word wider than `width` keeps a
// line of its own, and trailing spaces hang past the width.
std::vector<std::string> wrapAtWords(std::string_view caption, double width, const Font& font,
                                     double pixelSize, TextMeasure& measure);

// `caption` in `font` of `pixelSize` laid out in `box` (text units): each line without its
// trailing spaces, aligned by `alignment`, one line height below the last, rounded up to a whole
// text unit.
std::vector<CaptionLine> layOutCaption(std::string_view caption, const Rect& box, const Font& font,
                                       double pixelSize, Alignment alignment, TextMeasure& measure);

} // namespace molen::drawing
