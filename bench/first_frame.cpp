// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and waits until its window shows its first painted frame, seen from outside
// through the X server: `molen_first_frame PROGRAM [ARGS...]` prints "first_frame_ms T pid P"
// and leaves the program running. The frame is there when a pixel on the upright red sail is red;
// both the mill and the floor window draw that sail there from their first frame, centred on
// the screen with the form's client area.
#include "host/qt_painter.h"
#include "model/initial_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

using namespace molen;

// A point on the upright sail, a quarter of the way in from its tip.
QPoint sailPixel(const QScreen& screen) {
    const FormModel form = InitialForm();
    const drawing::PixelGrid grid = gridForScreen(&screen);
    QRect client = toQRect(grid.rect({0, 0, form.form().ClientWidth, form.form().ClientHeight}));
    client.moveCenter(screen.availableGeometry().center());
    const Line& sail = form.get<Line>("Line1");
    const QPointF inFromTip(sail.X2 + (sail.X1 - sail.X2) / 4, sail.Y2 + (sail.Y1 - sail.Y2) / 4);
    return client.topLeft() +
           QPointF(grid.pixels(inFromTip.x()), grid.pixels(inFromTip.y())).toPoint();
}

bool isSailRed(QScreen& screen, QPoint at) {
    const QImage pixel = screen.grabWindow(0, at.x(), at.y(), 1, 1).toImage();
    const QColor colour = pixel.pixelColor(0, 0);
    return colour.red() > 200 && colour.green() < 60 && colour.blue() < 60;
}

} // namespace

int main(int argc, char** argv) {
    int one = 1;
    QApplication app(one, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    QScreen& screen = *QGuiApplication::primaryScreen();
    const QPoint at = sailPixel(screen);
    if (isSailRed(screen, at)) {
        std::fprintf(stderr, "the screen is already red where the sail will be\n");
        return 1;
    }
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << argv[i];
    QElapsedTimer clock;
    clock.start();
    // The program outlives this probe, so it must not hold on to the probe's output, which a
    // caller may be reading to its end.
    QProcess program;
    program.setProgram(argv[1]);
    program.setArguments(arguments);
    program.setStandardInputFile(QProcess::nullDevice());
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!program.startDetached(&pid))
        return 1;
    while (!isSailRed(screen, at)) {
        if (clock.elapsed() > 30000)
            return 1;
        QThread::usleep(500);
    }
    std::printf("first_frame_ms %.1f pid %lld\n", clock.nsecsElapsed() / 1e6, pid);
    return 0;
}
