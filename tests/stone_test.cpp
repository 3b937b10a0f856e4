// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_fixture.h"
#include "model/errors.h"

#include <functional>
#include <gtest/gtest.h>

namespace molen {
namespace {

using namespace testing_support;

// A running mill whose sails have ticked once at that wind, so Text2 holds it.
FormModel windyForm(int wind, int ratio = 450, int diameter = 140) {
    FormModel form = runningForm();
    setWind(form, wind);
    form.edit<ScrollBar>("HScroll1").setValue(ratio);
    form.edit<ScrollBar>("HScroll2").setValue(diameter);
    Timer1_Timer(form);
    return form;
}

struct StoneCase {
    int ratio, diameter, wind;
    const char* ratioText;
    const char* diameterText;
    const char* turns;
    const char* rimSpeed;
};

std::ostream& operator<<(std::ostream& out, const StoneCase& c) {
    return out << "ratio " << c.ratio << ", diameter " << c.diameter << ", wind " << c.wind;
}

class StoneTickTest : public testing::TestWithParam<StoneCase> {};

TEST_P(StoneTickTest, ShowsRatioDiameterAndSpeeds) {
    const StoneCase& c = GetParam();
    FormModel form = windyForm(c.wind, c.ratio, c.diameter);
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text4"), c.ratioText);
    EXPECT_EQ(text(form, "Text8"), c.diameterText);
    EXPECT_EQ(form.get<Label>("Label6").Caption,
              std::string("Toerental loper  ") + c.turns + "   toeren/minuut");
    EXPECT_EQ(form.get<Label>("Label7").Caption,
              std::string("Omtreksnelheid loper  ") + c.rimSpeed + "  m/sec");
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), form.get<Timer>("Timer1").Interval());
}

INSTANTIATE_TEST_SUITE_P(Settings, StoneTickTest,
                         testing::Values(StoneCase{450, 140, 10, "4.5", "1.4", "11.25", "0.82"},
                                         StoneCase{900, 190, 140, "9", "1.9", "315.00", "31.34"},
                                         StoneCase{100, 100, 10, "1", "1", "2.50", "0.13"},
                                         StoneCase{123, 187, 37, "1.23", "1.87", "11.38", "1.11"}));

TEST(StoneTick, TakesItsPaceFromTheWindField) {
    FormModel form = windyForm(10);
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text5"), "10");
    EXPECT_EQ(text(form, "Text7"), "600");
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 600);
}

void expectRadiusAt(const FormModel& form, const char* radius, double degrees) {
    const EndPoint end = endPoint(1600, 3400, 800, degrees, +1);
    EXPECT_NEAR(line(form, radius).X2, end.x, 0.001) << radius << " at " << degrees;
    EXPECT_NEAR(line(form, radius).Y2, end.y, 0.001) << radius << " at " << degrees;
}

TEST(StoneTick, DrawsTheAngleItFoundAndTurnsClockwise) {
    FormModel form = windyForm(10);
    Command1_Click(form);
    Command1_Click(form); // a second release: Text2 already holds the wind
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text6"), "-44");
    expectRadiusAt(form, "Line6", 1);
    expectRadiusAt(form, "Line7", 181);
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text6"), "-89");
    expectRadiusAt(form, "Line6", -44);
    EXPECT_LT(line(form, "Line6").X2, 1600) << "from the bottom towards the left";
}

TEST(StoneTick, BeforeTheFirstSailTickOnlyTurnsTheHiddenAngle) {
    FormModel form = runningForm();
    const FormModel released = form;
    for (const char* expected : {"-44", "-89", "-134"}) {
        Timer2_Timer(form);
        EXPECT_EQ(text(form, "Text6"), expected);
    }
    EXPECT_EQ(text(form, "Text4"), "4.5");
    EXPECT_EQ(text(form, "Text8"), "1.4");
    EXPECT_EQ(text(form, "Text5"), "");
    EXPECT_EQ(text(form, "Text7"), "");
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 10);
    for (const char* unchanged : {"Line6", "Line7"})
        EXPECT_EQ(line(form, unchanged), line(released, unchanged));
    EXPECT_EQ(form.get<Label>("Label6").Caption, "");
    EXPECT_EQ(form.get<Label>("Label7").Caption, "");
}

