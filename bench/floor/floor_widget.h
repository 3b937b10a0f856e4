// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least window that shows the mill's motion: four sails about a hub, a disc with two
// radius lines and a banner, on the same timers and geometry and nothing else. Benchmarks
// measure the mill against it.
#pragma once

#include "drawing/pixel_grid.h"

#include <QTimer>
#include <QWidget>

namespace floor_mill {

class FloorWidget : public QWidget {
  public:
    // `wind` in sail passes per minute sets both the sail and the stone interval.
    explicit FloorWidget(int wind);

    void start();
    void sailTick();
    void stoneTick();
    void bannerTick();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect bannerBox() const;

    molen::drawing::PixelGrid grid_; // the mill's grid on this screen
    QPointF hub_, stoneCentre_;
    QTimer sailTimer_;
    QTimer stoneTimer_;
    QTimer bannerTimer_;
    double sailAngle_ = 1;
    double stoneAngle_ = 1;
    double bannerLeft_ = -2300; // twips
};

} // namespace floor_mill
