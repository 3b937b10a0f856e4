// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When the form's timers are next due: each tick an Interval after the last one was due, a late
// tick made up at once, a stall of more than 250 ms counted afresh.
#include "model/form1.h"
#include "model/initial_form.h"
#include "session/timer_schedule.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

class Schedule : public testing::Test {
  protected:
    Schedule() {
        form.edit(form1::Timer1).setInterval(600);
        schedule.start();
        schedule.follow(form, 1000);
    }
    FormModel form{InitialForm()};
    TimerSchedule schedule{form};
};

TEST(ScheduleBeforeStart, NoTimerIsDue) {
    const FormModel form = InitialForm();
    TimerSchedule schedule(form);
    EXPECT_TRUE(schedule.follow(form, 5).empty());
    EXPECT_FALSE(schedule.dueAt(form1::Timer3.id));
}

TEST_F(Schedule, AStartCountsFromNow) {
    EXPECT_EQ(schedule.dueAt(form1::Timer1.id), 1600);
    EXPECT_EQ(schedule.dueAt(form1::Timer2.id), 1010);
    EXPECT_EQ(schedule.dueAt(form1::Timer3.id), 1020);
    EXPECT_FALSE(schedule.dueAt(form1::Text1.id)) << "no timer";
}

// Timer1 due at 1600 with an Interval of 600 ticks at `ranAt`.
struct Late {
    const char* what;
    double ranAt, nextDue;
};

TEST_F(Schedule, ALateTickKeepsTheBeatUnlessItStalled) {
    for (const Late& late :
         {Late{"on time", 1600, 2200}, Late{"late", 1700, 2200},
          Late{"later than an interval", 2300, 2200}, Late{"just within the limit", 2449, 2200},
          Late{"a stall", 2451, 3051}, Late{"an hour", 3601600, 3602200}}) {
        TimerSchedule copy = schedule;
        EXPECT_EQ(copy.follow(form, late.ranAt, form1::Timer1.id),
                  std::vector<ControlId>{form1::Timer1.id})
            << late.what;
        EXPECT_EQ(copy.dueAt(form1::Timer1.id), late.nextDue) << late.what;
        EXPECT_EQ(copy.dueAt(form1::Timer3.id), 1020) << "the others keep theirs";
    }
}

TEST_F(Schedule, ANewIntervalCountsFromNowAndAStoppedTimerIsNeverDue) {
    form.edit(form1::Timer1).setInterval(43);
    EXPECT_EQ(schedule.follow(form, 1200, form1::Timer1.id),
              std::vector<ControlId>{form1::Timer1.id});
    EXPECT_EQ(schedule.dueAt(form1::Timer1.id), 1243);
    form.edit(form1::Timer2).Enabled = false;
    EXPECT_EQ(schedule.follow(form, 1300), std::vector<ControlId>{form1::Timer2.id});
    EXPECT_FALSE(schedule.dueAt(form1::Timer2.id));
    EXPECT_TRUE(schedule.follow(form, 1400).empty()) << "nothing moves unasked";
    form.edit(form1::Timer2).Enabled = true;
    schedule.follow(form, 1500);
    EXPECT_EQ(schedule.dueAt(form1::Timer2.id), 1510);
}

} // namespace
} // namespace molen
