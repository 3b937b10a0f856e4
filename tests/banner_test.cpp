// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_fixture.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

using namespace testing_support;

float bannerLeft(const FormModel& form) { return form.get<Label>("Label10").Left; }

TEST(BannerTick, OnePassAcrossTheInitialWindowTakes665Ticks) {
    FormModel form = loadedForm();
    for (int tick = 1; tick <= 664; ++tick)
        Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), 10980);
    Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), -2300);
    EXPECT_EQ(form.get<Label>("Label10").Top, 20);
}

TEST(BannerTick, WrapsOnlyOnceStrictlyPastTheWindowsEdge) {
    FormModel form = loadedForm();
    form.setWidth(-2300 + 20);
    Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), -2280) << "an edge equal to the width does not wrap";
    Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), -2300);
}

TEST(BannerTick, ReadsTheWindowWidthAnewOnEveryTick) {
    FormModel form = loadedForm();
    for (int tick = 0; tick < 300; ++tick)
        Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), 3700);
    form.setWidth(3000); // the user narrows the window
    Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), -2300);
    form.setWidth(20000);
    for (int tick = 0; tick < 1000; ++tick)
        Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), 17700);
}

TEST(BannerTick, RunsWhetherTheMillIsBrakedOrNot) {
    FormModel form = loadedForm();
    Timer3_Timer(form);
    Command1_Click(form);
    Timer3_Timer(form);
    EXPECT_EQ(bannerLeft(form), -2260);
}

} // namespace
} // namespace molen
