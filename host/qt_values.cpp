// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/qt_values.h"

#include "session/form_facts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace molen {
namespace {

constexpr QLatin1StringView FormFace("MS Sans Serif");

// A resource's bytes, in place where it is stored uncompressed.
QByteArray bytesOf(const QResource& resource) {
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

// The face built into the program (host/CMakeLists.txt), registered on first use; empty if it
// could not be.
QString shippedFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFontFromData(bytesOf(QResource(file)));
            if (const QStringList families = QFontDatabase::applicationFontFamilies(id);
                !families.isEmpty())
                name = families.first();
        }
        return name;
    }();
    return family;
}

} // namespace

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

QPalette formDrawingPalette(const QPalette& system) {
    if (system.color(QPalette::Window).lightness() >=
        system.color(QPalette::WindowText).lightness())
        return system;
    QPalette light = system;
    for (const SystemColour colour : {SystemColour::ButtonFace, SystemColour::ButtonText,
                                      SystemColour::WindowBackground, SystemColour::WindowText})
        light.setColor(*paletteRole(Colour::of(colour)),
                       toQColor(lightThemeColour(colour), system));
    return light;
}

QColor toQColor(const Colour& colour, const QPalette& palette) {
    if (const auto role = paletteRole(colour))
        return palette.color(*role);
    return {colour.red, colour.green, colour.blue};
}

QFont toQFont(const Font& font) {
    QFont result;
    // The form's face is laid out in the shipped face, which has its metrics, whatever fonts the
    // system has, so that every caption fits its box as laid out; another face is asked of the
    // system by name. The free faces of the same metrics stand in should the shipped one fail.
    const QString named = toQString(font.Name);
    result.setFamilies({named == FormFace ? shippedFamily() : named,
                        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                        QStringLiteral("Arial")});
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
