// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor window on its own, for whole-program comparisons: `molen_floor [wind]`.
#include "floor_widget.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int wind = argc > 1 ? QString(argv[1]).toInt() : 140;
    floor_mill::FloorWidget window(wind > 0 ? wind : 140);
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
    window.start();
    return app.exec();
}
