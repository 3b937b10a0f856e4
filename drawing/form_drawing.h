// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the form's painted controls (labels, lines, shapes) look like on a device: the operations
// that paint each one, and the logical pixels each one's painting may touch.
#pragma once

#include "drawing/caption_layout.h"
#include "drawing/display_list.h"
#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <span>

namespace molen::drawing {

// Whether the control is painted on the form rather than being a widget or invisible.
bool isPainted(const ControlData& control);

// The logical pixels that painting the control may touch, visible or not: a label's or shape's
// box, a line's span widened by its stroke and snapping; empty for kinds that are not painted.
Rect paintedBounds(const ControlData& control, const PixelGrid& grid);

// Appends what paints the control on `grid`'s device to `list`; a hidden label and the kinds
// that are not painted add nothing.
void drawControl(const ControlData& control, const PixelGrid& grid, TextMeasure& measure,
                 DisplayList& list);

// Appends what paints the painted controls that meet any of the `exposed` logical rectangles,
// the rearmost first, to `list`.
void drawExposed(const FormModel& form, const PixelGrid& grid, TextMeasure& measure,
                 std::span<const Rect> exposed, DisplayList& list);
inline DisplayList drawExposed(const FormModel& form, const PixelGrid& grid, TextMeasure& measure,
                               std::span<const Rect> exposed) {
    DisplayList list;
    drawExposed(form, grid, measure, exposed, list);
    return list;
}

} // namespace molen::drawing
