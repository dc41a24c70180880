// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>

#include "flow/setup_record.h"
#include "game/board.h"
#include "tests/support/gui_application.h"

namespace vaeloric::test {

// A transparent canvas for one drawing call.
QImage Canvas(int width, int height);

// True when the image holds exactly `expected` (drawn over `under`, or over
// transparency) with its top-left corner at (x, y).
// With maxRows > 0 only the picture's top rows are compared (where a later
// picture may overlap the rest).
bool HoldsPicture(const QImage& image, int x, int y, const QPixmap& expected,
                  const QImage& under = QImage(), int maxRows = 0);

// A picture-sized image of one colour, to compare a picture drawn over it.
QImage Plain(const QPixmap& picture, QColor colour);

// Number of pixels in the rectangle that differ from `colour`.
int CountOther(const QImage& image, QRect rect, QColor colour);

// A board set up for the status with the seats' codes, as a game starts.
TSetUpRecord SampleSetUp(const char* status, std::int32_t seat2, std::int32_t seat3,
                         std::int32_t seat4);
TBoard SetUpBoard(const TSetUpRecord& setUp);

}  // namespace vaeloric::test
