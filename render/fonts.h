// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace vaeloric {

// "Times New Roman" and "MS Sans Serif" of the layout, by their metric
// equivalents where those are installed. Heights in pixels.
QFont SerifFont(int pixelHeight, bool bold = false);
QFont SansFont(int pixelHeight, bool bold = false);

}  // namespace vaeloric
