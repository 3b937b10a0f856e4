// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/qt_values.h"

namespace molen {

std::optional<QPalette::ColorRole> paletteRole(const Colour& colour) {
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return QPalette::Button;
    case SystemColour::ButtonText:
        return QPalette::ButtonText;
    case SystemColour::WindowBackground:
        return QPalette::Base;
    case SystemColour::WindowText:
        return QPalette::Text;
    case SystemColour::None:
        break;
    }
    return std::nullopt;
}

QColor toQColor(const Colour& colour, const QPalette& palette) {
    if (const auto role = paletteRole(colour))
        return palette.color(*role);
    return {colour.red, colour.green, colour.blue};
}

QFont toQFont(const Font& font) {
    QFont result;
    // Without the list, fontconfig would substitute a face of wider metrics for a missing one.
    result.setFamilies({toQString(font.Name), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Arimo"), QStringLiteral("Arial")});
    result.setPointSizeF(font.Size);
    result.setWeight(static_cast<QFont::Weight>(font.Weight));
    return result;
}

Qt::Alignment toQAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace molen
