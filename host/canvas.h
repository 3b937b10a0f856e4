// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's painted controls (labels, lines, shapes): paints them back to front and tells
// which part of the window a change in the model has made stale.
#pragma once

#include "host/pixel_grid.h"
#include "model/form_model.h"

#include <QPainter>
#include <QRegion>
#include <optional>
#include <vector>

namespace molen {

class Canvas {
  public:
    Canvas(const FormModel& form, const PixelGrid& grid);

    // The old and new bounds of control `id` if it is painted and differs from what was last
    // reported; empty otherwise. Afterwards the control's current state counts as reported.
    QRegion takeStaleRegion(ControlId id);

    // Paints the painted controls that meet `exposed`, the rearmost first.
    void paint(QPainter& painter, const QRegion& exposed, const QPalette& palette) const;

  private:
    const FormModel& form_;
    PixelGrid grid_;
    std::vector<std::optional<ControlData>> reported_;
};

} // namespace molen
