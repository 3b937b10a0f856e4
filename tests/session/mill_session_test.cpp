// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one running mill as a host drives it: what each input says to do, what it refuses, and
// what went stale however long nobody painted.
#include "drawing/stale_region.h"
#include "model/form1.h"
#include "model/initial_form.h"
#include "session/form_facts.h"
#include "session/mill_session.h"
#include "tests/drawing/fixed_width_text.h"

#include <gtest/gtest.h>

namespace molen {
namespace {

using drawing::Rect;

bool has(const std::vector<ControlId>& ids, ControlId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

class Session : public testing::Test {
  protected:
    MillSession session{InitialForm(), drawing::PixelGrid(15)};
};

TEST_F(Session, StartsLoadedWithOnlyTheBannersTimerDue) {
    EXPECT_EQ(session.form().get(form1::Command1).Caption, "Licht de vang");
    EXPECT_FALSE(session.dueAt(form1::Timer3.id)) << "not before the host starts it";
    const Changes started = session.start(100);
    EXPECT_EQ(started.timers, std::vector<ControlId>{form1::Timer3.id});
    EXPECT_EQ(session.dueAt(form1::Timer3.id), 120);
    EXPECT_FALSE(session.dueAt(form1::Timer1.id));
    EXPECT_EQ(session.clientArea(), (Rect{0, 0, 725, 573}));
}

TEST_F(Session, APressReleasesTheBrakeAndTimesBothDrives) {
    session.start(0);
    const Changes pressed = session.press(50);
    EXPECT_EQ(pressed.procedure, "Command1_Click");
    EXPECT_TRUE(has(pressed.windowed, form1::Command1.id));
    EXPECT_TRUE(has(pressed.windowed, form1::Text1.id)) << "a hidden field is a widget, hidden";
    EXPECT_FALSE(has(pressed.texts, form1::Text1.id));
    EXPECT_EQ(pressed.timers, (std::vector<ControlId>{form1::Timer2.id, form1::Timer1.id}));
    EXPECT_EQ(session.dueAt(form1::Timer1.id), 1050);
    EXPECT_EQ(session.dueAt(form1::Timer2.id), 60);
    EXPECT_FALSE(pressed.stale) << "the button is a widget";
}

TEST_F(Session, ATickRunsItsProcedureAndTheAdviceAppearsOnce) {
    session.start(0);
    session.press(0);
    session.scroll(form1::VScroll1.id, 80);
    const Changes first = session.tick(form1::Timer1, 1000);
    EXPECT_EQ(first.procedure, "Timer1_Timer");
    EXPECT_TRUE(first.adviceAppeared);
    EXPECT_TRUE(has(first.texts, form1::Label9.id) && has(first.texts, form1::Advice.id));
    EXPECT_TRUE(has(first.recaptioned, form1::Label9.id));
    EXPECT_EQ(first.shownOrHidden, std::vector<ControlId>{form1::Advice.id});
    EXPECT_TRUE(has(first.windowed, form1::Text2.id));
    EXPECT_TRUE(first.stale) << "the sails moved";
    EXPECT_EQ(session.dueAt(form1::Timer1.id), 1075) << "6000 / 80, from now";
    const Changes second = session.tick(form1::Timer1, 1075);
    EXPECT_FALSE(second.adviceAppeared) << "still shown";
    EXPECT_TRUE(second.texts.empty()) << "the same captions again are no change";
    EXPECT_EQ(second.timers, std::vector<ControlId>{form1::Timer1.id});
    EXPECT_EQ(session.dueAt(form1::Timer1.id), 1150) << "on the beat";
}

TEST_F(Session, ATickOfAStoppedTimerRunsNothing) {
    session.start(0);
    const Changes ticked = session.tick(form1::Timer1, 1000);
    EXPECT_TRUE(ticked.procedure.empty());
    EXPECT_EQ(session.form().get(form1::Text1).Text, "");
}

TEST_F(Session, AProcedureThatEndsEarlySaysWhy) {
    session.start(0);
    session.press(0);
    session.type(form1::Text2.id, "nul");
    const Changes ticked = session.tick(form1::Timer2, 10);
    EXPECT_EQ(ticked.procedure, "Timer2_Timer");
    ASSERT_TRUE(ticked.error);
    EXPECT_FALSE(ticked.error->empty());
    EXPECT_EQ(session.form().get(form1::Text4).Text, "4.5") << "what ran before it stays";
}

TEST_F(Session, InputItCannotTakeLeavesTheFormAsItWas) {
    const Changes refused = session.scroll(form1::VScroll1.id, 141);
    EXPECT_EQ(refused.windowed, std::vector<ControlId>{form1::VScroll1.id}) << "shown again";
    EXPECT_EQ(session.form().get(form1::VScroll1).Value(), 10);
    session.type(form1::Text1.id, "99"); // hidden
    EXPECT_EQ(session.form().get(form1::Text1).Text, "");
    for (const ControlId id : {form1::Label1.id, form1::Timer1.id, ControlId(48), ControlId(-1)}) {
        EXPECT_TRUE(session.type(id, "1").windowed.empty()) << id;
        EXPECT_TRUE(session.scroll(id, 1).windowed.empty()) << id;
    }
    session.type(form1::Text2.id, std::string("\xff\x00\xfe", 3));
    EXPECT_EQ(session.form().get(form1::Text2).Text.size(), 3u) << "kept as given";
}

TEST_F(Session, TheOuterWidthIsKeptInTwips) {
    session.setOuterWidth(733);
    EXPECT_EQ(session.form().form().Width, 10995);
}

// The banner stopped by the user: the box wholly inside the client area of 10875 twips (its
// width is 5295, so its left edge between 0 and 5580), its timer held until let go.
struct StopCase {
    int ticks;      // banner ticks of 20 twips from the load's -2300
    float standsAt; // Label10.Left once stopped
};

class StoppedBanner : public Session, public testing::WithParamInterface<StopCase> {};

TEST_P(StoppedBanner, StandsWithItsWholeBoxShown) {
    session.start(0);
    for (int tick = 0; tick < GetParam().ticks; ++tick)
        session.deliver(MillEvent::Timer3Tick, 0);
    const Changes stopped = session.setBannerMoving(false, 10);
    EXPECT_FALSE(session.bannerMoving());
    EXPECT_EQ(session.form().get(form1::Label10).Left, GetParam().standsAt);
    EXPECT_EQ(session.form().get(form1::Label10).Top, 20) << "only across";
    EXPECT_TRUE(has(stopped.timers, form1::Timer3.id));
    EXPECT_FALSE(session.dueAt(form1::Timer3.id));
}

INSTANTIATE_TEST_SUITE_P(Session, StoppedBanner,
                         testing::Values(StopCase{0, 0}, StopCase{114, 0}, StopCase{115, 0},
                                         StopCase{215, 2000}, StopCase{394, 5580},
                                         StopCase{395, 5580}, StopCase{664, 5580}));

TEST_F(Session, AStoppedBannerStaysStoppedThroughTheBrakeAndMovesOnWhenLetGo) {
    session.setBannerMoving(false, 0);
    session.start(0);
    EXPECT_FALSE(session.dueAt(form1::Timer3.id)) << "stopped before the timers start";
    session.press(5);
    EXPECT_TRUE(session.dueAt(form1::Timer1.id)) << "the sails are the mill: they turn";
    EXPECT_FALSE(session.dueAt(form1::Timer3.id)) << "a procedure does not start the banner";
    EXPECT_FALSE(session.tick(form1::Timer3, 20).procedure.size()) << "a pending tick is void";
    EXPECT_EQ(session.form().get(form1::Label10).Left, 0);
    const Changes moving = session.setBannerMoving(true, 100);
    EXPECT_TRUE(session.bannerMoving());
    EXPECT_TRUE(has(moving.timers, form1::Timer3.id));
    EXPECT_EQ(session.dueAt(form1::Timer3.id), 120) << "counts afresh from the start";
    session.tick(form1::Timer3, 120);
    EXPECT_EQ(session.form().get(form1::Label10).Left, 20) << "on from where it stood";
}

TEST(FormFacts, TabOrderNamesAndColours) {
    const FormModel form = InitialForm();
    EXPECT_EQ(tabOrder(form),
              (std::vector<ControlId>{form1::Command1.id, form1::Text1.id, form1::Text2.id,
                                      form1::Text3.id, form1::VScroll1.id, form1::Text4.id,
                                      form1::Text5.id, form1::Text6.id, form1::Text7.id,
                                      form1::HScroll1.id, form1::Text8.id, form1::HScroll2.id}));
    EXPECT_EQ(accessibleName(form, form1::VScroll1.id), "Wind");
    EXPECT_EQ(accessibleName(form, form1::Text4.id), "Overbrengings factor ");
    EXPECT_EQ(accessibleName(form, form1::HScroll2.id), "Diameter loper");
    EXPECT_EQ(accessibleName(form, form1::Command1.id), "");
    EXPECT_EQ(lightThemeColour(SystemColour::ButtonFace), Colour::rgb(239, 239, 239));
    EXPECT_EQ(lightThemeColour(SystemColour::WindowBackground), Colour::rgb(255, 255, 255));
    EXPECT_EQ(lightThemeColour(SystemColour::WindowText), Colour::rgb(0, 0, 0));
}

// Ten minutes at wind 140 with nobody painting (a tab in the background): a sail and a stone
// tick every 43 ms and a banner tick every 20 ms.
class LongWithoutPainting : public Session {
  protected:
    void runFor(double ms) {
        for (double now = 0; now < ms; now += 1) {
            for (const Handle<Timer> timer : MillSession::timers()) {
                if (session.dueAt(timer.id) && *session.dueAt(timer.id) <= now)
                    session.tick(timer, now);
            }
        }
    }
    // Every painted control's bounds, now and as they were when the stale region was last
    // taken, lie in the stale rectangles.
    static bool covers(const std::vector<Rect>& rects, const Rect& bounds) {
        long inside = 0;
        for (const Rect& rect : rects)
            inside = std::max(inside, rect.intersected(bounds).area());
        return bounds.empty() || inside == bounds.area();
    }
};

TEST_F(LongWithoutPainting, TheStaleRegionStaysSmallAndLosesNothing) {
    session.start(0);
    session.press(0);
    session.scroll(form1::VScroll1.id, 140);
    session.takeStale();
    const FormModel before = session.form();
    runFor(10 * 60 * 1000);
    EXPECT_GT(session.form().get(form1::Text1).Text.size(), 4u) << "some 14,000 sail ticks";
    const std::vector<Rect> stale = session.takeStale();
    std::size_t painted = 0;
    for (ControlId id = 0; id < before.controls().size(); ++id) {
        const ControlData &then = before.controls()[id].data,
                          &now = session.form().controls()[id].data;
        if (!drawing::isPainted(now))
            continue;
        ++painted;
        if (then == now)
            continue;
        const drawing::PixelGrid grid(15);
        EXPECT_TRUE(covers(stale, drawing::paintedBounds(then, grid))) << id;
        EXPECT_TRUE(covers(stale, drawing::paintedBounds(now, grid))) << id;
    }
    EXPECT_LE(stale.size(), 2 * painted) << "two a control at most";
    const Rect all = Rect{-200, -20, 1000, 700};
    for (const Rect& rect : stale)
        EXPECT_TRUE(all.contains(rect)) << rect.left << "," << rect.top;
    EXPECT_LE(drawing::unionArea(stale), session.clientArea().area() + 153 * 34)
        << "no more than the client area and the banner's box beyond it";
    EXPECT_TRUE(session.takeStale().empty()) << "taken";
}

} // namespace
} // namespace molen
