// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One painted label as a static text for assistive technology, or, for the advice, as a
// notification: its name and value are the label's caption, its place the label's box on the
// screen.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>

namespace molen {

class PaintedText : public QAccessibleInterface {
  public:
    // Label `id` of `form`, painted on `window` where `grid` puts it; all three outlive it.
    PaintedText(QWidget& window, const FormModel& form, const drawing::PixelGrid& grid,
                ControlId id);

    ControlId id() const { return id_; }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    const Label& label() const;

    QWidget& window_;
    const FormModel& form_;
    const drawing::PixelGrid& grid_;
    ControlId id_;
};

} // namespace molen
