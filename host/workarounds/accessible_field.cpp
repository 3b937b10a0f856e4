// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/workarounds/accessible_field.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace molen {

AccessibleField::AccessibleField(QLineEdit& field)
    : QAccessibleWidget(&field, QAccessible::EditableText) {}

void* AccessibleField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleField::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? field().text() : QAccessibleWidget::text(t);
}

void AccessibleField::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value)
        field().setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State AccessibleField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field().isReadOnly();
    state.editable = !field().isReadOnly();
    state.selectableText = true;
    return state;
}

void AccessibleField::selection(int index, int* start, int* end) const {
    *start = *end = 0;
    if (index == 0 && field().hasSelectedText()) {
        *start = field().selectionStart();
        *end = *start + field().selectionLength();
    }
}

int AccessibleField::selectionCount() const { return field().hasSelectedText() ? 1 : 0; }
void AccessibleField::addSelection(int start, int end) { setSelection(0, start, end); }
void AccessibleField::removeSelection(int) { field().deselect(); }
void AccessibleField::setSelection(int, int start, int end) {
    field().setSelection(start, end - start);
}
int AccessibleField::cursorPosition() const { return field().cursorPosition(); }
void AccessibleField::setCursorPosition(int position) { field().setCursorPosition(position); }
QString AccessibleField::text(int start, int end) const {
    return field().text().mid(start, end - start);
}
int AccessibleField::characterCount() const { return int(field().text().size()); }

// Where the character lies on the screen, for a text that fits the field (as the mill's do):
// laid out in the field's contents as its alignment puts it.
QRect AccessibleField::characterRect(int offset) const {
    const QString text = field().text();
    if (offset < 0 || offset >= text.size())
        return {};
    QStyleOptionFrame option;
    option.initFrom(&field());
    QRect contents =
        field().style()->subElementRect(QStyle::SE_LineEditContents, &option, &field());
    contents = contents.marginsRemoved(field().textMargins()).adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(field().font());
    const int width = metrics.horizontalAdvance(text);
    const int left = QStyle::alignedRect(field().layoutDirection(), field().alignment(),
                                         {width, metrics.height()}, contents)
                         .left();
    const QRect box(left + metrics.horizontalAdvance(text.left(offset)), contents.top(),
                    metrics.horizontalAdvance(text.at(offset)), contents.height());
    return {field().mapToGlobal(box.topLeft()), box.size()};
}

int AccessibleField::offsetAtPoint(const QPoint& point) const {
    return field().cursorPositionAt(field().mapFromGlobal(point));
}

void AccessibleField::scrollToSubstring(int start, int) { field().setCursorPosition(start); }

// A field has no attributes of its own: its whole text is one run.
QString AccessibleField::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

void AccessibleField::deleteText(int start, int end) { replaceText(start, end, {}); }
void AccessibleField::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}
void AccessibleField::replaceText(int start, int end, const QString& text) {
    field().setText(field().text().replace(start, end - start, text));
}

} // namespace molen
