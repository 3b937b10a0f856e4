// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text field of the window as assistive technology sees it: an editable text, its value and
// text the field's text, which is all one run of attributes.
#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

namespace molen {

// Stands in for Qt 6.4's own interface of a QLineEdit, which reports a run of attributes of no
// length at every offset: Orca 43 builds the text it speaks from those runs, and so reads "10" as
// "1" and "4.5" as "4.". Everything else is read from the field's public interface.
class AccessibleField : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
  public:
    explicit AccessibleField(QLineEdit& field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int* start, int* end) const override;

    void deleteText(int start, int end) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int start, int end, const QString& text) override;

  private:
    QLineEdit& field() const { return *static_cast<QLineEdit*>(widget()); }
};

} // namespace molen
