// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/accessible_window.h"

#include "host/mill_window.h"
#include "host/painted_text.h"
#include "host/qt_values.h"
#include "host/windowed_controls.h"
#include "host/workarounds/accessible_field.h"
#include "host/workarounds/screen_reader_events.h"
#include "model/form1.h"
#include "session/form_facts.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <vector>

namespace molen {
namespace {

// The window with its widgets (as Qt exposes them) and then the painted texts as children.
class AccessibleMillWindow : public QAccessibleWidget {
  public:
    explicit AccessibleMillWindow(MillWindow& window)
        : QAccessibleWidget(&window, QAccessible::Window) {
        for (const Handle<Label> label : form1::LiveTexts) {
            auto* text = new PaintedText(window, window.form(), window.grid(), label.id);
            QAccessible::registerAccessibleInterface(text); // the registry owns it from here
            texts_.push_back(text);
        }
        changes_ = QObject::connect(&window, &MillWindow::textChanged, &window,
                                    [this](ControlId id, bool recaptioned, bool shownOrHidden) {
                                        announceChange(id, recaptioned, shownOrHidden);
                                    });
    }
    ~AccessibleMillWindow() override {
        QObject::disconnect(changes_);
        for (PaintedText* text : texts_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(text));
    }

    PaintedText* paintedText(ControlId id) const {
        for (PaintedText* text : texts_) {
            if (text->id() == id)
                return text;
        }
        return nullptr;
    }

    int childCount() const override { return widgetCount() + int(texts_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < widgetCount())
            return QAccessibleWidget::child(index);
        return index < childCount() ? texts_[static_cast<std::size_t>(index - widgetCount())]
                                    : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (texts_[i] == child)
                return widgetCount() + int(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y))
            return widget;
        for (PaintedText* text : texts_) {
            if (!text->state().invisible && text->rect().contains(x, y))
                return text;
        }
        return nullptr;
    }

  private:
    int widgetCount() const { return QAccessibleWidget::childCount(); }

    // Tells assistive technology of a change to one of the painted texts.
    void announceChange(ControlId id, bool recaptioned, bool shownOrHidden) const {
        if (!QAccessible::isActive())
            return; // no assistive technology listens, and Qt would drop the events
        PaintedText* text = paintedText(id);
        if (!text)
            return;
        // Only the name (host/workarounds/README.md): Qt 6.4 passes a value change on to AT-SPI
        // only for an interface with a value, which a text has not, and warns of it every tick.
        if (recaptioned) {
            QAccessibleEvent named(text, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
        }
        if (shownOrHidden) {
            QAccessibleEvent shown(text, text->state().invisible ? QAccessible::ObjectHide
                                                                 : QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }

    std::vector<PaintedText*> texts_;
    QMetaObject::Connection changes_;
};

QAccessibleInterface* millWindowFactory(const QString& className, QObject* object) {
    if (auto* window = qobject_cast<MillWindow*>(object))
        return new AccessibleMillWindow(*window);
    auto* field = qobject_cast<QLineEdit*>(object);
    if (field && className == QLatin1String("QLineEdit") &&
        qobject_cast<MillWindow*>(field->parent()))
        return new AccessibleField(*field);
    return nullptr;
}

} // namespace

void installMillWindowAccessibility() {
    QAccessible::installFactory(millWindowFactory); // Qt installs a factory only once
}

void exposeToAssistiveTechnology(MillWindow& window, const WindowedControls& controls) {
    for (const ControlId id : tabOrder(window.form())) {
        const std::string name = accessibleName(window.form(), id);
        if (name.empty())
            continue;
        controls.widget(id)->setAccessibleName(toQString(name));
        if (auto* field = qobject_cast<QLineEdit*>(controls.widget(id)))
            announceFocusFirst(*field);
    }
    auto* button = qobject_cast<QAbstractButton*>(controls.widget(form1::Command1.id));
    // The button changes only its caption, and the window tells of a change once.
    QObject::connect(&window, &MillWindow::controlChanged, button, [button](ControlId id) {
        if (id == form1::Command1.id)
            announceNewName(*button);
    });
}

} // namespace molen
