// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace vaeloric {

// The game draws and hit-tests in the fixed pixel layout of a 1x scene; the
// window shows that scene scaled. This maps between the two, and is the only
// place that knows the window's zoom.
class TSceneScale {
  public:
    // The least scene that holds the turn panel, the board and the
    // information panel side by side with their margins.
    static constexpr int kSceneWidth = 660;
    static constexpr int kSceneHeight = 430;
    static constexpr double kMinScale = 0.5, kMaxScale = 5.0;

    // The largest scale at which the whole scene fits the window.
    static double FitScale(double width, double height) {
        return std::clamp(std::min(width / kSceneWidth, height / kSceneHeight), kMinScale,
                          kMaxScale);
    }

    explicit TSceneScale(double scale = 1.0) : scale_(std::clamp(scale, kMinScale, kMaxScale)) {}
    double Scale() const { return scale_; }

    // The width of scene the window shows (never narrower than the layout,
    // so that a zoom beyond the window cuts the scene rather than crowding
    // it).
    int SceneWidth(double windowWidth) const {
        return std::max(kSceneWidth, static_cast<int>(windowWidth / scale_));
    }

    // The scene pixel under a window point (device-independent pixels, maybe
    // fractional); the small bias keeps a point on a pixel's first edge in
    // that pixel despite rounding.
    int ToScene(double windowCoordinate) const {
        return static_cast<int>(std::floor(windowCoordinate / scale_ + 1e-7));
    }
    QPoint ToScene(QPointF point) const { return QPoint(ToScene(point.x()), ToScene(point.y())); }

    QPointF ToWindow(QPointF scenePoint) const { return scenePoint * scale_; }
    QRectF ToWindow(const QRectF& sceneRect) const {
        return QRectF(sceneRect.topLeft() * scale_, sceneRect.size() * scale_);
    }

  private:
    double scale_;
};

}  // namespace vaeloric
