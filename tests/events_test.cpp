// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/events.h"
#include "mill_fixture.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

using namespace testing_support;

TEST(Events, EachTimerTicksItsOwnProcedure) {
    FormModel form = runningForm();
    const auto tickFor = [&](std::string_view timer) {
        return tickOf(form.find(timer));
    };
    ASSERT_EQ(tickFor("Timer1"), MillEvent::Timer1Tick);
    ASSERT_EQ(tickFor("Timer2"), MillEvent::Timer2Tick);
    ASSERT_EQ(tickFor("Timer3"), MillEvent::Timer3Tick);
    EXPECT_EQ(tickFor("Command1"), std::nullopt);
    EXPECT_EQ(tickFor("Text1"), std::nullopt);

    EXPECT_EQ(runProcedure(form, MillEvent::Timer3Tick), std::nullopt);
    EXPECT_EQ(form.get<Label>("Label10").Left, -2300 + 20);
    EXPECT_EQ(runProcedure(form, MillEvent::Timer1Tick), std::nullopt);
    EXPECT_EQ(text(form, "Text2"), "10");
    EXPECT_EQ(runProcedure(form, MillEvent::Timer2Tick), std::nullopt);
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 600);
}

TEST(Events, AnErrorEndsTheProcedureAndIsReported) {
    FormModel form = runningForm();
    setText(form, "Text2", "wind");
    const auto error = runProcedure(form, MillEvent::Timer2Tick);
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(text(form, "Text4"), "4.5") << "the steps before the error stay done";
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 10) << "the steps after it never ran";
}

TEST(Events, TheBrakeButtonAndLoadRunTheirProcedures) {
    FormModel form = InitialForm();
    EXPECT_EQ(runProcedure(form, MillEvent::Load), std::nullopt);
    EXPECT_FALSE(form.get<Timer>("Timer1").Enabled);
    EXPECT_EQ(runProcedure(form, MillEvent::Command1Click), std::nullopt);
    EXPECT_EQ(form.get<CommandButton>("Command1").Caption, "Vangen");
}

} // namespace
} // namespace molen
