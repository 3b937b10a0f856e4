// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's colours, fonts, alignments and texts as Qt values.
#pragma once

#include "model/controls.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>

namespace molen {

// The palette role that stands for a system colour; none for a colour given as red, green, blue.
std::optional<QPalette::ColorRole> paletteRole(const Colour& colour);
// A system colour comes from the palette, so that it follows the desktop's theme.
QColor toQColor(const Colour& colour, const QPalette& palette);
// The palette the form's own drawing takes: the system's, unless it is dark (its text lighter
// than its ground); then the light theme's system colours, so that the form's fixed colours
// (dark blue, blue, red, black) keep the contrast they were chosen for.
QPalette formDrawingPalette(const QPalette& system);
// The form's face as the face built into the program, which has its metrics; any other face by
// name. Needs a QGuiApplication.
QFont toQFont(const Font& font);
Qt::Alignment toQAlignment(Alignment alignment);
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }

} // namespace molen
