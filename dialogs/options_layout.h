// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace vaeloric {

// The sans-serif dialog font at a point size: "MS Sans Serif" where it
// exists, else its free metric equivalents.
QFont OptionDialogFont(int pointSize);

// Dialog units of a font, as the window system measures them: a quarter of
// the average letter width across, an eighth of the line height down.
// A modal dialog's frame as on the desktop it was made for: a caption with a
// close box only (a fixed-size dialog has nothing to minimise or maximise).
void UseDialogFrame(QWidget* dialog);

// The width a dialog needs for its whole caption to show in the title bar
// next to the icon and the close box.
int CaptionWidth(const QString& caption);

class TDialogUnits {
  public:
    explicit TDialogUnits(const QFont& font);

    int X(int units) const { return (units * baseWidth + 2) / 4; }
    int Y(int units) const { return (units * baseHeight + 4) / 8; }
    QPoint Point(int x, int y) const { return QPoint(X(x), Y(y)); }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(Point(x, y), Size(width, height));
    }
    int BaseWidth() const { return baseWidth; }
    int BaseHeight() const { return baseHeight; }

  private:
    int baseWidth;
    int baseHeight;
};

}  // namespace vaeloric
