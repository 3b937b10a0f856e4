// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/focus_scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace molen {

void FocusScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

// QScrollBar inverts its controls so that Up lowers a vertical bar's value, which leaves
// Left raising a horizontal one; here Right raises it, as its thumb then moves right.
void FocusScrollBar::keyPressEvent(QKeyEvent* event) {
    const bool left = event->key() == Qt::Key_Left, right = event->key() == Qt::Key_Right;
    if (orientation() == Qt::Horizontal && (left || right)) {
        triggerAction(right != isRightToLeft() ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace molen
