// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/workarounds/screen_reader_events.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QVariantMap>

namespace molen {
namespace {

// Qt 6.4's QLineEdit, taking the focus by Tab, selects its text and tells of its caret and
// selection before Qt tells of the new focus (QWidget::setFocus sends the focus event to the
// widget first and tells assistive technology after). Orca 43 takes the field for the focus on
// the caret's event, presents nothing for a mere caret, and then ignores the focus event as
// nothing new: the field is never spoken. (Telling of the focus first is no help: Orca drops a
// focus change when the same one follows.) So the field handles its focus event one turn of the
// event loop later, once Qt has told of the focus; where the focus has moved on by then, not at
// all, as if it had come and gone at once.
class FocusFirst : public QObject {
  public:
    explicit FocusFirst(QLineEdit& field)
        : QObject(&field) {
        later_.setSingleShot(true);
        QObject::connect(&later_, &QTimer::timeout, this, [this, &field] { passOn(field); });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || passing_ || !QAccessible::isActive())
            return false;
        reason_ = static_cast<QFocusEvent*>(event)->reason();
        later_.start(0);
        return true;
    }

  private:
    void passOn(QWidget& field) {
        if (!field.hasFocus())
            return;
        QFocusEvent focusIn(QEvent::FocusIn, reason_);
        passing_ = true;
        QCoreApplication::sendEvent(&field, &focusIn);
        passing_ = false;
    }

    QTimer later_;
    Qt::FocusReason reason_ = Qt::OtherFocusReason;
    bool passing_ = false;
};

} // namespace

void announceFocusFirst(QLineEdit& field) { field.installEventFilter(new FocusFirst(field)); }

// Qt 6.4 sends an accessible-name change over AT-SPI with the object itself as its data where
// AT-SPI has the new name, which Orca 43 refuses to speak ("bad content sent to speak()"). The
// change goes again here with the name, on Qt's own connection to the accessibility bus (which
// Qt 6.4 opens under the name "a11y"), so that it comes from the object the screen reader knows.
// A screen reader that has already taken the name from a correct first change ignores a second
// that brings the same name.
void announceNewName(QWidget& widget) {
    if (!QAccessible::isActive())
        return; // no assistive technology listens, and Qt has no connection to the bus
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!accessible || !bus.isConnected())
        return;
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(accessible));
    QDBusMessage change = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-name") << 0 << 0
           << QVariant::fromValue(QDBusVariant(accessible->text(QAccessible::Name)))
           << QVariantMap(); // no properties to cache
    bus.send(change);
}

} // namespace molen
