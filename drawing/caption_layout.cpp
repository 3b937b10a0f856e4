// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/caption_layout.h"

#include <cmath>

namespace molen::drawing {
namespace {

std::string_view withoutTrailingSpaces(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The words of `caption`, each with the spaces that follow it.
std::vector<std::string_view> words(std::string_view caption) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (start < caption.size()) {
        std::size_t end = caption.find_first_not_of(' ', caption.find(' ', start));
        if (end == std::string_view::npos)
            end = caption.size();
        result.push_back(caption.substr(start, end - start));
        start = end;
    }
    return result;
}

} // namespace

double TextMeasure::alignedWidth(std::string_view line, const Font& font, double pixelSize) {
    return advance(withoutTrailingSpaces(line), font, pixelSize);
}

std::vector<std::string> wrapAtWords(std::string_view caption, double width, const Font& font,
                                     double pixelSize, TextMeasure& measure) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string_view word : words(caption)) {
        std::string candidate = line + std::string(word);
        const double shownWidth =
            measure.advance(withoutTrailingSpaces(candidate), font, pixelSize);
        if (!line.empty() && shownWidth > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = std::move(candidate);
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

std::vector<CaptionLine> layOutCaption(std::string_view caption, const Rect& box, const Font& font,
                                       double pixelSize, Alignment alignment,
                                       TextMeasure& measure) {
    const LineMetrics metrics = measure.metrics(font, pixelSize);
    std::vector<CaptionLine> placed;
    double top = 0; // of the line, below the box's top
    for (const std::string& line : wrapAtWords(caption, box.width, font, pixelSize, measure)) {
        const std::string_view shown = withoutTrailingSpaces(line);
        const double width = measure.alignedWidth(line, font, pixelSize);
        double x = box.left;
        if (alignment == Alignment::Right)
            x += box.width - width;
        else if (alignment == Alignment::Centre)
            x += (box.width - width) / 2;
        placed.push_back({std::string(shown), x, box.top + top + metrics.ascent});
        top = std::ceil(top + metrics.lineHeight); // lines start on whole text units
    }
    return placed;
}

} // namespace molen::drawing
