// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The banner stopped and let go by the user: by its key and from the window's context menu, by
// mouse and by keyboard. Stopped, its timer does not run and its pixels stay; the sails go on.
#include "model/form1.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace molen::testing_support {
namespace {

class BannerStop : public WindowTest {
  protected:
    BannerStop() {
        window.open();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTimer* timer(const char* name) const { return child<QTimer*>(name); }
    // The top of the client area, where the banner runs (Top 20, Height 495 twips).
    QImage banner() { return picture().copy(0, 0, window.width(), 35); }
    bool bannerStandsStill() {
        const QImage before = banner();
        QTest::qWait(150); // seven of its ticks when it moves
        return banner() == before;
    }
    // Picks the stop from the context menu once it shows, as a user clicks it.
    static void pickStopFromMenu() {
        QTimer::singleShot(50, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu) << "no context menu";
            const QList<QAction*> entries = menu->actions();
            const auto stop = std::find_if(entries.begin(), entries.end(), [](QAction* entry) {
                return entry->text() == "Lichtkrant stilzetten";
            });
            ASSERT_NE(stop, entries.end());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*stop).center());
        });
    }
};

TEST_F(BannerStop, ItsKeyStopsTheBannerAndLetsItMoveOn) {
    EXPECT_TRUE(timer("Timer3")->isActive()) << "it moves by default";
    EXPECT_FALSE(bannerStandsStill());
    QTest::keyClick(&window, Qt::Key_Pause);
    EXPECT_FALSE(timer("Timer3")->isActive());
    EXPECT_TRUE(bannerStandsStill());
    QTest::keyClick(&window, Qt::Key_Pause);
    EXPECT_TRUE(timer("Timer3")->isActive());
    EXPECT_FALSE(bannerStandsStill());
}

TEST_F(BannerStop, TheContextMenuStopsItByMouseWhileTheSailsTurn) {
    QTest::mouseClick(child<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(timer("Timer1")->isActive()) << "the brake is off";
    pickStopFromMenu();
    const QPoint empty(window.grid().pixels(10000), window.grid().pixels(8000));
    QContextMenuEvent click(QContextMenuEvent::Mouse, empty, window.mapToGlobal(empty));
    QApplication::sendEvent(&window, &click);
    EXPECT_FALSE(timer("Timer3")->isActive());
    EXPECT_TRUE(timer("Timer1")->isActive() && timer("Timer2")->isActive()) << "the mill runs";
    EXPECT_TRUE(bannerStandsStill());
    EXPECT_EQ(window.form().get(form1::Label10).Left, 0) << "its whole box in view";
}

// Shift+F10 opens the window's menu wherever the focus is; the Menu key does so through the
// platform, which the off-screen one does not do.
TEST_F(BannerStop, ShiftF10OpensTheSameMenuFromTheFocusedControl) {
    for (const char* focused : {"Command1", "Text2", "VScroll1"}) {
        child<QWidget*>(focused)->setFocus();
        pickStopFromMenu();
        QTest::keyClick(window.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_FALSE(timer("Timer3")->isActive()) << focused;
        pickStopFromMenu();
        QTest::keyClick(window.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(timer("Timer3")->isActive()) << "picked again, it moves on";
    }
}

} // namespace
} // namespace molen::testing_support
