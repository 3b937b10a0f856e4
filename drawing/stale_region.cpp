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
    , grid_(grid)
    , followed_(form.controls().size()) {
    for (const Control& control : form.controls())
        taken_.push_back(isPainted(control.data) ? std::optional(control.data) : std::nullopt);
}

void StaleRegion::follow(ControlId id) {
    if (taken_.at(id))
        followed_[id] = true;
}

void StaleRegion::addAll(const Rect& area) {
    if (area.empty())
        return;
    added_.push_back(area);
    if (added_.size() > MostAdded) {
        Rect all;
        for (const Rect& rect : added_)
            all = all.united(rect);
        added_ = {all};
    }
}

void StaleRegion::takeControl(ControlId id, std::vector<Rect>& rects) {
    std::optional<ControlData>& taken = taken_[id];
    const ControlData& current = form_.controls()[id].data;
    if (*taken == current)
        return;
    rects.push_back(paintedBounds(*taken, grid_));
    rects.push_back(paintedBounds(current, grid_));
    taken = current;
}

std::vector<Rect> StaleRegion::take() {
    std::vector<Rect> rects = std::exchange(added_, {});
    for (ControlId id = 0; id < followed_.size(); ++id) {
        if (followed_[id])
            takeControl(id, rects);
        followed_[id] = false;
    }
    return cheapestToRepaint(rects);
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
