// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessibility events that Qt 6.4 sends in a form or order a screen reader cannot use, sent
// again by the window as AT-SPI screen readers (Orca 43) expect them.
#pragma once

class QLineEdit;
class QWidget;

namespace molen {

// Makes `field`, while assistive technology listens, move its caret and select its text on taking
// the focus only once Qt has told of the focus, so that a screen reader meets the field through
// its focus and reads it out.
void announceFocusFirst(QLineEdit& field);

// Tells screen readers the new accessible name of `widget`, whose name has just changed, with
// the name itself as the change's data.
void announceNewName(QWidget& widget);

} // namespace molen
