// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/fonts.h"

#include <QStringList>

namespace vaeloric {

namespace {
// The layout gives font heights as character cells; the Liberation faces
// have a cell of about 1.15 em, so the em is a little smaller.
int EmOfCell(int cellHeight) {
    return qMax(1, (cellHeight * 87 + 50) / 100);
}

QFont MakeFont(const QStringList& families, QFont::StyleHint hint, int cellHeight, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(EmOfCell(cellHeight));
    font.setBold(bold);
    return font;
}
}  // namespace

QFont SerifFont(int pixelHeight, bool bold) {
    return MakeFont({"Liberation Serif", "Times New Roman", "DejaVu Serif"}, QFont::Serif,
                    pixelHeight, bold);
}

QFont SansFont(int pixelHeight, bool bold) {
    return MakeFont({"Liberation Sans", "Arial", "MS Sans Serif", "DejaVu Sans"}, QFont::SansSerif,
                    pixelHeight, bold);
}

}  // namespace vaeloric
