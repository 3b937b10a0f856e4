// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/accessible_window.h"

#include "host/mill_window.h"
#include "host/painted_text.h"
#include "host/qt_values.h"

#include <QAccessibleWidget>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace molen {
namespace {

// Each widget and the label whose caption names it.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> CaptionOf{{
    {"VScroll1", "Label2"},
    {"Text2", "Label4"},
    {"HScroll1", "Label5"},
    {"Text4", "Label5"},
    {"HScroll2", "Label8"},
    {"Text8", "Label8"},
}};

// The painted texts that change as the mill runs, the banner first, then top to bottom.
constexpr std::array<std::string_view, 5> ShownTexts{"Label10", "Label6", "Label7", "Label9",
                                                     "Label1"};

// The window with its widgets (as Qt exposes them) and then the painted texts as children.
class AccessibleMillWindow : public QAccessibleWidget {
  public:
    explicit AccessibleMillWindow(MillWindow& window)
        : QAccessibleWidget(&window, QAccessible::Window) {
        for (const std::string_view name : ShownTexts) {
            auto* text =
                new PaintedText(window, window.form(), window.grid(), window.form().find(name));
            QAccessible::registerAccessibleInterface(text); // the registry owns it from here
            texts_.push_back(text);
        }
        changes_ = QObject::connect(&window, &MillWindow::controlChanged, &window,
                                    [this](ControlId id) { announceChange(id); });
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
    void announceChange(ControlId id) const {
        if (!QAccessible::isActive())
            return; // no assistive technology listens, and Qt would drop the events
        PaintedText* text = paintedText(id);
        if (!text)
            return;
        if (text->takeCaptionChange()) {
            QAccessibleEvent named(text, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
            QAccessibleValueChangeEvent valued(text, text->text(QAccessible::Value));
            QAccessible::updateAccessibility(&valued);
        }
        if (text->takeVisibilityChange()) {
            QAccessibleEvent shown(text, text->state().invisible ? QAccessible::ObjectHide
                                                                 : QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }

    std::vector<PaintedText*> texts_;
    QMetaObject::Connection changes_;
};

QAccessibleInterface* millWindowFactory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<MillWindow*>(object))
        return new AccessibleMillWindow(*window);
    return nullptr;
}

} // namespace

void installMillWindowAccessibility() {
    QAccessible::installFactory(millWindowFactory); // Qt installs a factory only once
}

void exposeToAssistiveTechnology(MillWindow& window) {
    for (const auto& [widget, caption] : CaptionOf)
        window.findChild<QWidget*>(QLatin1String(widget.data(), qsizetype(widget.size())))
            ->setAccessibleName(toQString(window.form().get<Label>(caption).Caption));
}

} // namespace molen
