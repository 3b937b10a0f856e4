// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/canvas.h"

#include "host/painting.h"

namespace molen {

Canvas::Canvas(const FormModel& form, const PixelGrid& grid)
    : form_(form)
    , grid_(grid) {
    for (const Control& control : form.controls())
        reported_.push_back(isPainted(control.data) ? std::optional(control.data) : std::nullopt);
}

QRegion Canvas::takeStaleRegion(ControlId id) {
    std::optional<ControlData>& reported = reported_.at(id);
    const ControlData& current = form_.controls()[id].data;
    if (!reported || *reported == current)
        return {};
    QRegion region(paintedBounds(*reported, grid_));
    region += paintedBounds(current, grid_);
    reported = current;
    return region;
}

void Canvas::paint(QPainter& painter, const QRegion& exposed, const QPalette& palette) const {
    // The device's own ratio would miss a redirected painter's scale, as in QWidget::render.
    const PixelGrid grid = grid_.onDevice(painter.deviceTransform().m11());
    // Back to front by iterators: Clang 14 cannot compile libstdc++ 12's views::reverse.
    const auto controls = form_.controls();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) { // NOLINT
        if (exposed.intersects(paintedBounds(control->data, grid)))
            molen::paint(painter, control->data, grid, palette);
    }
}

} // namespace molen
