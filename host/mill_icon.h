// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's icon: a drawing of a mill, rendered from its SVG at the sizes an icon theme wants,
// for the window and, when building, for the desktop's icon theme.
#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace molen {

inline constexpr std::array<int, 7> MillIconSizes{16, 24, 32, 48, 64, 128, 256};

// The drawing on a transparent square of `size` pixels.
QImage renderMillIcon(int size);

QIcon millIcon();

} // namespace molen
