// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screen shows after each event. The window repaints only what an event made stale, over
// the frame it showed before; the result must be exactly what a full repaint of the new state
// draws, with no trail of anything that moved, changed or vanished. It runs at every scale factor
// the scale tests run at, where rounding to device pixels is likeliest to leave a trail.
#include "window_fixture.h"

#include <QApplication>
#include <QBackingStore>
#include <QTest>

namespace molen::testing_support {
namespace {

class OnScreen : public WindowTest {
  protected:
    OnScreen() {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        paintPending();
    }

    // Has the window paint what it has marked stale into its frame, as Qt does before it shows
    // the next frame.
    void paintPending() {
        QEvent request(QEvent::UpdateRequest);
        QApplication::sendEvent(&window, &request);
    }

    // The frame the platform puts on the screen: what all the partial repaints so far have left
    // in the backing store.
    QImage shown() const {
        QPaintDevice* device = window.backingStore()->paintDevice();
        if (device->devType() != QInternal::Image) {
            ADD_FAILURE() << "the backing store holds no image";
            return {};
        }
        return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    }
    QImage fullRepaint() { return picture().convertToFormat(QImage::Format_RGB32); }

    // After an event: the screen as a full repaint would draw it; else where they differ.
    void expectUpToDate(const std::string& after) {
        paintPending();
        const QImage screen = shown(), full = fullRepaint();
        ASSERT_EQ(screen.size(), full.size()) << after;
        if (screen == full)
            return;
        QRect differing;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (screen.pixel(x, y) != full.pixel(x, y))
                    differing |= QRect(x, y, 1, 1);
            }
        }
        ADD_FAILURE() << after << ": stale device pixels within (" << differing.x() << ", "
                      << differing.y() << ") " << differing.width() << " x " << differing.height();
    }

    void deliverAndCheck(MillEvent event, int count, const std::string& what) {
        for (int i = 1; i <= count; ++i) {
            window.deliver(event);
            expectUpToDate(what + " " + std::to_string(i));
        }
    }

    void resizeTo(QSize size) {
        window.resize(size);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == size; }));
    }
};

TEST_F(OnScreen, EveryEventLeavesTheFrameAFullRepaintWouldDraw) {
    for (int tick = 0; tick < 160; ++tick)
        window.deliver(MillEvent::Timer3Tick); // the banner's left end comes into view
    expectUpToDate("the banner's first ticks");
    deliverAndCheck(MillEvent::Timer3Tick, 3, "banner tick");

    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    expectUpToDate("releasing the brake");
    bar("VScroll1")->setValue(80);
    for (int round = 1; round <= 12; ++round) {
        if (round == 7)
            bar("VScroll1")->setValue(70); // the advice goes again
        const std::string at = " in round " + std::to_string(round);
        deliverAndCheck(MillEvent::Timer1Tick, 1, "sail tick" + at);
        deliverAndCheck(MillEvent::Timer2Tick, 2, "stone tick" + at);
        deliverAndCheck(MillEvent::Timer3Tick, 2, "banner tick" + at);
    }
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    expectUpToDate("applying the brake");

    resizeTo({400, 300});
    expectUpToDate("the resize");
    deliverAndCheck(MillEvent::Timer3Tick, 3, "banner tick in the smaller window");
    resizeTo({725, 573});
    deliverAndCheck(MillEvent::Timer3Tick, 3, "banner tick after the resize");
}

} // namespace
} // namespace molen::testing_support
