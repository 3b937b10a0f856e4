// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under a dark desktop theme: what the form leaves to the system follows the palette
// and stays readable.
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

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

// The form's own drawing keeps the light theme's ground, (239, 239, 239), under any theme: its
// captions and lines have fixed colours (dark blue, blue, red, black) chosen for that ground.
const QColor LightGround(239, 239, 239);

// Every caption the form shows at the start, the banner's visible part among them.
constexpr std::array ShownCaptions{"Label2", "Label4", "Label5", "Label8", "Label9", "Label10"};

class Readable : public WindowTest {
  protected:
    QRect box(std::string_view label) const {
        return toQRect(window.grid().rect(window.form().get<Label>(label)));
    }
    // Around a point given in twips.
    QRect near(double x, double y) const {
        const QPoint centre = QPointF(window.grid().pixels(x), window.grid().pixels(y)).toPoint();
        return {centre - QPoint(1, 1), QSize(3, 3)};
    }
    void expectReadableForm() {
        const QImage image = picture();
        EXPECT_EQ(pixelAt(image, 10500, 8400), LightGround) << "the form's back";
        for (const char* label : ShownCaptions) {
            const QRect shown = box(label) & image.rect();
            EXPECT_GE(strongestContrast(image, shown, LightGround), 4.5) << label;
        }
        // The mill's blue base line, from (3720, 6000) to (6240, 6000).
        EXPECT_GE(strongestContrast(image, near(5000, 6000), LightGround), 7.0) << "blue line";
    }
};

// Whatever palette the desktop gives the program (the light default here; Adwaita's dark
// theme where the tests run once more under the GTK platform theme).
TEST_F(Readable, UnderTheDesktopsOwnPalette) { expectReadableForm(); }

class DarkTheme : public Readable {
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

    QPalette light_ = QApplication::palette();
};

TEST_F(DarkTheme, TheFormKeepsItsLightGroundAndEveryCaptionItsContrast) { expectReadableForm(); }

TEST_F(DarkTheme, TheButtonsCaptionIsReadable) {
    auto* button = qobject_cast<QPushButton*>(window.findChild<QWidget*>("Command1"));
    const QImage image = button->grab().toImage();
    const QColor face = image.pixelColor(4, image.height() / 2);
    EXPECT_LT(face.lightness(), 100) << "a dark face";
    const QRect caption = image.rect().adjusted(8, 4, -8, -4);
    EXPECT_GE(strongestContrast(image, caption, face), 7.0);
}

// Each field shows its whole text under each style Qt may be given: the fields are narrow, and
// a style's wide margins must not cut digits off ("140" read as "40").
class FieldStyles : public WindowTest, public testing::WithParamInterface<const char*> {
  protected:
    ~FieldStyles() override { QApplication::setStyle(styleBefore_); }

    // The columns of `edit` that show its text in the text's own colour, read from its pixels.
    static std::pair<int, int> inkColumns(QLineEdit& edit) {
        const QImage image = edit.grab().toImage();
        const QColor ink = edit.palette().color(QPalette::Text);
        const auto isInk = [&](const QColor& c) {
            return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                       std::abs(c.blue() - ink.blue()) <
                   120;
        };
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isInk(image.pixelColor(x, y)))
                    left = std::min(left, x), right = std::max(right, x);
            }
        }
        return {left, right};
    }

    QString styleBefore_ = QApplication::style()->name();
};

TEST_P(FieldStyles, EveryFieldShowsItsWholeText) {
    QStyle* style = QStyleFactory::create(GetParam());
    if (!style)
        GTEST_SKIP() << "the style " << GetParam() << " is not installed";
    QApplication::setStyle(style);
    for (const char* name : {"Text2", "Text4", "Text8"}) {
        QLineEdit* edit = field(name);
        for (const QString text : {"140", "4.5", "1.4", "100"}) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, text);
            child<QWidget*>("Command1")->setFocus();
            const auto [left, right] = inkColumns(*edit);
            const int whole = QFontMetrics(edit->font()).horizontalAdvance(text);
            EXPECT_GE(right - left + 1, whole * 3 / 4)
                << name << " \"" << text.toStdString() << "\" under " << GetParam();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, FieldStyles,
                         testing::Values("Fusion", "Windows", "Adwaita", "Adwaita-Dark"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace molen::testing_support
