// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/windowed_controls.h"

#include "host/focus_scroll_bar.h"
#include "host/qt_painter.h"
#include "host/qt_values.h"
#include "host/slot_guard.h"
#include "session/form_facts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <type_traits>
#include <utility>

namespace molen {
namespace {

// Fusion's frame and margins leave the form's narrow fields room for their whole text; some
// styles' wider margins would cut off digits ("140" read as "40"), so fields take it whatever
// style the application has.
QStyle* fieldStyle() {
    static QStyle* const style = [] {
        QStyle* fusion = QStyleFactory::create("Fusion");
        fusion->setParent(qApp); // lives as long as the application's widgets
        return fusion;
    }();
    return style;
}

QLineEdit* createTextBox(QWidget& parent, const TextBox& field) {
    auto* edit = new QLineEdit(&parent);
    edit->setStyle(fieldStyle());
    // Only fixed colours are set: system colours stay the edit's own roles, which follow the theme.
    QPalette palette = edit->palette();
    if (!paletteRole(field.BackColor))
        palette.setColor(QPalette::Base, toQColor(field.BackColor, palette));
    if (!paletteRole(field.ForeColor))
        palette.setColor(QPalette::Text, toQColor(field.ForeColor, palette));
    edit->setPalette(palette);
    edit->setFont(toQFont(field.Font));
    edit->setAlignment(toQAlignment(field.Alignment) | Qt::AlignVCenter);
    return edit;
}

QScrollBar* createScrollBar(QWidget& parent, const ScrollBar& bar) {
    auto* scrollBar = new FocusScrollBar(
        bar.orientation() == Orientation::Vertical ? Qt::Vertical : Qt::Horizontal, &parent);
    scrollBar->setRange(bar.Min(), bar.Max());
    scrollBar->setSingleStep(bar.SmallChange);
    scrollBar->setPageStep(bar.LargeChange);
    scrollBar->setFocusPolicy(Qt::StrongFocus);
    return scrollBar;
}

QPushButton* createButton(QWidget& parent, const CommandButton& button) {
    auto* pushButton = new QPushButton(&parent);
    pushButton->setFont(toQFont(button.Font));
    pushButton->setAutoDefault(true); // Enter presses it when it has the focus
    return pushButton;
}

} // namespace

WindowedControls::WindowedControls(QWidget& parent, const FormModel& form,
                                   const drawing::PixelGrid& grid, Input input)
    : form_(form)
    , input_(std::move(input))
    , widgets_(form.controls().size()) {
    for (const ControlId id : tabOrder(form)) {
        QWidget* widget = widgets_[id] = create(parent, id);
        widget->setObjectName(toQString(form.controls()[id].Name));
        std::visit(
            [&](const auto& control) {
                if constexpr (std::is_base_of_v<Box, std::decay_t<decltype(control)>>)
                    widget->setGeometry(toQRect(grid.rect(control)));
            },
            form.controls()[id].data);
        sync(id);
    }
    chainTabOrder();
}

QWidget* WindowedControls::create(QWidget& parent, ControlId id) {
    const ControlData& data = form_.controls()[id].data;
    if (const auto* field = std::get_if<TextBox>(&data)) {
        QLineEdit* edit = createTextBox(parent, *field);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id](const QString& text) {
            runGuarded("textEdited", [&] { input_.typed(id, text.toStdString()); });
        });
        return edit;
    }
    if (const auto* bar = std::get_if<ScrollBar>(&data)) {
        QScrollBar* scrollBar = createScrollBar(parent, *bar);
        QObject::connect(scrollBar, &QScrollBar::valueChanged, scrollBar, [this, id](int value) {
            runGuarded("valueChanged", [&] { input_.scrolled(id, value); });
        });
        return scrollBar;
    }
    if (const auto* button = std::get_if<CommandButton>(&data))
        return createButton(parent, *button);
    return nullptr;
}

void WindowedControls::sync(ControlId id) {
    QWidget* widget = widgets_.at(id);
    const ControlData& data = form_.controls()[id].data;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // A hidden field's text reaches its widget when the field is shown: the mill's working
        // values change on every tick, and no one sees them.
        const auto& field = std::get<TextBox>(data);
        if (field.Visible && edit->text() != toQString(field.Text))
            edit->setText(toQString(field.Text));
        edit->setVisible(field.Visible);
    } else if (auto* scrollBar = qobject_cast<QScrollBar*>(widget)) {
        const QSignalBlocker quiet(scrollBar); // the model already holds this value
        scrollBar->setValue(std::get<ScrollBar>(data).Value());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const QString caption = toQString(std::get<CommandButton>(data).Caption);
        if (button->text() != caption)
            button->setText(caption);
    }
}

void WindowedControls::chainTabOrder() {
    const std::vector<ControlId> order = tabOrder(form_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets_[order[i - 1]], widgets_[order[i]]);
}

} // namespace molen
