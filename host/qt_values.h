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
// The named face first, then free faces of close metrics, so that captions fit as laid out.
QFont toQFont(const Font& font);
Qt::Alignment toQAlignment(Alignment alignment);
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }

} // namespace molen
