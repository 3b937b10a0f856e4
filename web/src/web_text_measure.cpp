// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_text_measure.h"

#include <string>
#include <utility>

namespace molen::web {

WebTextMeasure::WebTextMeasure(emscripten::val measure)
    : measure_(std::move(measure)) {}

double WebTextMeasure::advance(std::string_view text, const Font& font, double pixelSize) {
    return measure_.call<double>("advance", std::string(text), font.Weight, pixelSize);
}

drawing::LineMetrics WebTextMeasure::metrics(const Font& font, double pixelSize) {
    return measure_.call<drawing::LineMetrics>("metrics", font.Weight, pixelSize);
}

} // namespace molen::web
