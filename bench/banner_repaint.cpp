// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs N banner ticks of the mill, each followed by its repaint on the offscreen platform, and
// prints how much of the repaints fell outside the banner's old and new boxes:
//   molen_banner_repaint N   prints {"banner_overspill_px": P}
#include "host/mill_window.h"
#include "host/qt_painter.h"
#include "model/initial_form.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QPaintEvent>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace molen;

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
    return toQRect(window.grid().rect(window.form().get<Label>("Label10")));
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

} // namespace

int main(int argc, char** argv) {
    int one = 1;
    QApplication app(one, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s N\n", argv[0]);
        return 2;
    }
    MillWindow window(InitialForm());
    window.show();
    window.deliver(MillEvent::Command1Click);
    qobject_cast<QAbstractSlider*>(window.findChild<QWidget*>("VScroll1"))->setValue(140);
    for (MillEvent warmUp : {MillEvent::Timer1Tick, MillEvent::Timer2Tick, MillEvent::Timer3Tick})
        window.deliver(warmUp);
    QCoreApplication::processEvents();
    std::printf("{\"banner_overspill_px\": %ld}\n", bannerOverspill(window, std::atoi(argv[1])));
    return 0;
}
