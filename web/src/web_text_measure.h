// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's text engine as the drawing layer's TextMeasure: the page's measuring object lays
// text out at the device's own size, so a text unit is one device pixel. What it measured once
// it gives again without asking: the faces never change once the page has loaded them.
#pragma once

#include "drawing/caption_layout.h"

#include <emscripten/val.h>
#include <map>
#include <string>
#include <tuple>

namespace molen::web {

class WebTextMeasure : public drawing::TextMeasure {
  public:
    // `measure` has advance(text, weight, pixelSize) and metrics(weight, pixelSize), the latter
    // giving {ascent, lineHeight}, all in device pixels.
    explicit WebTextMeasure(emscripten::val measure);

    double unit() const override { return 1; }
    double advance(std::string_view text, const Font& font, double pixelSize) override;
    drawing::LineMetrics metrics(const Font& font, double pixelSize) override;

  private:
    using Key = std::tuple<int, double, std::string>; // weight, pixel size, text
    emscripten::val measure_;
    std::map<Key, double> advances_;
    std::map<std::pair<int, double>, drawing::LineMetrics> metrics_;
};

} // namespace molen::web
