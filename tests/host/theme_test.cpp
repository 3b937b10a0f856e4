// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under a dark desktop theme: what the form leaves to the system follows the palette
// and stays readable.
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace molen::testing_support {
namespace {

QPalette darkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, Qt::white);
    return palette;
}

// Contrast ratio of two colours as the web's accessibility guidelines define it, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The strongest contrast between `background` and any pixel of `area`.
double strongestContrast(const QImage& image, const QRect& area, const QColor& background) {
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrast(image.pixelColor(x, y), background));
    }
    return strongest;
}

class DarkTheme : public WindowTest {
  protected:
    // The window already exists when the theme turns dark, as when the desktop switches themes.
    DarkTheme() {
        QApplication::setPalette(darkPalette());
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window.findChild<QWidget*>("Command1")->palette().color(QPalette::Button) ==
                   darkPalette().color(QPalette::Button);
        }));
    }
    ~DarkTheme() override { QApplication::setPalette(light_); }

    QRect box(std::string_view label) const {
        return toQRect(window.grid().rect(window.form().get<Label>(label)));
    }

    QPalette light_ = QApplication::palette();
};

// The window already exists when the theme turns dark, as when the desktop switches themes.
TEST_F(DarkTheme, FormAndCaptionsTakeTheThemesColours) {
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window.palette().color(QPalette::Button) == darkPalette().color(QPalette::Button);
    }));
    const QImage image = picture();
    const QColor face = darkPalette().color(QPalette::Button);
    EXPECT_EQ(pixelAt(image, 10500, 8400), face) << "the form's back";
    for (const char* label : {"Label2", "Label4", "Label5", "Label8", "Label9"}) {
        EXPECT_EQ(image.pixelColor(box(label).topLeft()), face) << label;
        EXPECT_GE(strongestContrast(image, box(label), face), 7.0) << label;
    }
}

TEST_F(DarkTheme, TheButtonsCaptionIsReadable) {
    auto* button = qobject_cast<QPushButton*>(window.findChild<QWidget*>("Command1"));
    const QImage image = button->grab().toImage();
    const QColor face = image.pixelColor(4, image.height() / 2);
    EXPECT_LT(face.lightness(), 100) << "a dark face";
    const QRect caption = image.rect().adjusted(8, 4, -8, -4);
    EXPECT_GE(strongestContrast(image, caption, face), 7.0);
}

} // namespace
} // namespace molen::testing_support
