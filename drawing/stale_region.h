// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which logical pixels of the form a change in the model has made stale, and how to repaint
// them cheaply.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <optional>
#include <span>
#include <vector>

namespace molen::drawing {

// Bounded however many changes come between two takes (a tab in the background for an hour, a
// minimised window): it holds at most two rectangles a painted control, its bounds as last taken
// and as they are when taken now, and at most MostAdded added areas, so that taking it never
// costs more than repainting what all of those cover.
class StaleRegion {
  public:
    static constexpr std::size_t MostAdded = 16;

    // Follows the painted controls of `form`, which outlives it, on `grid`.
    StaleRegion(const FormModel& form, const PixelGrid& grid);

    // Control `id` may have changed. At the next take its old and new bounds are stale if it is
    // painted and differs from what was last taken; only the state it is in then counts, so a
    // control that changed a thousand times counts once.
    void follow(ControlId id);
    // Adds an area to paint afresh, as after a resize; beyond MostAdded areas, they are merged
    // into the rectangle that holds them all.
    void addAll(const Rect& area);
    // The rectangles to repaint, and none from then on.
    std::vector<Rect> take();

  private:
    void takeControl(ControlId id, std::vector<Rect>& rects);

    const FormModel& form_;
    PixelGrid grid_;
    std::vector<std::optional<ControlData>> taken_;
    std::vector<bool> followed_;
    std::vector<Rect> added_;
};

// Painting clips to one rectangle far more cheaply than to many, so rectangles whose union
// covers at least half of their bounds are repainted as those bounds; otherwise as they are.
std::vector<Rect> cheapestToRepaint(std::span<const Rect> rects);

// The area the rectangles cover together, each pixel counted once.
long unionArea(std::span<const Rect> rects);

} // namespace molen::drawing
