// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scroll bar that shows when it has the keyboard focus, which not every style does, and
// whose arrow keys move the thumb the way they point.
#pragma once

#include <QScrollBar>

namespace molen {

class FocusScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace molen
