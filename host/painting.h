// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How each painted kind of control (label, line, shape) looks, and where on the window it paints.
#pragma once

#include "host/pixel_grid.h"
#include "model/controls.h"

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace molen {

// Whether the control is painted on the window rather than being a widget or invisible.
bool isPainted(const ControlData& control);

// Paints one control; kinds that are not painted paint nothing.
void paint(QPainter& painter, const ControlData& control, const PixelGrid& grid,
           const QPalette& palette);

// The logical pixels that painting the control may touch, visible or not: a label's or shape's
// box, a line's span widened by its stroke and antialiasing; empty for kinds that are not painted.
QRect paintedBounds(const ControlData& control, const PixelGrid& grid);

} // namespace molen
