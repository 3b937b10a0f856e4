// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/errors.h"
#include "model/initial_form.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

TEST(FormModel, EditingMarksOnlyThatControlChanged) {
    FormModel form = InitialForm();
    const std::uint64_t seen = form.generation();
    (void)form.get<Label>("Label9");
    EXPECT_EQ(form.generation(), seen);
    form.edit<Label>("Label9").Caption = "x";
    EXPECT_GT(form.changedAt(form.find("Label9")), seen);
    for (ControlId id = 0; id < form.controls().size(); ++id) {
        if (id != form.find("Label9")) {
            EXPECT_LE(form.changedAt(id), seen) << form.controls()[id].Name;
        }
    }
}

TEST(FormModel, UnknownNamesAndWrongKindsAreProgrammingErrors) {
    FormModel form = InitialForm();
    EXPECT_THROW(form.find("Text9"), std::out_of_range);
    EXPECT_THROW(form.find("Text1", 0), std::out_of_range);
    EXPECT_THROW(form.get<Label>("Text1"), std::bad_variant_access);
}

struct RangeCase {
    int value;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const RangeCase& c) { return out << c.value; }

class ScrollBarValueTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ScrollBarValueTest, StaysBetweenMinAndMax) {
    ScrollBar bar(Orientation::Horizontal, 100, 900);
    bar.setValue(450);
    if (GetParam().accepted) {
        bar.setValue(GetParam().value);
        EXPECT_EQ(bar.Value(), GetParam().value);
    } else {
        EXPECT_THROW(bar.setValue(GetParam().value), InvalidPropertyValue);
        EXPECT_EQ(bar.Value(), 450);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ScrollBarValueTest,
                         testing::Values(RangeCase{100, true}, RangeCase{900, true},
                                         RangeCase{99, false}, RangeCase{901, false},
                                         RangeCase{-32768, false}, RangeCase{70000, false}));

class TimerIntervalTest : public testing::TestWithParam<RangeCase> {};

TEST_P(TimerIntervalTest, TakesWholeMillisecondsUpToJustOverAMinute) {
    Timer timer(10);
    if (GetParam().accepted) {
        timer.setInterval(GetParam().value);
        EXPECT_EQ(timer.Interval(), GetParam().value);
    } else {
        EXPECT_THROW(timer.setInterval(GetParam().value), InvalidPropertyValue);
        EXPECT_EQ(timer.Interval(), 10);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, TimerIntervalTest,
                         testing::Values(RangeCase{1, true}, RangeCase{43, true},
                                         RangeCase{65535, true}, RangeCase{0, false},
                                         RangeCase{-1200, false}, RangeCase{65536, false},
                                         RangeCase{60000000, false}));

TEST(FormModel, MoveKeepsWhatItIsNotGiven) {
    Label label;
    label.Move(1, 2, 3, 4);
    label.Move(-2300, 20);
    EXPECT_EQ(static_cast<const Box&>(label), (Box{-2300, 20, 3, 4}));
    label.Move(5);
    EXPECT_EQ(static_cast<const Box&>(label), (Box{5, 20, 3, 4}));
}

} // namespace
} // namespace molen
