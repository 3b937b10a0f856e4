// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_fixture.h"
#include "model/errors.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

using namespace testing_support;

struct WindCase {
    int wind;
    const char* interval;
    std::int32_t timerInterval;
    bool advisory;
    const char* readout;
};

std::ostream& operator<<(std::ostream& out, const WindCase& c) { return out << "wind " << c.wind; }

class SailTickTest : public testing::TestWithParam<WindCase> {};

TEST_P(SailTickTest, SetsItsPaceAndReadoutsFromTheWind) {
    const WindCase& c = GetParam();
    FormModel form = runningForm();
    setWind(form, c.wind);
    Timer1_Timer(form);
    EXPECT_EQ(text(form, "Text2"), std::to_string(c.wind));
    EXPECT_EQ(text(form, "Text3"), c.interval);
    EXPECT_EQ(form.get<Timer>("Timer1").Interval(), c.timerInterval);
    EXPECT_EQ(form.get<Label>("Label1").Visible, c.advisory);
    EXPECT_EQ(form.get<Label>("Label9").Caption,
              std::string("Interval tussen 2 enden is  ") + c.readout + " sec");
}

INSTANTIATE_TEST_SUITE_P(Winds, SailTickTest,
                         testing::Values(WindCase{10, "600", 600, false, "6.00"},
                                         WindCase{32, "187.5", 188, false, "1.88"},
                                         WindCase{70, "85.7142857142857", 86, false, "0.86"},
                                         WindCase{75, "80", 80, false, "0.80"},
                                         WindCase{76, "78.9473684210526", 79, true, "0.79"},
                                         WindCase{96, "62.5", 62, true, "0.63"},
                                         WindCase{140, "42.8571428571429", 43, true, "0.43"}));

void expectSailAt(const FormModel& form, const char* sail, double degrees) {
    const EndPoint end = endPoint(5000, 3600, 1600, degrees, -1);
    const Line& drawn = line(form, sail);
    EXPECT_EQ(drawn.X1, 5000);
    EXPECT_EQ(drawn.Y1, 3600);
    EXPECT_NEAR(drawn.X2, end.x, 0.001) << sail << " at " << degrees;
    EXPECT_NEAR(drawn.Y2, end.y, 0.001) << sail << " at " << degrees;
}

TEST(SailTick, DrawsTheAngleItFoundAndAdvancesItByTen) {
    FormModel form = runningForm();
    Timer1_Timer(form);
    expectSailAt(form, "Line1", 1);
    expectSailAt(form, "Line2", 181);
    expectSailAt(form, "Line3", 91);
    expectSailAt(form, "Line4", 271);
    EXPECT_EQ(text(form, "Text1"), "11");
    Timer1_Timer(form);
    expectSailAt(form, "Line1", 11);
    EXPECT_EQ(text(form, "Text1"), "21");
}

TEST(SailTick, TurnsAnticlockwise) {
    FormModel form = runningForm();
    setText(form, "Text1", "90");
    Timer1_Timer(form);
    EXPECT_NEAR(line(form, "Line1").X2, 3400, 0.001);
    EXPECT_NEAR(line(form, "Line1").Y2, 3600, 0.001);
    EXPECT_NEAR(line(form, "Line3").X2, 5000, 0.001);
    EXPECT_NEAR(line(form, "Line3").Y2, 5200, 0.001);
}

TEST(SailTick, WindChangesTakeEffectOnTheNextTick) {
    FormModel form = runningForm();
    Timer1_Timer(form);
    setWind(form, 140);
    EXPECT_EQ(text(form, "Text2"), "10");
    Timer1_Timer(form);
    EXPECT_EQ(text(form, "Text2"), "140");
    EXPECT_EQ(form.get<Timer>("Timer1").Interval(), 43);
    EXPECT_TRUE(form.get<Label>("Label1").Visible);
    setWind(form, 75);
    Timer1_Timer(form);
    EXPECT_FALSE(form.get<Label>("Label1").Visible);
}

TEST(SailTick, ATickWithNoAngleEndsAtTheAngleKeepingWhatCameBefore) {
    FormModel form = loadedForm(); // never released: Text1 is empty
    const Line before = line(form, "Line1");
    EXPECT_THROW(Timer1_Timer(form), ConversionError);
    EXPECT_EQ(text(form, "Text2"), "10");
    EXPECT_EQ(text(form, "Text3"), "600");
    EXPECT_EQ(form.get<Timer>("Timer1").Interval(), 600);
    EXPECT_EQ(text(form, "Text1"), "");
    EXPECT_EQ(form.get<Label>("Label9").Caption, "Interval tussen 2 enden");
    EXPECT_EQ(line(form, "Line1"), before);
}

TEST(SailTick, RestoresTheWindFieldWhateverWasTypedIntoIt) {
    FormModel form = runningForm();
    for (const char* typed : {"abc", "0", "", "1e400", "-5"}) {
        setText(form, "Text2", typed);
        Timer1_Timer(form);
        EXPECT_EQ(text(form, "Text2"), "10") << typed;
    }
}

} // namespace
} // namespace molen
