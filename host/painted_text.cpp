// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/painted_text.h"

#include "host/qt_painter.h"
#include "host/qt_values.h"
#include "model/form1.h"

namespace molen {

PaintedText::PaintedText(QWidget& window, const FormModel& form, const drawing::PixelGrid& grid,
                         ControlId id)
    : window_(window)
    , form_(form)
    , grid_(grid)
    , id_(id) {}

const Label& PaintedText::label() const { return form_.get<Label>(id_); }

QWindow* PaintedText::window() const { return window_.windowHandle(); }

QAccessibleInterface* PaintedText::parent() const {
    return QAccessible::queryAccessibleInterface(&window_);
}

QString PaintedText::text(QAccessible::Text t) const {
    if (t == QAccessible::Name || t == QAccessible::Value)
        return toQString(label().Caption);
    return {};
}

QRect PaintedText::rect() const {
    const QRect box = toQRect(grid_.rect(label()));
    return {window_.mapToGlobal(box.topLeft()), box.size()};
}

// A work-around (host/workarounds/README.md): a screen reader speaks a notification as it shows
// (Orca 43 speaks no other role's showing unless it has the focus), and the readouts, being
// static texts, only when asked.
QAccessible::Role PaintedText::role() const {
    return id_ == form1::Advice.id ? QAccessible::Notification : QAccessible::StaticText;
}

QAccessible::State PaintedText::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !label().Visible || !window_.isVisible();
    return state;
}

} // namespace molen
