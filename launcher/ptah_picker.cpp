// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/ptah_picker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "render/picture_ids.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

TPtahPicker::TPtahPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 240);
    setCursor(Qt::PointingHandCursor);
    setToolTip("Click the Ptah square: the army whose quarter holds it is yours.");
    SetBoard('F');
}

TPtahPicker::~TPtahPicker() = default;

void TPtahPicker::SetBoard(char boardLetter) {
    if (pictures_ && pictures_->BoardLetter() == boardLetter) return;
    pictures_ = std::make_unique<TPictureCatalogue>(boardLetter);
    update();
}

void TPtahPicker::SetSquare(TPtahChoice square) {
    square_ = square;
    update();
}

// Room on the left and below for the rank and file letters.
constexpr int kLabelRoom = 16;

QRect TPtahPicker::BoardRect() const {
    const int side = std::min(width(), height()) - kLabelRoom;
    const int rounded = std::max(8, side / 8 * 8);
    return {kLabelRoom + (width() - kLabelRoom - rounded) / 2,
            (height() - kLabelRoom - rounded) / 2, rounded, rounded};
}

void TPtahPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect board = BoardRect();
    const int cell = board.width() / 8;
    // The board picture is drawn for the pixels it lands on, so that it
    // stays sharp on a large or high-density screen.
    const int boardId = BoardPictureId(pictures_->BoardLetter());
    const double side = std::max(1, pictures_->SizeOf(boardId).width());
    pictures_->SetRenderScale(std::max(1.0, board.width() / side) * devicePixelRatioF());
    painter.drawPixmap(board, pictures_->Picture(boardId));

    // The four quarters, faintly, in their armies' colours: the quarter of
    // the Ptah square decides the Questioner's army.
    const QColor quarters[2][2] = {{QColor(0, 0, 0, 28), QColor(200, 30, 30, 28)},
                                   {QColor(230, 190, 0, 28), QColor(30, 80, 200, 28)}};
    for (int high = 0; high < 2; ++high)
        for (int right = 0; right < 2; ++right)
            painter.fillRect(board.x() + right * 4 * cell, board.y() + (1 - high) * 4 * cell,
                             4 * cell, 4 * cell, quarters[high][right]);

    painter.setPen(Qt::NoPen);
    for (int rank : {1, 8})
        for (int file : {1, 8}) {
            const QRect square(board.x() + (file - 1) * cell, board.y() + (8 - rank) * cell, cell,
                               cell);
            painter.fillRect(square, QColor(40, 40, 40, 150));
        }
    if (square_.Chosen()) {
        const QRect square(board.x() + (square_.file - 1) * cell,
                           board.y() + (8 - square_.rank) * cell, cell, cell);
        const QPixmap marker = pictures_->Picture(kPtahMarkerId);
        painter.drawPixmap(square.adjusted(cell / 4, cell / 4, -cell / 4, -cell / 4), marker);
        painter.setPen(QPen(QColor(255, 215, 0), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square.adjusted(1, 1, -2, -2));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(board.adjusted(0, 0, -1, -1));
    }
    // Files and ranks along the edges, for those who think in square names.
    painter.setPen(palette().text().color());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    for (int i = 0; i < 8; ++i) {
        painter.drawText(QRect(board.x() + i * cell, board.bottom() + 1, cell, 14), Qt::AlignCenter,
                         QString(QChar('A' + i)));
        painter.drawText(
            QRect(board.x() - kLabelRoom, board.y() + (7 - i) * cell, kLabelRoom - 2, cell),
            Qt::AlignCenter, QString::number(i + 1));
    }
}

void TPtahPicker::mousePressEvent(QMouseEvent* event) {
    const QRect board = BoardRect();
    const QPoint p = event->position().toPoint();
    if (!board.contains(p)) return;
    const int cell = board.width() / 8;
    const int file = (p.x() - board.x()) / cell + 1;
    const int rank = 8 - (p.y() - board.y()) / cell;
    if (file < 1 || file > 8 || rank < 1 || rank > 8 || IsCornerSquare(rank, file)) return;
    SetSquare({rank, file});
    emit SquarePicked(square_);
}

void TPtahPicker::keyPressEvent(QKeyEvent* event) {
    TPtahChoice next = square_.Chosen() ? square_ : TPtahChoice{2, 1};
    switch (event->key()) {
        case Qt::Key_Left:
            next.file = std::max(1, next.file - 1);
            break;
        case Qt::Key_Right:
            next.file = std::min(8, next.file + 1);
            break;
        case Qt::Key_Up:
            next.rank = std::min(8, next.rank + 1);
            break;
        case Qt::Key_Down:
            next.rank = std::max(1, next.rank - 1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (IsCornerSquare(next.rank, next.file)) return;
    SetSquare(next);
    emit SquarePicked(square_);
}

}  // namespace vaeloric
