// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever the user types into a visible field, the mill keeps running and its ticks restore it.
#include "window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace molen::testing_support {
namespace {

struct Typed {
    const char* name; // names the test case
    QString text;
};

void PrintTo(const Typed& typed, std::ostream* out) { *out << typed.name; }

class BadInput : public WindowTest, public testing::WithParamInterface<Typed> {
  protected:
    BadInput() {
        QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
        window.deliver(MillEvent::Timer1Tick);
    }

    // Replaces the field's text as typing would, in one key event as an input method sends it.
    void type(std::string_view name, const QString& text) {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    }
};

TEST_P(BadInput, TypedWindIsUsedOrRefusedThenRestoredBySail) {
    type("Text2", GetParam().text);
    EXPECT_EQ(window.form().get<TextBox>("Text2").Text, field("Text2")->text().toStdString());
    window.deliver(MillEvent::Timer2Tick);
    EXPECT_EQ(field("Text4")->text(), "4.5") << "what the stone tick set before any error shows";
    EXPECT_TRUE(window.isVisible());

    window.deliver(MillEvent::Timer1Tick);
    EXPECT_EQ(field("Text2")->text(), "10");
    window.deliver(MillEvent::Timer2Tick);
    EXPECT_EQ(window.findChild<QTimer*>("Timer2")->interval(), 600);
    EXPECT_EQ(window.form().get<Timer>("Timer2").Interval(), 600);
}

TEST_P(BadInput, TypedRatioAndDiameterAreOverwrittenByTheStoneTick) {
    type("Text4", GetParam().text);
    type("Text8", GetParam().text);
    window.deliver(MillEvent::Timer2Tick);
    EXPECT_EQ(field("Text4")->text(), "4.5");
    EXPECT_EQ(field("Text8")->text(), "1.4");
}

INSTANTIATE_TEST_SUITE_P(AnyText, BadInput,
                         testing::Values(Typed{"Letters", "abc"}, Typed{"Zero", "0"},
                                         Typed{"Nothing", ""}, Typed{"SignAlone", "-"},
                                         Typed{"Negative", "-5"}, Typed{"BeyondADouble", "1e400"},
                                         Typed{"BelowADouble", "1e-400"},
                                         Typed{"MillisecondInterval", "6000"},
                                         Typed{"Padded", "  12  "}, Typed{"CommaDecimal", "12,5"},
                                         Typed{"FullwidthDigits", "１２"},
                                         Typed{"Emoji", "\U0001F32C"},
                                         Typed{"ThirtyThousandNines", QString(30000, '9')}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace molen::testing_support
