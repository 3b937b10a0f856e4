#include "host/qt_values.h"

namespace molen {

QColor toQColor(const Colour& colour, const QPalette& palette) {
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case SystemColour::WindowBackground:
        return palette.color(QPalette::Base);
    case SystemColour::WindowText:
        return palette.color(QPalette::Text);
    case SystemColour::None:
        break;
    }
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
