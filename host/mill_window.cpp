// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/mill_window.h"

#include "drawing/form_drawing.h"
#include "host/accessible_window.h"
#include "host/mill_icon.h"
#include "host/qt_painter.h"
#include "host/qt_values.h"
#include "host/slot_guard.h"
#include "model/form1.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace molen {
namespace {

// Procedures that an error ended early; silent unless QT_LOGGING_RULES turns on its info.
Q_LOGGING_CATEGORY(lcProcedures, "molen.procedures", QtWarningMsg)

// The frame's top left: centred in `area`, but never beyond its top or left edge.
QPoint framePosition(const QSize& frame, const QRect& area) {
    QRect centred({}, frame);
    centred.moveCenter(area.center());
    return {std::max(centred.left(), area.left()), std::max(centred.top(), area.top())};
}

} // namespace

MillWindow::MillWindow(FormModel form)
    : form_(std::move(form))
    , grid_(gridForScreen(QGuiApplication::primaryScreen()))
    , stale_(form_, grid_)
    , controls_(*this, form_, grid_)
    , timers_(*this, form_, [this](ControlId id) { onTimerTick(id); }) {
    installMillWindowAccessibility();
    setWindowTitle(toQString(form_.form().Caption));
    setWindowIcon(millIcon());
    fillWithFormColour();
    resize(toQRect(grid_.rect({0, 0, form_.form().ClientWidth, form_.form().ClientHeight})).size());
    connect(qobject_cast<QAbstractButton*>(controls_.widget(form1::Command1.id)),
            &QAbstractButton::clicked, this,
            [this] { runGuarded("clicked", [this] { deliver(MillEvent::Command1Click); }); });
    exposeToAssistiveTechnology(*this, controls_);
    deliver(MillEvent::Load);
}

MillWindow::~MillWindow() = default;

void MillWindow::open() {
    placeOnScreen();
    show();
    controls_.widget(form1::Command1.id)->setFocus();
    timers_.start();
}

void MillWindow::deliver(MillEvent event) {
    // An error ends the procedure at the failing step; what it set before stays set and is shown.
    if (const auto error = runProcedure(form_, event))
        qCInfo(lcProcedures, "%s ended early: %s", bindingOf(event).procedureName.data(),
               error->c_str());
    showChanges();
}

void MillWindow::showChanges() {
    for (ControlId id = 0; id < form_.controls().size(); ++id) {
        if (form_.changedAt(id) <= shownGeneration_)
            continue;
        stale_.follow(id);
        if (controls_.widget(id))
            controls_.sync(id);
        timers_.follow(id);
        emit controlChanged(id);
    }
    shownGeneration_ = form_.generation();
    if (const auto stale = stale_.take(); !stale.empty())
        update(toQRegion(stale));
}

void MillWindow::onTimerTick(ControlId id) {
    if (const auto tick = tickOf(id))
        runGuarded("timeout", [&] { deliver(*tick); });
}

void MillWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The painter's own ratio: a redirected painter's scale, as in QWidget::render, is not the
    // device's.
    const double ratio = painter.deviceTransform().m11();
    QtTextMeasure measure(ratio);
    paintDisplayList(
        painter,
        drawing::drawExposed(form_, grid_.onDevice(ratio), measure, toRects(event->region())),
        palette());
}

void MillWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recordOuterWidth();
}

void MillWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    recordOuterWidth(); // the frame's size is often known only once the window has moved
    placeAgainWithFrame();
}

void MillWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    recordOuterWidth();
    placeAgainWithFrame();
}

void MillWindow::recordOuterWidth() {
    form_.setWidth(static_cast<float>(grid_.twips(frameGeometry().width())));
}

void MillWindow::fillWithFormColour() {
    if (const auto role = paletteRole(form_.form().BackColor)) {
        setBackgroundRole(*role); // a role, not its colour now, so that a new theme shows at once
    } else {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, toQColor(form_.form().BackColor, palette));
        setPalette(palette);
    }
    setAutoFillBackground(true);
}

void MillWindow::placeOnScreen() {
    if (const QScreen* screen = this->screen()) {
        placedAt_ = framePosition(frameGeometry().size(), screen->availableGeometry());
        move(*placedAt_); // the frame's top left, once the frame is known
    }
}

// On Wayland the compositor places windows and move() does nothing, so this changes nothing.
void MillWindow::placeAgainWithFrame() {
    if (!placedAt_ || frameGeometry() == geometry())
        return; // placed for good, or the frame is not known yet
    const QPoint placedAt = *std::exchange(placedAt_, std::nullopt);
    // Some platforms put the frame where it was asked, others the client area; on a scaled
    // screen either may be a logical pixel off, rounded from device pixels.
    const auto near = [&](QPoint p) {
        return (p - placedAt).manhattanLength() <= 2;
    };
    const bool movedSince = !near(frameGeometry().topLeft()) && !near(geometry().topLeft());
    if (const QScreen* screen = this->screen(); screen && !movedSince)
        move(framePosition(frameGeometry().size(), screen->availableGeometry()));
}

} // namespace molen
