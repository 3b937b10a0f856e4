// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs N sail, stone or banner ticks of the mill or of the floor window, each followed by its
// repaint on the offscreen platform, so that callgrind can count the instructions per tick:
//   molen_tick_driver molen|floor sail|stone|banner N
// Only measuredTicks() is meant to be collected (--toggle-collect='*measuredTicks*').
// For banner ticks of the mill it also prints how much of each repaint fell outside the
// banner's old and new boxes.
#include "floor/floor_widget.h"
#include "host/mill_window.h"
#include "host/pixel_grid.h"
#include "model/initial_form.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QPaintEvent>
#include <cstdio>
#include <functional>
#include <string_view>

namespace {

using namespace molen;

[[gnu::noinline]] void measuredTicks(const std::function<void()>& tick, int count) {
    for (int i = 0; i < count; ++i) {
        tick();
        QCoreApplication::processEvents();
    }
}

// Collects the regions that the window's paint events cover.
class PaintedRegions : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QRect bannerPixels(const MillWindow& window) {
    return window.grid().rect(window.form().get<Label>("Label10"));
}

// Repaint area outside the banner's old and new boxes, summed over `count` ticks.
long bannerOverspill(MillWindow& window, int count) {
    PaintedRegions regions;
    window.installEventFilter(&regions);
    long outside = 0;
    for (int i = 0; i < count; ++i) {
        const QRegion boxes = QRegion(bannerPixels(window));
        regions.painted = {};
        window.deliver(MillEvent::Timer3Tick);
        QCoreApplication::processEvents();
        for (const QRect& r : regions.painted - boxes - bannerPixels(window))
            outside += static_cast<long>(r.width()) * r.height();
    }
    window.removeEventFilter(&regions);
    return outside;
}

std::function<void()> millTick(MillWindow& window, std::string_view kind) {
    const MillEvent event = kind == "sail"    ? MillEvent::Timer1Tick
                            : kind == "stone" ? MillEvent::Timer2Tick
                                              : MillEvent::Timer3Tick;
    return [&window, event] {
        window.deliver(event);
    };
}

std::function<void()> floorTick(floor_mill::FloorWidget& floor, std::string_view kind) {
    if (kind == "sail")
        return [&floor] {
            floor.sailTick();
        };
    if (kind == "stone")
        return [&floor] {
            floor.stoneTick();
        };
    return [&floor] {
        floor.bannerTick();
    };
}

int runMill(std::string_view kind, int count) {
    MillWindow window(InitialForm());
    window.show();
    window.deliver(MillEvent::Command1Click);
    qobject_cast<QAbstractSlider*>(window.findChild<QWidget*>("VScroll1"))->setValue(140);
    for (MillEvent warmUp : {MillEvent::Timer1Tick, MillEvent::Timer2Tick, MillEvent::Timer3Tick})
        window.deliver(warmUp);
    QCoreApplication::processEvents();
    measuredTicks(millTick(window, kind), count);
    if (kind == "banner")
        std::printf("{\"banner_overspill_px\": %ld}\n", bannerOverspill(window, count));
    return 0;
}

int runFloor(std::string_view kind, int count) {
    floor_mill::FloorWidget floor(140);
    floor.show();
    QCoreApplication::processEvents();
    measuredTicks(floorTick(floor, kind), count);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int one = 1;
    QApplication app(one, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s molen|floor sail|stone|banner N\n", argv[0]);
        return 2;
    }
    const std::string_view who = argv[1], kind = argv[2];
    const int count = std::atoi(argv[3]);
    return who == "molen" ? runMill(kind, count) : runFloor(kind, count);
}
