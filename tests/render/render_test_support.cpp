// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/render/render_test_support.h"

#include <QPainter>

#include "flow/seats.h"

namespace vaeloric::test {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool HoldsPicture(const QImage& image, int x, int y, const QPixmap& expected, const QImage& under,
                  int maxRows) {
    if (expected.isNull()) return false;
    QImage want = under.isNull() ? Canvas(expected.width(), expected.height())
                                 : under.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&want);
        painter.drawPixmap(0, 0, expected);
    }
    const int rows = maxRows > 0 ? qMin(maxRows, expected.height()) : expected.height();
    const QImage got = image.copy(x, y, expected.width(), rows)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return got == want.copy(0, 0, expected.width(), rows);
}

QImage Plain(const QPixmap& picture, QColor colour) {
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

int CountOther(const QImage& image, QRect rect, QColor colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) != colour) ++count;
    return count;
}

TSetUpRecord SampleSetUp(const char* status, std::int32_t seat2, std::int32_t seat3,
                         std::int32_t seat4) {
    TSetUpRecord setUp;
    setUp.ptah = TSquare{status[0] - '0', status[1] - '0'};
    setUp.boardLetter = status[2];
    setUp.questionerName = "Anna Grey";
    setUp.seatName = {"", "", "Bob", "Carol", "Dmitri Ivanovich"};
    setUp.seatCode = {0, 0, seat2, seat3, seat4};
    setUp.caption = std::string(kCaptionPrefix) + "Will it rain?";
    return setUp;
}

TBoard SetUpBoard(const TSetUpRecord& setUp) {
    TBoard board;
    AssignSeats(setUp, board);
    board.SetUp(setUp.ptah, setUp.boardLetter);
    return board;
}

}  // namespace vaeloric::test
