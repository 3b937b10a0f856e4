// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/canvas.h"

#include "host/painting.h"

namespace molen {

Canvas::Canvas(const FormModel& form, double twipsPerPixel)
    : form_(form)
    , twipsPerPixel_(twipsPerPixel) {
    for (const Control& control : form.controls())
        reported_.push_back(isPainted(control.data) ? std::optional(control.data) : std::nullopt);
}

QRegion Canvas::stale(ControlId id) {
    std::optional<ControlData>& reported = reported_.at(id);
    const ControlData& current = form_.controls()[id].data;
    if (!reported || *reported == current)
        return {};
    const PixelGrid grid(twipsPerPixel_);
    QRegion region(paintedBounds(*reported, grid));
    region += paintedBounds(current, grid);
    reported = current;
    return region;
}

void Canvas::paint(QPainter& painter, const QRegion& exposed, const QPalette& palette) const {
    // The device's own ratio would miss a redirected painter's scale, as in QWidget::render.
    const PixelGrid grid(twipsPerPixel_, painter.deviceTransform().m11());
    const auto controls = form_.controls();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        if (exposed.intersects(paintedBounds(control->data, grid)))
            molen::paint(painter, control->data, grid, palette);
    }
}

} // namespace molen
