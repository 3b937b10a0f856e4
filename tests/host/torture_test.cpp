// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window pulled between tiny and far larger than any screen while the banner runs, and the
// brake button hammered: the banner wraps by the width of the moment, the brake ends as the
// count of clicks says.
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <random>

namespace molen::testing_support {
namespace {

class Torture : public WindowTest {
  protected:
    float banner() const { return window.form().get<Label>("Label10").Left; }
    float recordedWidth() const { return window.form().form().Width; }

    // One banner tick, checked against the rule: 20 on, back to -2300 once past the width.
    bool tickBanner() {
        const float before = banner();
        window.deliver(MillEvent::Timer3Tick);
        const float expected = before + 20 > recordedWidth() ? -2300 : before + 20;
        EXPECT_EQ(banner(), expected) << "from " << before << " in width " << recordedWidth();
        return banner() == -2300;
    }
};

TEST_F(Torture, TheBannerWrapsByTheWidthOfTheMomentWhileTheWindowIsResized) {
    std::minstd_rand random(5);
    std::uniform_int_distribution<int> width(1, 6000), height(1, 1500), ticks(1, 60);
    int wraps = 0;
    for (int resize = 0; resize < 400; ++resize) {
        const QSize size = resize % 50 == 0   ? QSize(1, 1)
                           : resize % 50 == 1 ? QSize(6000, 40)
                                              : QSize(width(random), height(random));
        window.resize(size);
        if (resize % 10 == 0)
            QApplication::processEvents(); // paints at this size now and then
        ASSERT_EQ(recordedWidth(),
                  static_cast<float>(window.grid().twips(window.frameGeometry().width())));
        for (int tick = ticks(random); tick > 0; --tick)
            wraps += tickBanner();
    }
    EXPECT_GT(wraps, 10); // both ways of the rule were taken
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Torture, AThousandClicksInABurstEndBrakedWithBothDrivesStopped) {
    window.open();
    auto* button = qobject_cast<QPushButton*>(window.findChild<QWidget*>("Command1"));
    for (int click = 1; click <= 1000; ++click) {
        QTest::mouseClick(button, Qt::LeftButton);
        if (click % 100 == 0)
            QApplication::processEvents(); // lets any due tick in between
        if (click == 999) {
            EXPECT_EQ(button->text(), "Vangen");
            EXPECT_TRUE(window.findChild<QTimer*>("Timer1")->isActive());
            EXPECT_TRUE(window.findChild<QTimer*>("Timer2")->isActive());
        }
    }
    EXPECT_EQ(button->text(), "Licht de vang");
    EXPECT_EQ(window.form().get<CommandButton>("Command1").Caption, "Licht de vang");
    for (const char* name : {"Timer1", "Timer2"}) {
        EXPECT_FALSE(window.findChild<QTimer*>(name)->isActive()) << name;
        EXPECT_FALSE(window.form().get<Timer>(name).Enabled) << name;
    }
    EXPECT_TRUE(window.findChild<QTimer*>("Timer3")->isActive());
}

} // namespace
} // namespace molen::testing_support
