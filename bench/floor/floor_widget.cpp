// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "floor_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace floor_mill {
namespace {

constexpr double TwipsPerPixel = 15;
constexpr QPointF Hub(5000 / TwipsPerPixel, 3600 / TwipsPerPixel);
constexpr QPointF StoneCentre(1600 / TwipsPerPixel, 3400 / TwipsPerPixel);
constexpr double SailLength = 1600 / TwipsPerPixel;
constexpr double RadiusLength = 800 / TwipsPerPixel;
constexpr double StoneStep = 45; // degrees per tick at the initial ratio of 4.5
const QString BannerText = "...'t is een mooie dag zei de mulder en 't waaide...";

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

QPointF towards(QPointF from, double degrees, double length) {
    return from + QPointF(-std::sin(radians(degrees)), -std::cos(radians(degrees))) * length;
}

QRect around(QPointF centre, double reach) {
    const int r = static_cast<int>(std::ceil(reach));
    return QRect(centre.toPoint() - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1));
}

} // namespace

FloorWidget::FloorWidget(int wind) {
    setWindowTitle("floor");
    setAutoFillBackground(true);
    setFixedSize(725, 573);
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
    update(around(Hub, SailLength + 8));
}

void FloorWidget::stoneTick() {
    stoneAngle_ -= StoneStep;
    update(around(StoneCentre, RadiusLength + 2));
}

void FloorWidget::bannerTick() {
    const QRect old = bannerBox();
    bannerLeft_ += 20;
    if (bannerLeft_ > width() * TwipsPerPixel)
        bannerLeft_ = -2300;
    update(QRegion(old) + bannerBox());
}

QRect FloorWidget::bannerBox() const {
    return QRect(static_cast<int>(std::floor(bannerLeft_ / TwipsPerPixel)), 1, 354, 33);
}

void FloorWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setBrush(QColor(255, 224, 192));
    painter.setPen(Qt::black);
    painter.drawEllipse(StoneCentre, RadiusLength, RadiusLength);
    painter.setPen(QPen(QColor(0, 0, 192), 3));
    painter.drawLine(StoneCentre, towards(StoneCentre, stoneAngle_ + 180, RadiusLength));
    painter.drawLine(StoneCentre, towards(StoneCentre, stoneAngle_, RadiusLength));
    for (int offset : {0, 180, 90, 270}) {
        painter.setPen(QPen(offset == 0 ? Qt::red : QColor(128, 128, 0), 15));
        painter.drawLine(Hub, towards(Hub, sailAngle_ + offset, SailLength));
    }
    QFont font("Liberation Sans");
    font.setPointSizeF(9.75);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 192));
    painter.drawText(bannerBox(), Qt::TextWordWrap, BannerText);
}

} // namespace floor_mill
