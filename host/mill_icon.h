// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's icon: the icon theme's pictures of a mill, at every size it has, rendered from
// host/molen.svg when building and built into the program.
#pragma once

#include <QIcon>

namespace molen {

QIcon millIcon();

} // namespace molen
