// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <map>
#include <vector>

#include "render/pictures/picture_ids.h"

namespace vaeloric {

// Every picture, cursor and the icon of one board program, looked up by its
// number (see picture_ids.h for the numbers). Pictures are drawn on first
// use and cached; pieces, badges, the Ptah marker and the cursors have a
// transparent ground, everything else is opaque.
class TPictureCatalogue {
  public:
    explicit TPictureCatalogue(char boardLetter);

    char BoardLetter() const { return boardLetter_; }

    // Whether this program has picture `id` (another board's own pictures
    // are not served).
    bool Has(int id) const;

    // The picture with this number at its own size; a null pixmap for a
    // number the program does not have. It is drawn for the render scale,
    // so that it stays sharp when painted through a scaled painter.
    QPixmap Picture(int id) const;

    // Device pixels per picture pixel for the pictures served from now on:
    // the window's zoom times the screen's pixel ratio. Pictures are drawn
    // again for a new scale, never scaled up from a smaller drawing.
    void SetRenderScale(double scale) const;
    double RenderScale() const { return renderScale_; }

    // The same drawing as an image, without the cache (needs no display);
    // `scale` device pixels to a picture pixel.
    QImage Render(int id, double scale = 1.0) const;

    // The size of picture `id`; an empty size for an unknown number.
    QSize SizeOf(int id) const;

    // Cursor by number (1001..1006, 1009) with its hot spot; the arrow for
    // any other number. It grows with the window's zoom, up to twice its own
    // size so that it stays a pointer, and is drawn for the screen's pixel
    // ratio.
    QCursor Cursor(int id, double zoom = 1.0, double pixelRatio = 1.0) const;
    QPoint CursorHotSpot(int id) const;

    // The program icon (200), at several sizes.
    QIcon Icon() const;

    // Every picture number this program has, ascending.
    std::vector<int> Ids() const;

  private:
    char boardLetter_;
    std::vector<int> ids_;
    mutable std::map<int, QPixmap> cache_;
    mutable double renderScale_ = 1.0;
};

}  // namespace vaeloric
