// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a host opens the window: the one rule for every platform, in the screen's pixels.
#pragma once

#include "drawing/geometry.h"

namespace molen {

// The frame's top left: centred in the screen's available `area`, but never beyond its top or
// left edge, so that the title bar and the left edge show on a screen smaller than the frame.
inline drawing::Point framePlacement(int frameWidth, int frameHeight, const drawing::Rect& area) {
    const auto centred = [](int start, int length, int space) {
        return std::max(start, start + (space - length) / 2);
    };
    return {double(centred(area.left, frameWidth, area.width)),
            double(centred(area.top, frameHeight, area.height))};
}

// Whether a window placed at `placedAt` has been moved since, by its user or its window
// manager, given where its frame and its client area are now: some platforms put the frame
// where it was asked, others the client area, and on a scaled screen either may be a pixel or
// two off, rounded from device pixels.
inline bool movedSincePlaced(drawing::Point placedAt, drawing::Point frame, drawing::Point client) {
    const auto closeBy = [&](drawing::Point p) {
        return std::abs(p.x - placedAt.x) + std::abs(p.y - placedAt.y) <= 2;
    };
    return !closeBy(frame) && !closeBy(client);
}

} // namespace molen
