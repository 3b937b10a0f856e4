// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A shown mill window with its timers held, and short ways to reach its widgets and pixels.
#pragma once

#include "host/mill_window.h"
#include "model/initial_form.h"

#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace molen::testing_support {

class WindowTest : public testing::Test {
  protected:
    // Shown but not opened: no timer runs, so every tick comes from the test.
    WindowTest() { window.show(); }

    QLineEdit* field(std::string_view name) const {
        return qobject_cast<QLineEdit*>(window.widget(name));
    }
    QScrollBar* bar(std::string_view name) const {
        return qobject_cast<QScrollBar*>(window.widget(name));
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

} // namespace molen::testing_support
