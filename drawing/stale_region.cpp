// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing/stale_region.h"

#include "drawing/form_drawing.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

namespace molen::drawing {

StaleRegion::StaleRegion(const FormModel& form, const PixelGrid& grid)
    : form_(form)
    , grid_(grid) {
    for (const Control& control : form.controls())
        taken_.push_back(isPainted(control.data) ? std::optional(control.data) : std::nullopt);
}

void StaleRegion::follow(ControlId id) {
    std::optional<ControlData>& taken = taken_.at(id);
    const ControlData& current = form_.controls()[id].data;
    if (!taken || *taken == current)
        return;
    stale_.push_back(paintedBounds(*taken, grid_));
    stale_.push_back(paintedBounds(current, grid_));
    taken = current;
}

void StaleRegion::addAll(const Rect& area) { stale_.push_back(area); }

std::vector<Rect> StaleRegion::take() {
    std::vector<Rect> rects = cheapestToRepaint(stale_);
    stale_.clear();
    return rects;
}

std::vector<Rect> cheapestToRepaint(std::span<const Rect> rects) {
    Rect bounds;
    for (const Rect& rect : rects)
        bounds = bounds.united(rect);
    if (bounds.empty())
        return {};
    if (2 * unionArea(rects) >= bounds.area())
        return {bounds};
    std::vector<Rect> kept;
    std::copy_if(rects.begin(), rects.end(), std::back_inserter(kept),
                 [](const Rect& rect) { return !rect.empty(); });
    return kept;
}

long unionArea(std::span<const Rect> rects) {
    // Column by column between the rectangles' vertical edges, the rows they cover there.
    std::vector<int> edges;
    for (const Rect& rect : rects) {
        if (!rect.empty())
            edges.insert(edges.end(), {rect.left, rect.left + rect.width});
    }
    std::sort(edges.begin(), edges.end());
    long area = 0;
    for (std::size_t i = 1; i < edges.size(); ++i) {
        std::vector<std::pair<int, int>> rows;
        for (const Rect& rect : rects) {
            if (!rect.empty() && rect.left <= edges[i - 1] && edges[i] <= rect.left + rect.width)
                rows.emplace_back(rect.top, rect.top + rect.height);
        }
        std::sort(rows.begin(), rows.end());
        int covered = 0, reached = INT_MIN;
        for (const auto& [top, bottom] : rows) {
            covered += std::max(0, bottom - std::max(top, reached));
            reached = std::max(reached, bottom);
        }
        area += long(covered) * (edges[i] - edges[i - 1]);
    }
    return area;
}

} // namespace molen::drawing
