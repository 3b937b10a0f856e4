// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as assistive technology sees it: widgets named after the captions beside them, and
// the painted readouts and banner as static texts that follow their captions.
#pragma once

namespace molen {

class MillWindow;
class WindowedControls;

// Gives every MillWindow its interface. Qt keeps the first interface it makes for a widget, so
// this must come before a window's first change that Qt announces, such as its title.
void installMillWindowAccessibility();

// Names the window's widgets after their captions, and has the fields and the button tell
// screen readers of their focus and new caption in a form that they can speak. (The painted
// texts are children of every MillWindow's interface from the start.)
void exposeToAssistiveTechnology(MillWindow& window, const WindowedControls& controls);

} // namespace molen
