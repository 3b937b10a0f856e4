// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A shown mill window with its timers held, and short ways to reach its widgets and pixels.
#pragma once

#include "host/mill_window.h"
#include "host/qt_painter.h"
#include "model/initial_form.h"

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace molen::testing_support {

class WindowTest : public testing::Test {
  protected:
    // Shown but not opened: no timer runs, so every tick comes from the test.
    WindowTest() { window.show(); }

    QLineEdit* field(std::string_view name) const { return child<QLineEdit*>(name); }
    QScrollBar* bar(std::string_view name) const { return child<QScrollBar*>(name); }
    template <typename T>
    T child(std::string_view name) const {
        return window.findChild<T>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    const Line& line(std::string_view name) const { return window.form().get<Line>(name); }

    // The window's pixel at a point given in twips.
    QColor pixelAt(const QImage& image, double x, double y) const {
        return image.pixelColor(
            QPointF(window.grid().pixels(x), window.grid().pixels(y)).toPoint());
    }
    QImage picture() { return window.grab().toImage(); }

    MillWindow window{InitialForm()};
};

// What a widget paints from the moment this is made, once every update pending then is done.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& widget) {
        QCoreApplication::processEvents();
        widget.installEventFilter(this);
    }
    // Everything painted since, once every update pending now is done.
    QRegion painted() {
        QCoreApplication::processEvents();
        return painted_;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

  private:
    QRegion painted_;
};

} // namespace molen::testing_support
