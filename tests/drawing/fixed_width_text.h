// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text engine whose every character advances five text units, for layouts worked out by hand.
#pragma once

#include "drawing/caption_layout.h"

namespace molen::drawing {

class FixedWidthText : public TextMeasure {
  public:
    static constexpr double CharacterWidth = 5, Ascent = 9, LineHeight = 13;

    explicit FixedWidthText(double unit = 1)
        : unit_(unit) {}
    double unit() const override { return unit_; }
    double advance(std::string_view text, const Font&, double) override {
        return CharacterWidth * static_cast<double>(text.size());
    }
    LineMetrics metrics(const Font&, double pixelSize) override {
        lastPixelSize = pixelSize;
        return {Ascent, LineHeight};
    }

    double lastPixelSize = 0;

  private:
    double unit_;
};

} // namespace molen::drawing
