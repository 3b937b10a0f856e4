// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_text_measure.h"

#include <string>
#include <utility>

namespace molen::web {
namespace {

// The readouts write ever new numbers: past this many texts the measures start afresh.
constexpr std::size_t MostAdvances = 4096;

} // namespace

WebTextMeasure::WebTextMeasure(emscripten::val measure)
    : measure_(std::move(measure)) {}

double WebTextMeasure::advance(std::string_view text, const Font& font, double pixelSize) {
    Key key{font.Weight, pixelSize, std::string(text)};
    if (const auto known = advances_.find(key); known != advances_.end())
        return known->second;
    if (advances_.size() >= MostAdvances)
        advances_.clear();
    const double width = measure_.call<double>("advance", std::get<2>(key), font.Weight, pixelSize);
    advances_.emplace(std::move(key), width);
    return width;
}

drawing::LineMetrics WebTextMeasure::metrics(const Font& font, double pixelSize) {
    const std::pair key{font.Weight, pixelSize};
    if (const auto known = metrics_.find(key); known != metrics_.end())
        return known->second;
    const auto measured = measure_.call<drawing::LineMetrics>("metrics", font.Weight, pixelSize);
    metrics_.emplace(key, measured);
    return measured;
}

} // namespace molen::web
