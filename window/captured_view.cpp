// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/captured_view.h"

#include <QPainter>

#include "render/picture_ids.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

namespace {

constexpr int kMargin = 6;
constexpr int kGap = 3;
constexpr const char* kArmyNames[5] = {"", "FIRE", "EARTH", "AIR", "WATER"};

// The armies' colours, darkened where the plain colour is hard to read on
// white; the same as the move list's.
QColor ArmyInk(std::int32_t army) {
    constexpr QRgb kInks[5] = {qRgb(90, 90, 90), qRgb(190, 20, 20), qRgb(20, 20, 20),
                               qRgb(150, 120, 0), qRgb(20, 60, 200)};
    return QColor(kInks[army >= 1 && army <= 4 ? army : 0]);
}

}  // namespace

TCapturedView::TCapturedView(const TPictureCatalogue& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    setAutoFillBackground(true);
    setAccessibleName(tr("Captured pieces"));
}

void TCapturedView::Show(const TBoard& board, TPieceStyle style) {
    auto lost = LostPieces(board);
    if (lost == lost_ && style == style_ && companionKind_ == board.CompanionKind()) return;
    lost_ = std::move(lost);
    style_ = style;
    companionKind_ = board.CompanionKind();
    QStringList description;
    for (int army = 1; army <= 4; ++army)
        description << QStringLiteral("%1 lost %2").arg(kArmyNames[army]).arg(lost_[army].size());
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    update();
}

void TCapturedView::SetValuesShown(bool on) {
    valuesShown_ = on;
    update();
}

int TCapturedView::IconSize() const {
    return iconSize_ > 0 ? iconSize_ : fontMetrics().height() * 2;
}

int TCapturedView::FitTo(int width, int height) {
    const int line = fontMetrics().height();
    // Smaller pictures first; then, if need be, each army's total alone
    // without the value under every piece.
    for (const bool underEach : {true, false}) {
        valueUnderEach_ = underEach;
        for (iconSize_ = line * 2; iconSize_ > line && HeightFor(width) > height; --iconSize_) {
        }
        if (HeightFor(width) <= height) break;
    }
    update();
    return HeightFor(width);
}

int TCapturedView::PerLine(int width) const {
    return std::max(1, (width - 2 * kMargin + kGap) / (IconSize() + kGap));
}

int TCapturedView::BlockHeight(std::size_t pieces, int width) const {
    const int line = fontMetrics().height();
    const int lines = (static_cast<int>(pieces) + PerLine(width) - 1) / PerLine(width);
    const int row = IconSize() + (ValueLines() ? line : 0) + kGap;
    return line + kGap + lines * row;
}

int TCapturedView::HeightFor(int width) const {
    int height = kMargin + fontMetrics().height() + kGap;
    for (int army = 1; army <= 4; ++army) height += BlockHeight(lost_[army].size(), width);
    return height + kMargin;
}

void TCapturedView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const int line = fontMetrics().height();
    const int icon = IconSize();
    const int perLine = PerLine(width());
    QFont bold = font();
    bold.setBold(true);
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);

    int y = kMargin;
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kMargin, y, width() - 2 * kMargin, line), Qt::AlignLeft, tr("Captured"));
    y += line + kGap;
    for (int army = 1; army <= 4; ++army) {
        const std::vector<TLostPiece>& lost = lost_[army];
        // The army's name in its colour, and what it has lost in all.
        painter.setBrush(ArmyInk(army));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(kMargin, y + line * 0.2, line * 0.6, line * 0.6));
        painter.setFont(bold);
        painter.setPen(ArmyInk(army));
        const QRect header(kMargin + line, y, width() - 2 * kMargin - line, line);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, kArmyNames[army]);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        if (valuesShown_ && !lost.empty())
            painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                             tr("lost %1").arg(TotalValue(lost)));
        else if (lost.empty())
            painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, tr("nothing lost"));
        y += line + kGap;
        const int row = icon + (ValueLines() ? line : 0) + kGap;
        for (std::size_t i = 0; i < lost.size(); ++i) {
            const int column = static_cast<int>(i) % perLine;
            const int x = kMargin + column * (icon + kGap);
            const int top = y + static_cast<int>(i) / perLine * row;
            const QRect target(x, top, icon, icon);
            painter.drawPixmap(
                target, pictures_.Picture(PiecePictureId(lost[i].kind, army, style_,
                                                         pictures_.BoardLetter(), companionKind_)));
            if (ValueLines()) {
                painter.setFont(small);
                painter.setPen(palette().color(QPalette::WindowText));
                painter.drawText(QRect(x - kGap, top + icon, icon + 2 * kGap, line),
                                 Qt::AlignHCenter | Qt::AlignTop, QString::number(lost[i].value));
            }
        }
        y += BlockHeight(lost.size(), width()) - line - kGap;
    }
}

}  // namespace vaeloric
