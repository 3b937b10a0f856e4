// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's icon: a drawing of a mill, rendered from its SVG at the usual icon sizes.
#pragma once

#include <QIcon>

namespace molen {

QIcon millIcon();

} // namespace molen
