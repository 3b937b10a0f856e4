// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Anything typed or pasted into the three visible fields while the mill runs, at the slowest and
// the strongest wind: the ticks go on, nothing on screen reads "inf" or "nan", the stone's timer
// keeps an interval a timer can take, and the next sail tick brings the wind field back.
#include "bad_input_table.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <tuple>

namespace molen::testing_support {
namespace {

enum class Way { Typed, Pasted };

void PrintTo(Way way, std::ostream* out) { *out << (way == Way::Typed ? "typed" : "pasted"); }

using Case = std::tuple<BadInput, int, Way>; // what, at which wind, how it gets in

bool readsAsNonFinite(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

class AnyInput : public WindowTest, public testing::WithParamInterface<Case> {
  protected:
    // The wind set and the brake released; one sail and one stone tick have run.
    AnyInput() {
        bar("VScroll1")->setValue(wind());
        QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
        window.deliver(MillEvent::Timer1Tick);
        window.deliver(MillEvent::Timer2Tick);
    }

    QString entered() const { return QString::fromStdString(std::get<0>(GetParam()).text); }
    int wind() const { return std::get<1>(GetParam()); }

    void enter(std::string_view name) {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        if (std::get<2>(GetParam()) == Way::Pasted) {
            QApplication::clipboard()->setText(entered());
            edit->paste();
        } else { // as an input method delivers it: the whole text in one key event
            QTest::keyClick(edit, Qt::Key_Backspace);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, entered());
            QApplication::sendEvent(edit, &press);
        }
        ASSERT_EQ(window.form().get<TextBox>(name).Text, edit->text().toStdString()) << name;
    }

    // Every text the window holds, except the user's own entry, is free of "inf" and "nan",
    // and both drive timers keep intervals a timer can take.
    void expectSaneWindow(const char* after) {
        const std::string own = entered().toStdString();
        for (const Control& control : window.form().controls()) {
            const auto* label = std::get_if<Label>(&control.data);
            const auto* box = std::get_if<TextBox>(&control.data);
            const std::string* text = label ? &label->Caption : box ? &box->Text : nullptr;
            if (text && *text != own) {
                EXPECT_FALSE(readsAsNonFinite(*text)) << control.Name << " after " << after;
            }
        }
        for (const char* name : {"Timer1", "Timer2"}) {
            const int interval = window.form().get<Timer>(name).Interval();
            EXPECT_GE(interval, 1) << name << " after " << after;
            EXPECT_LE(interval, 65535) << name << " after " << after;
        }
    }
};

TEST_P(AnyInput, TheMillRunsOnAndTheTicksRestoreTheFields) {
    for (const char* name : {"Text2", "Text4", "Text8"})
        enter(name);
    expectSaneWindow("entering");
    window.deliver(MillEvent::Timer2Tick); // the stone works with the entered wind
    expectSaneWindow("the stone tick");
    EXPECT_EQ(field("Text4")->text(), "4.5");
    EXPECT_EQ(field("Text8")->text(), "1.4");

    window.deliver(MillEvent::Timer1Tick);
    EXPECT_EQ(field("Text2")->text(), QString::number(wind()));
    window.deliver(MillEvent::Timer2Tick);
    expectSaneWindow("the sail and stone ticks");
    EXPECT_EQ(window.form().get<Timer>("Timer2").Interval(), qRound(6000.0 / wind()));
}

TEST_P(AnyInput, ASailTickFirstRestoresTheWindAtOnce) {
    enter("Text2");
    window.deliver(MillEvent::Timer1Tick);
    EXPECT_EQ(field("Text2")->text(), QString::number(wind()));
    expectSaneWindow("the sail tick");
}

std::string caseName(const testing::TestParamInfo<Case>& info) {
    const auto& [entry, wind, way] = info.param;
    return entry.name + "AtWind" + std::to_string(wind) + (way == Way::Typed ? "Typed" : "Pasted");
}

INSTANTIATE_TEST_SUITE_P(Table, AnyInput,
                         testing::Combine(testing::ValuesIn(badInputTable()),
                                          testing::Values(10, 140),
                                          testing::Values(Way::Typed, Way::Pasted)),
                         caseName);

} // namespace
} // namespace molen::testing_support
