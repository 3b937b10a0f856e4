// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/mill_window.h"

#include "host/accessible_window.h"
#include "host/banner_stop.h"
#include "host/mill_icon.h"
#include "host/qt_painter.h"
#include "host/qt_values.h"
#include "host/slot_guard.h"
#include "model/form1.h"
#include "session/placement.h"

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

drawing::Point toPoint(const QPoint& p) { return {double(p.x()), double(p.y())}; }

// The frame's top left on `screen`: see framePlacement.
QPoint framePosition(const QSize& frame, const QScreen& screen) {
    const QRect area = screen.availableGeometry();
    const drawing::Point at = framePlacement(frame.width(), frame.height(),
                                             {area.x(), area.y(), area.width(), area.height()});
    return {int(at.x), int(at.y)};
}

} // namespace

MillWindow::MillWindow(FormModel form)
    : session_(std::move(form), gridForScreen(QGuiApplication::primaryScreen()))
    , controls_(*this, session_.form(), session_.grid(), userInput())
    , timers_(*this, MillSession::timers(), [this](Handle<Timer> timer) {
        runGuarded("timeout", [&] {
            const double time = now();
            showChanges(session_.tick(timer, time), time);
        });
    }) {
    clock_.start();
    installMillWindowAccessibility();
    setWindowTitle(toQString(session_.form().form().Caption));
    setWindowIcon(millIcon());
    setAttribute(Qt::WA_OpaquePaintEvent); // the display list fills every exposed pixel
    resize(toQRect(session_.clientArea()).size());
    connect(qobject_cast<QAbstractButton*>(controls_.widget(form1::Command1.id)),
            &QAbstractButton::clicked, this,
            [this] { runGuarded("clicked", [this] { deliver(MillEvent::Command1Click); }); });
    exposeToAssistiveTechnology(*this, controls_);
    bannerStop_ = addBannerStop(*this, [this](bool stopped) {
        const double time = now();
        showChanges(session_.setBannerMoving(!stopped, time), time);
    });
}

MillWindow::~MillWindow() = default;

WindowedControls::Input MillWindow::userInput() {
    // The widget the user worked already shows what the session holds.
    return {[this](ControlId id, std::string text) {
                Changes changes = session_.type(id, std::move(text));
                std::erase(changes.windowed, id); // shown as typed, which may not be valid text
                showChanges(changes, now());
            },
            [this](ControlId id, int value) {
                showChanges(session_.scroll(id, value), now());
            }};
}

void MillWindow::open() {
    placeOnScreen();
    QWidget::show();
    controls_.widget(form1::Command1.id)->setFocus();
    if (desktopAsksForLessMotion())
        bannerStop_->setChecked(true); // before the banner's timer first runs
    const double time = now();
    showChanges(session_.start(time), time);
}

void MillWindow::deliver(MillEvent event) {
    const double time = now();
    showChanges(session_.deliver(event, time), time);
}

void MillWindow::showChanges(const Changes& changes, double time) {
    // An error ends the procedure at the failing step; what it set before stays set and is shown.
    if (changes.error)
        qCInfo(lcProcedures, "%s ended early: %s", changes.procedure.data(),
               changes.error->c_str());
    for (const ControlId id : changes.windowed)
        controls_.sync(id);
    for (const ControlId id : changes.timers)
        timers_.schedule(id, session_.dueAt(id), time);
    for (const ControlId id : changes.windowed)
        emit controlChanged(id);
    const auto has = [](const std::vector<ControlId>& ids, ControlId id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    for (const ControlId id : changes.texts)
        emit textChanged(id, has(changes.recaptioned, id), has(changes.shownOrHidden, id));
    if (changes.stale)
        update(toQRegion(session_.takeStale()));
}

void MillWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The painter's own ratio: a redirected painter's scale, as in QWidget::render, is not the
    // device's.
    const double ratio = painter.deviceTransform().m11();
    QtTextMeasure measure(ratio);
    paintDisplayList(painter, session_.paint(toRects(event->region()), ratio, measure),
                     formDrawingPalette(palette()));
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

void MillWindow::recordOuterWidth() { session_.setOuterWidth(frameGeometry().width()); }

void MillWindow::placeOnScreen() {
    if (const QScreen* screen = this->screen()) {
        placedAt_ = framePosition(frameGeometry().size(), *screen);
        move(*placedAt_); // the frame's top left, once the frame is known
    }
}

// On Wayland the compositor places windows and move() does nothing, so this changes nothing.
void MillWindow::placeAgainWithFrame() {
    if (!placedAt_ || frameGeometry() == geometry())
        return; // placed for good, or the frame is not known yet
    const QPoint placedAt = *std::exchange(placedAt_, std::nullopt);
    const bool moved = movedSincePlaced(toPoint(placedAt), toPoint(frameGeometry().topLeft()),
                                        toPoint(geometry().topLeft()));
    if (const QScreen* screen = this->screen(); screen && !moved)
        move(framePosition(frameGeometry().size(), *screen));
}

} // namespace molen