TEST(StoneTick, SliderChangesShowAtTheNextTick) {
    FormModel form = windyForm(10);
    Timer2_Timer(form);
    form.edit<ScrollBar>("HScroll1").setValue(900);
    form.edit<ScrollBar>("HScroll2").setValue(190);
    setText(form, "Text4", "typed");
    setText(form, "Text8", "typed");
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text4"), "9");
    EXPECT_EQ(text(form, "Text8"), "1.9");
    EXPECT_EQ(form.get<Label>("Label6").Caption, "Toerental loper  22.50   toeren/minuut");
}

// Text typed into the wind field that a stone tick meets before the next sail tick.
struct TypedCase {
    std::string typed;
    std::function<void(FormModel&)> tick; // expected to throw the named error
};

std::ostream& operator<<(std::ostream& out, const TypedCase& c) {
    return out << '"' << c.typed.substr(0, 20) << (c.typed.size() > 20 ? "..." : "") << '"';
}

template <class Error>
TypedCase fails(std::string typed) {
    return {std::move(typed), [](FormModel& form) {
                EXPECT_THROW(Timer2_Timer(form), Error);
            }};
}

class TypedWindTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedWindTest, EndsTheTickBeforeThePaceAndTheNextSailTickRecovers) {
    FormModel form = windyForm(140);
    Timer2_Timer(form);
    const FormModel before = form;
    setText(form, "Text2", GetParam().typed);
    GetParam().tick(form);
    EXPECT_EQ(text(form, "Text5"), GetParam().typed) << "steps before the failure keep effect";
    EXPECT_EQ(text(form, "Text6"), "-89");
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 43);
    EXPECT_EQ(line(form, "Line6"), line(before, "Line6"));
    EXPECT_EQ(form.get<Label>("Label7").Caption, before.get<Label>("Label7").Caption);
    Timer1_Timer(form);
    Timer2_Timer(form);
    EXPECT_EQ(text(form, "Text2"), "140");
    EXPECT_EQ(form.get<Label>("Label6").Caption, "Toerental loper  157.50   toeren/minuut");
}

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedWindTest,
    testing::Values(fails<ConversionError>("abc"), fails<ConversionError>(" "),
                    fails<ConversionError>("inf"), fails<ConversionError>("nan"),
                    fails<ConversionError>("0x10"), fails<ConversionError>("1,5"),
                    fails<ConversionError>("\u0663"), fails<ConversionError>("\U0001F32C"),
                    fails<ConversionError>("\x01"), fails<ArithmeticError>("0"),
                    fails<ArithmeticError>("-0"), fails<ArithmeticError>("1e400"),
                    fails<ArithmeticError>("1e-400"), fails<ArithmeticError>("1e-310"),
                    fails<ArithmeticError>(std::string(30000, '9')), fails<OverflowError>("1e-300"),
                    fails<InvalidPropertyValue>("-5"), fails<InvalidPropertyValue>("0.0001"),
                    fails<InvalidPropertyValue>("0.09"), fails<InvalidPropertyValue>("100000"),
                    fails<InvalidPropertyValue>("1e300")));

TEST(StoneTick, AWindTypedAsANumberDrivesTheStoneUntilTheNextSailTick) {
    FormModel form = windyForm(140);
    setText(form, "Text2", " 5 ");
    Timer2_Timer(form);
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 1200);
    EXPECT_EQ(form.get<Label>("Label6").Caption, "Toerental loper  5.63   toeren/minuut");
    setText(form, "Text2", "0.1");
    Timer2_Timer(form);
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 60000);
}

} // namespace
} // namespace molen
