// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/timer_bank.h"
#include "model/form1.h"
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace molen::testing_support {
namespace {

const QColor Red(255, 0, 0);
const QColor DarkBlue(0, 0, 192);

bool near(const QColor& actual, const QColor& expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

class SailsAndStone : public WindowTest {
  protected:
    SailsAndStone() { QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton); }

    // How many of `samples` points spread over the outer part of the line show `colour`.
    int samplesShowing(const QImage& image, const Line& shown, const QColor& colour,
                       int tolerance) {
        constexpr int samples = 10;
        int matching = 0;
        for (int i = 0; i < samples; ++i) {
            const double t = 0.35 + 0.6 * i / (samples - 1);
            const double x = shown.X1 + t * (shown.X2 - shown.X1);
            const double y = shown.Y1 + t * (shown.Y2 - shown.Y1);
            matching += near(pixelAt(image, x, y), colour, tolerance);
        }
        return matching;
    }
};

TEST_F(WindowTest, FirstScreenIsBrakedWithTheBannerAtItsStart) {
    EXPECT_FALSE(window.form().get<Label>("Label1").Visible);
    const Label& banner = window.form().get<Label>("Label10");
    EXPECT_EQ(banner.Left, -2300);
    EXPECT_EQ(banner.Top, 20);
    EXPECT_EQ(bar("VScroll1")->value(), 10);
    EXPECT_EQ(bar("HScroll1")->value(), 450);
    EXPECT_EQ(bar("HScroll2")->value(), 140);
    for (const char* name : {"Text2", "Text4", "Text8"}) {
        EXPECT_TRUE(field(name)->isVisible()) << name;
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    }
    for (const char* name : {"Text1", "Text3", "Text5", "Text6", "Text7"})
        EXPECT_FALSE(field(name)->isVisible()) << name;
    EXPECT_EQ(qobject_cast<QPushButton*>(window.findChild<QWidget*>("Command1"))->text(),
              "Licht de vang");
}

TEST_F(WindowTest, TheButtonSwitchesTheBrakeAndTheDrives) {
    window.open();
    auto* button = qobject_cast<QPushButton*>(window.findChild<QWidget*>("Command1"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), "Vangen");
    for (const auto& [name, interval] : {std::pair{"Timer1", 1000}, std::pair{"Timer2", 10}}) {
        EXPECT_TRUE(window.findChild<QTimer*>(name)->isActive()) << name;
        EXPECT_EQ(window.findChild<QTimer*>(name)->interval(), interval) << name;
        EXPECT_EQ(window.findChild<QTimer*>(name)->timerType(), Qt::PreciseTimer) << name;
    }
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->text(), "Licht de vang");
    EXPECT_FALSE(window.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(window.findChild<QTimer*>("Timer2")->isActive());
    EXPECT_TRUE(window.findChild<QTimer*>("Timer3")->isActive());
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(button->text(), "Vangen");
}

TEST_F(SailsAndStone, ASailTickDrawsTheSailsAtTheirNewAngle) {
    window.deliver(MillEvent::Timer1Tick);
    PaintWatch watch(window);
    window.deliver(MillEvent::Timer1Tick);
    const QRegion redrawn = watch.painted();
    const QImage image = picture();
    EXPECT_GE(samplesShowing(image, line("Line1"), Red, 0), 9);
    EXPECT_NE(pixelAt(image, 5000, 2100), Red) << "the sail's upright position is cleared";

    EXPECT_TRUE(redrawn.contains(
        QPointF(window.grid().pixels(5000), window.grid().pixels(2100)).toPoint()));
    EXPECT_FALSE(
        redrawn.contains(QPointF(window.grid().pixels(1600), window.grid().pixels(3400)).toPoint()))
        << "the stone is left alone";
    EXPECT_NE(redrawn.intersected(window.rect()), QRegion(window.rect()));
}

TEST_F(SailsAndStone, AStoneTickDrawsTheRadiusLines) {
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    window.deliver(MillEvent::Timer2Tick);
    const QImage image = picture();
    EXPECT_GE(samplesShowing(image, line("Line6"), DarkBlue, 80), 9);
    EXPECT_GE(samplesShowing(image, line("Line7"), DarkBlue, 80), 9);
}

TEST_F(WindowTest, ABannerTickRedrawsOnlyTheBannerStrip) {
    PaintWatch watch(window);
    window.deliver(MillEvent::Timer3Tick);
    const QRect redrawn = watch.painted().boundingRect();
    EXPECT_FALSE(redrawn.isEmpty());
    EXPECT_LE(redrawn.bottom(), window.grid().pixels(20 + 495) + 3);
}

TEST_F(SailsAndStone, ASliderChangeReachesTheWindFieldAtTheNextSailTick) {
    QTest::keyClick(bar("VScroll1"), Qt::Key_Down);
    EXPECT_EQ(window.form().get<ScrollBar>("VScroll1").Value(), 11);
    EXPECT_TRUE(field("Text2")->text().isEmpty());
    window.deliver(MillEvent::Timer1Tick);
    EXPECT_EQ(field("Text2")->text(), "11");
}

TEST_F(WindowTest, NoTimerRunsUntilTheWindowOpens) {
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    for (const char* name : {"Timer1", "Timer2", "Timer3"})
        EXPECT_FALSE(window.findChild<QTimer*>(name)->isActive()) << name;
    window.open();
    for (const char* name : {"Timer1", "Timer2", "Timer3"})
        EXPECT_TRUE(window.findChild<QTimer*>(name)->isActive()) << name;
}

// Qt restarts a running timer whenever its interval is set. A tick that keeps the interval must
// leave the time to the next tick running, or each tick's lateness would add to the next.
TEST_F(WindowTest, ATickThatKeepsItsIntervalLeavesItsTimerRunningOn) {
    window.open();
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    const QTimer* drives[] = {window.findChild<QTimer*>("Timer1"),
                              window.findChild<QTimer*>("Timer2")};
    for (const QTimer* drive : drives)
        ASSERT_EQ(drive->interval(), 600);
    // Until the clock has moved on a little from the start of both intervals.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return drives[0]->remainingTime() < 598 && drives[1]->remainingTime() < 598; }));
    const int remaining[] = {drives[0]->remainingTime(), drives[1]->remainingTime()};
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    window.deliver(MillEvent::Timer3Tick);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(drives[i]->isActive()) << i + 1;
        EXPECT_EQ(drives[i]->interval(), 600) << i + 1;
        EXPECT_LE(drives[i]->remainingTime(), remaining[i]) << "Timer" << i + 1 << " restarted";
    }
}

// The ticks rewrite a field only where its text changes, so they never move the cursor or the
// selection of someone typing, here in the middle of the wind field and in the ratio field.
TEST_F(SailsAndStone, TypingInTheMiddleOfAFieldKeepsCursorAndSelectionThroughTicks) {
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    QLineEdit* wind = window.findChild<QLineEdit*>("Text2");
    QLineEdit* ratio = window.findChild<QLineEdit*>("Text4");
    ASSERT_EQ(wind->text(), "10");
    ASSERT_EQ(ratio->text(), "4.5");
    wind->setCursorPosition(1);
    QTest::keyClicks(wind, "5");
    ASSERT_EQ(wind->text(), "150");
    ratio->setSelection(2, -2); // "4." selected, the cursor between them and the "5"

    for (const MillEvent tick : {MillEvent::Timer3Tick, MillEvent::Timer2Tick}) {
        window.deliver(tick);
        EXPECT_EQ(wind->text(), "150");
        EXPECT_EQ(wind->cursorPosition(), 2);
        EXPECT_EQ(ratio->text(), "4.5");
        EXPECT_EQ(ratio->selectedText(), "4.");
        EXPECT_EQ(ratio->cursorPosition(), 0);
    }
    QTest::keyClick(wind, Qt::Key_Left, Qt::ShiftModifier); // "5" selected
    window.deliver(MillEvent::Timer3Tick);
    EXPECT_EQ(wind->selectedText(), "5");
}

// The thumb follows the arrow: right and down raise the value, left and up lower it.
TEST_F(WindowTest, ArrowKeysMoveEverySliderTheWayTheyPoint) {
    const struct {
        const char* slider;
        Qt::Key raise, lower;
    } sliders[] = {{"HScroll1", Qt::Key_Right, Qt::Key_Left},
                   {"HScroll2", Qt::Key_Right, Qt::Key_Left},
                   {"VScroll1", Qt::Key_Down, Qt::Key_Up}};
    for (const auto& s : sliders) {
        const int start = window.form().get<ScrollBar>(s.slider).Value();
        QTest::keyClick(bar(s.slider), s.raise);
        QTest::keyClick(bar(s.slider), s.raise);
        EXPECT_EQ(window.form().get<ScrollBar>(s.slider).Value(), start + 2) << s.slider;
        QTest::keyClick(bar(s.slider), s.lower);
        EXPECT_EQ(window.form().get<ScrollBar>(s.slider).Value(), start + 1) << s.slider;
    }
}

TEST_F(WindowTest, ResizingMovesNothingAndTracksTheOuterWidth) {
    std::vector<QRect> places;
    for (const QWidget* child : window.findChildren<QWidget*>())
        places.push_back(child->geometry());
    for (const QSize size : {QSize(400, 300), QSize(1000, 800)}) {
        window.resize(size);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window.form().form().Width ==
                       static_cast<float>(window.grid().twips(window.frameGeometry().width())) &&
                   window.width() == size.width();
        }));
        std::vector<QRect> now;
        for (const QWidget* child : window.findChildren<QWidget*>())
            now.push_back(child->geometry());
        EXPECT_EQ(now, places);
    }
}

TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder) {
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>("Command1"));
    for (const char* name :
         {"Text2", "VScroll1", "Text4", "HScroll1", "Text8", "HScroll2", "Command1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>(name)) << name;
    }
}

TEST_F(WindowTest, AScrollBarShowsThatItHasTheFocus) {
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* wind = window.findChild<QWidget*>("VScroll1");
    const QImage unfocused = wind->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wind);
    EXPECT_NE(wind->grab().toImage(), unfocused);
}

// Ten minutes at wind 140 with the window hidden (a sail and a stone tick every 43 ms, a banner
// tick every 20 ms): shown again, it paints itself once, no more than all of it, and nothing
// stale is left out.
TEST_F(WindowTest, ShownAfterTenMinutesHiddenItPaintsNoMoreThanItsWholeArea) {
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    bar("VScroll1")->setValue(140);
    window.hide();
    for (int banner = 0; banner < 30000; ++banner) {
        window.deliver(MillEvent::Timer3Tick);
        if (banner % 43 < 20) {
            window.deliver(MillEvent::Timer1Tick);
            window.deliver(MillEvent::Timer2Tick);
        }
    }
    PaintWatch watch(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRegion painted = watch.painted();
    EXPECT_TRUE(QRegion(window.rect()).subtracted(painted).isEmpty()) << "all of it, afresh";
    EXPECT_TRUE(painted.subtracted(window.rect()).isEmpty());
    EXPECT_LE(painted.rectCount(), 4) << "in one go, not a rectangle a change";
}

// A timer due an Interval from now waits just that Interval, whatever now is: the due time, now
// plus 10 taken from now again, may come out a hair over 10 (at 123.456789, 10.000000000000014).
TEST(TimerBankTest, ATimerDueAnIntervalFromNowWaitsJustThatInterval) {
    QObject owner;
    TimerBank bank(owner, MillSession::timers(), [](Handle<Timer>) {});
    auto* timer = owner.findChild<QTimer*>("Timer2");
    for (const double now : {0.0, 123.456789, 1000.1, 86'400'000.3}) {
        bank.schedule(form1::Timer2.id, now + 10, now);
        EXPECT_EQ(timer->interval(), 10) << "at " << now;
        bank.schedule(form1::Timer2.id, now + 10.2, now);
        EXPECT_EQ(timer->interval(), 11) << "never early, at " << now;
    }
}

} // namespace
} // namespace molen::testing_support
