// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "floor_widget.h"

#include "host/qt_painter.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace floor_mill {
namespace {

// In twips, as the form gives them.
constexpr float ClientWidth = 10875, ClientHeight = 8595;
constexpr float HubX = 5000, HubY = 3600, StoneX = 1600, StoneY = 3400;
constexpr double SailLength = 1600;
constexpr double RadiusLength = 800;
constexpr molen::Box Banner{0, 20, 5295, 495}; // where it is once the mill has loaded
constexpr double StoneStep = 45;               // degrees per tick at the initial ratio of 4.5
const QString BannerText = "...'t is een mooie dag zei de mulder en 't waaide...";

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

QPointF towards(QPointF from, double degrees, double length) {
    return from + QPointF(-std::sin(radians(degrees)), -std::cos(radians(degrees))) * length;
}

// The point, given in twips, in logical pixels.
QPointF at(const molen::drawing::PixelGrid& grid, float x, float y) {
    return {grid.pixels(x), grid.pixels(y)};
}

QRect around(QPointF centre, double reach) {
    const int r = static_cast<int>(std::ceil(reach));
    return QRect(centre.toPoint() - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1));
}

} // namespace

FloorWidget::FloorWidget(int wind)
    : grid_(molen::gridForScreen(QGuiApplication::primaryScreen()))
    , hub_(at(grid_, HubX, HubY))
    , stoneCentre_(at(grid_, StoneX, StoneY)) {
    setWindowTitle("floor");
    setAutoFillBackground(true);
    setFixedSize(molen::toQRect(grid_.rect({0, 0, ClientWidth, ClientHeight})).size());
    const int interval = static_cast<int>(std::lround(6000.0 / wind));
    for (QTimer* timer : {&sailTimer_, &stoneTimer_, &bannerTimer_})
        timer->setTimerType(Qt::PreciseTimer);
    sailTimer_.setInterval(interval);
    stoneTimer_.setInterval(interval);
    bannerTimer_.setInterval(20);
    connect(&sailTimer_, &QTimer::timeout, this, &FloorWidget::sailTick);
    connect(&stoneTimer_, &QTimer::timeout, this, &FloorWidget::stoneTick);
    connect(&bannerTimer_, &QTimer::timeout, this, &FloorWidget::bannerTick);
}

void FloorWidget::start() {
    for (QTimer* timer : {&sailTimer_, &stoneTimer_, &bannerTimer_})
        timer->start();
}

void FloorWidget::sailTick() {
    sailAngle_ += 10;
    update(around(hub_, grid_.pixels(SailLength) + 8));
}

void FloorWidget::stoneTick() {
    stoneAngle_ -= StoneStep;
    update(around(stoneCentre_, grid_.pixels(RadiusLength) + 2));
}

void FloorWidget::bannerTick() {
    const QRect old = bannerBox();
    bannerLeft_ += 20;
    if (bannerLeft_ > grid_.twips(width()))
        bannerLeft_ = -2300;
    update(QRegion(old) + bannerBox());
}

QRect FloorWidget::bannerBox() const {
    molen::Box box = Banner;
    box.Left = static_cast<float>(bannerLeft_);
    return molen::toQRect(grid_.rect(box));
}

void FloorWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setBrush(QColor(255, 224, 192));
    painter.setPen(Qt::black);
    const double radius = grid_.pixels(RadiusLength);
    painter.drawEllipse(stoneCentre_, radius, radius);
    painter.setPen(QPen(QColor(0, 0, 192), 3));
    painter.drawLine(stoneCentre_, towards(stoneCentre_, stoneAngle_ + 180, radius));
    painter.drawLine(stoneCentre_, towards(stoneCentre_, stoneAngle_, radius));
    for (int offset : {0, 180, 90, 270}) {
        painter.setPen(QPen(offset == 0 ? Qt::red : QColor(128, 128, 0), 15));
        painter.drawLine(hub_, towards(hub_, sailAngle_ + offset, grid_.pixels(SailLength)));
    }
    QFont font("Liberation Sans");
    font.setPointSizeF(9.75);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 192));
    painter.drawText(bannerBox(), Qt::TextWordWrap, BannerText);
}

} // namespace floor_mill
