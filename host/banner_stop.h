// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's way to stop the banner and let it move again: a checkable entry of the window's
// context menu (right button, the Menu key or Shift+F10), worked by its key from anywhere in the
// window too. It draws nothing on the form.
#pragma once

#include <QAction>
#include <QWidget>
#include <functional>

namespace molen {

// Adds the entry to `window`'s context menu; `stopped(bool)` follows each toggle.
QAction* addBannerStop(QWidget& window, std::function<void(bool stopped)> stopped);

// Whether the desktop asks programs for less motion, as its settings portal tells it: GNOME's
// animations switched off, or KDE's animation speed at zero. False where nothing says so.
bool desktopAsksForLessMotion();

} // namespace molen
