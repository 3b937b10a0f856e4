// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/banner_stop.h"

#include "session/form_facts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <optional>
#include <string_view>
#include <utility>

namespace molen {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The portal answers at once or not at all; a desktop without one must not delay the window.
constexpr int PortalTimeoutMs = 250;

// One setting from the desktop's settings portal, if it has it.
std::optional<QVariant> portalSetting(const QString& group, const QString& key) {
    QDBusMessage read = QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop",
                                                       "/org/freedesktop/portal/desktop",
                                                       "org.freedesktop.portal.Settings", "Read");
    read << group << key;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(read, QDBus::Block, PortalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    // Read wraps the value in a variant of its own.
    QVariant value = reply.arguments().constFirst();
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

// The Menu key opens the context menu by itself; Shift+F10 does so on other desktops, and here
// opens it at the focused control too.
void openMenuByShiftF10(QWidget& window) {
    auto* key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&window] {
        const QWidget* focus = window.focusWidget();
        const QPoint at =
            focus ? focus->mapTo(&window, focus->rect().center()) : window.rect().center();
        QMenu::exec(window.actions(), window.mapToGlobal(at), nullptr, &window);
    });
}

} // namespace

QAction* addBannerStop(QWidget& window, std::function<void(bool stopped)> stopped) {
    auto* action = new QAction(fromView(BannerStopName), &window);
    action->setCheckable(true);
    action->setShortcut(QKeySequence(fromView(BannerStopKey)));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(fromView(BannerStopHint));
    action->setStatusTip(action->toolTip());
    QObject::connect(action, &QAction::toggled, &window, std::move(stopped));
    window.addAction(action);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    openMenuByShiftF10(window);
    return action;
}

bool desktopAsksForLessMotion() {
    if (const auto animations = portalSetting("org.gnome.desktop.interface", "enable-animations"))
        return !animations->toBool();
    if (const auto speed = portalSetting("org.kde.kdeglobals.KDE", "AnimationDurationFactor"))
        return speed->toDouble() == 0.0;
    return false;
}

} // namespace molen
