// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real mill window on a real display, brake released at one wind for a fixed time, with
// the time of every tick taken as it is delivered:
//   molen_timing WIND SECONDS OUT [--starve]
// Writes to OUT, as JSON, a row per timer and interval and every period.
// With --starve the wind slider jumps to a new value every 20 ms throughout.
#include "host/mill_window.h"
#include "model/initial_form.h"
#include "tick_log.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <random>
#include <utility>

namespace {

using namespace molen;
using molen_bench::Tick;
using Clock = std::chrono::steady_clock;

class TickRecorder {
  public:
    explicit TickRecorder(const MillWindow& window)
        : window_(window) {}

    void record(MillEvent event) {
        const double at = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
        if (event == MillEvent::Command1Click) {
            // The release starts the sail and stone timers: the first period of each runs
            // from here.
            ticks_.push_back({std::string(form1::Timer1.name), at, 0});
            ticks_.push_back({std::string(form1::Timer2.name), at, 0});
        } else if (const auto timer = bindingOf(event).timer) {
            ticks_.push_back({std::string(timer->name), at, window_.form().get(*timer).Interval()});
        }
    }
    double now() const {
        return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    }
    const std::vector<Tick>& ticks() const { return ticks_; }

  private:
    const MillWindow& window_;
    Clock::time_point start_ = Clock::now();
    std::vector<Tick> ticks_;
};

QJsonObject rowOf(const molen_bench::PeriodStats& s) {
    return {{"timer", QString::fromStdString(s.timer)},
            {"interval_ms", s.nominalMs},
            {"expected", qint64(s.expected)},
            {"seen", qint64(s.seen)},
            {"mean_error_percent", s.meanErrorPercent},
            {"p50_ms", s.p50},
            {"p99_ms", s.p99},
            {"longest_ms", s.longest}};
}

void write(const char* path, int wind, const TickRecorder& recorder, double endMs) {
    QJsonArray rows, periods;
    for (const auto& stats : molen_bench::summarise(recorder.ticks(), endMs))
        rows.append(rowOf(stats));
    for (const auto& p : molen_bench::periodsOf(recorder.ticks()))
        periods.append(QJsonObject{{"timer", QString::fromStdString(p.timer)},
                                   {"interval_ms", p.nominalMs},
                                   {"ms", p.ms}});
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(QJsonDocument(QJsonObject{{"wind", wind}, {"rows", rows}, {"periods", periods}})
                      .toJson());
}

} // namespace

int main(int argc, char** argv) {
    int one = 1;
    QApplication app(one, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WIND SECONDS OUT [--starve]\n", argv[0]);
        return 2;
    }
    const int wind = std::atoi(argv[1]);
    const double seconds = std::atof(argv[2]);
    const bool starve = argc > 4 && std::string_view(argv[4]) == "--starve";

    MillWindow window(InitialForm());
    TickRecorder recorder(window);
    // Each form timer is a QTimer named after it; its timeout is the tick's arrival.
    for (const auto& [name, event] : {std::pair{"Timer1", MillEvent::Timer1Tick},
                                      {"Timer2", MillEvent::Timer2Tick},
                                      {"Timer3", MillEvent::Timer3Tick}})
        QObject::connect(window.findChild<QTimer*>(name), &QTimer::timeout,
                         [&recorder, event = event] { recorder.record(event); });
    window.open();
    auto* slider = qobject_cast<QAbstractSlider*>(window.findChild<QWidget*>("VScroll1"));
    std::mt19937 random(140);
    QTimer gusts;
    QObject::connect(&gusts, &QTimer::timeout,
                     [&] { slider->setValue(std::uniform_int_distribution(10, 140)(random)); });
    double endMs = 0;
    QTimer::singleShot(500, [&] {
        slider->setValue(wind);
        qobject_cast<QAbstractButton*>(window.findChild<QWidget*>("Command1"))->click();
        if (starve)
            gusts.start(20);
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
            endMs = recorder.now();
            QApplication::quit();
        });
    });
    app.exec();
    write(argv[3], wind, recorder, endMs);
    return 0;
}
