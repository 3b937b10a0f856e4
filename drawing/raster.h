// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Aliased coverage in device pixels: a pixel is covered where its centre lies inside the figure,
// and each covered run of a row is one span.
#pragma once

#include "drawing/geometry.h"

#include <span>
#include <vector>

namespace molen::drawing {

// Appends the spans of a convex polygon, its corners in order, to `spans`.
void fillConvex(std::span<const Point> corners, std::vector<Span>& spans);
// Appends the spans of a disc of `diameter` about `centre` to `spans`.
void fillDisc(Point centre, double diameter, std::vector<Span>& spans);
// The corners of a stroke `width` wide from `from` to `to`, lengthened by `extend` at each end.
std::vector<Point> strokeCorners(Point from, Point to, double width, double extend);

} // namespace molen::drawing
