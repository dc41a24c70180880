// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialog_placement.h"

#include <algorithm>
#include <limits>

namespace vaeloric {

QPoint PlaceDialogClear(const QRect& area, const QRect& board, QSize frame,
                        const std::vector<QRect>& keepClear) {
    constexpr int kGap = 8;
    const int maxX = std::max(area.left(), area.right() + 1 - frame.width());
    const int maxY = std::max(area.top(), area.bottom() + 1 - frame.height());
    const auto clampX = [&](int x) { return std::clamp(x, area.left(), maxX); };
    const auto clampY = [&](int y) { return std::clamp(y, area.top(), maxY); };
    const int rightX = clampX(board.right() + 1 + kGap);
    const int leftX = clampX(board.left() - kGap - frame.width());
    const bool rightFirst = area.right() - board.right() >= board.left() - area.left();
    // Candidates in order of preference: beside the board level with its
    // top, then the screen's corners and edges, then over the board's
    // bottom corners.
    const int xs[] = {rightFirst ? rightX : leftX, rightFirst ? leftX : rightX, area.left(), maxX};
    const int ys[] = {clampY(board.top()), maxY, area.top(),
                      clampY(board.bottom() + 1 - frame.height())};
    QPoint best(xs[0], ys[0]);
    long long bestScore = std::numeric_limits<long long>::max();
    for (int y : ys)
        for (int x : xs) {
            const QRect place(QPoint(x, y), frame);
            long long covered = 0;
            for (const QRect& square : keepClear) covered += place.intersects(square) ? 1 : 0;
            const QRect over = place.intersected(board);
            const long long score = covered * 100'000'000LL +
                                    (over.isEmpty() ? 0LL : 1LL * over.width() * over.height());
            if (score < bestScore) {
                bestScore = score;
                best = QPoint(x, y);
            }
        }
    return best;
}

}  // namespace vaeloric
