// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_fixture.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

using namespace testing_support;

const std::string& caption(const FormModel& form) {
    return form.get<CommandButton>("Command1").Caption;
}

bool drivesEnabled(const FormModel& form) {
    const bool sails = form.get<Timer>("Timer1").Enabled;
    EXPECT_EQ(sails, form.get<Timer>("Timer2").Enabled) << "the brake switches both drives";
    return sails;
}

TEST(FormLoad, BrakesTheMillAndPlacesBannerAndSliders) {
    const FormModel form = loadedForm();
    EXPECT_EQ(caption(form), "Licht de vang");
    EXPECT_FALSE(drivesEnabled(form));
    EXPECT_TRUE(form.get<Timer>("Timer3").Enabled);
    EXPECT_FALSE(form.get<Label>("Label1").Visible);
    const Label& banner = form.get<Label>("Label10");
    EXPECT_EQ(static_cast<const Box&>(banner), (Box{-2300, 20, 5295, 495}));
    EXPECT_EQ(form.get<ScrollBar>("VScroll1").Value(), 10);
    EXPECT_EQ(form.get<ScrollBar>("HScroll1").Value(), 450);
    EXPECT_EQ(form.get<ScrollBar>("HScroll2").Value(), 140);
    for (const Control& control : form.controls()) {
        if (const auto* field = std::get_if<TextBox>(&control.data)) {
            EXPECT_EQ(field->Text, "") << control.Name;
        }
    }
}

TEST(Command1Click, EachClickSwitchesBetweenBrakedAndRunning) {
    FormModel form = loadedForm();
    for (int click = 1; click <= 6; ++click) {
        Command1_Click(form);
        const bool running = click % 2 == 1;
        EXPECT_EQ(caption(form), running ? "Vangen" : "Licht de vang") << click;
        EXPECT_EQ(drivesEnabled(form), running) << click;
    }
}

TEST(Command1Click, ReleaseSetsBothAnglesAndTheRatioField) {
    FormModel form = loadedForm();
    Command1_Click(form);
    EXPECT_EQ(text(form, "Text1"), "1");
    EXPECT_EQ(text(form, "Text6"), "1");
    EXPECT_EQ(text(form, "Text4"), "4");
    EXPECT_EQ(form.get<Timer>("Timer1").Interval(), 1000);
    EXPECT_EQ(form.get<Timer>("Timer2").Interval(), 10);
}

TEST(Command1Click, BrakingFreezesTheMillAndReleasingRestartsTheAngles) {
    FormModel form = runningForm();
    setWind(form, 70);
    for (int tick = 0; tick < 3; ++tick) {
        Timer1_Timer(form);
        Timer2_Timer(form);
    }
    Command1_Click(form);
    const FormModel braked = form;
    EXPECT_EQ(text(braked, "Text1"), "31");
    EXPECT_EQ(text(braked, "Text6"), "-134");
    EXPECT_EQ(text(braked, "Text4"), "4.5");
    EXPECT_EQ(braked.get<Timer>("Timer1").Interval(), 86);
    Command1_Click(form);
    EXPECT_EQ(text(form, "Text1"), "1");
    EXPECT_EQ(text(form, "Text6"), "1");
    EXPECT_EQ(form.get<Timer>("Timer1").Interval(), 86) << "the drives resume at their last pace";
    EXPECT_EQ(line(form, "Line1"), line(braked, "Line1")) << "nothing moves before a tick";
}

TEST(Command1Click, AnyOtherCaptionDoesNothing) {
    FormModel form = loadedForm();
    form.edit<CommandButton>("Command1").Caption = "licht de vang";
    const std::uint64_t before = form.generation();
    Command1_Click(form);
    EXPECT_EQ(form.generation(), before);
    EXPECT_FALSE(drivesEnabled(form));
}

} // namespace
} // namespace molen
