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

class StaleRegion {
  public:
    // Follows the painted controls of `form`, which outlives it, on `grid`.
    StaleRegion(const FormModel& form, const PixelGrid& grid);

    // Adds the old and new bounds of control `id` if it is painted and differs from what was
    // last taken; afterwards its current state counts as taken.
    void follow(ControlId id);
    // Adds the whole form's area, as after a resize.
    void addAll(const Rect& area);
    // The rectangles to repaint, and none from then on.
    std::vector<Rect> take();

  private:
    const FormModel& form_;
    PixelGrid grid_;
    std::vector<std::optional<ControlData>> taken_;
    std::vector<Rect> stale_;
};

// Painting clips to one rectangle far more cheaply than to many, so rectangles whose union
// covers at least half of their bounds are repainted as those bounds; otherwise as they are.
std::vector<Rect> cheapestToRepaint(std::span<const Rect> rects);

// The area the rectangles cover together, each pixel counted once.
long unionArea(std::span<const Rect> rects);

} // namespace molen::drawing
