// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/pictures/picture_catalogue.h"

#include <QPainter>
#include <algorithm>

#include "render/pictures/art.h"
#include "render/pictures/art_common.h"

namespace vaeloric {
namespace ids = picture_ids;

namespace {

bool IsCursorId(int id) {
    return (id >= 1001 && id <= 1006) || id == 1009;
}

// Pictures laid over the board or over another picture keep a transparent
// ground; all others cover their whole rectangle.
bool IsTransparent(int id, char letter) {
    return id == ids::kIcon || id == ids::kPtahMarker ||
           (id > ids::kDieFaceBase && id <= ids::kDieFaceBase + 6) || IsCursorId(id) ||
           (id >= 2001 && id <= 2285) || id == ids::LargeKingOverlayId(letter);
}

void Draw(QPainter& painter, const QRectF& area, char letter, int id) {
    using namespace art;
    if (id == ids::kIcon) return PaintIcon(painter, area, letter);
    if (id >= 419 && id <= 424) {
        static constexpr int kKinds[6] = {8, 7, 6, 5, 1, 9};
        return PaintDialogPiece(painter, area, kKinds[id - 419]);
    }
    if (id > ids::kDieFaceBase && id <= ids::kDieFaceBase + 6)
        return PaintDieFace(painter, area, id - ids::kDieFaceBase);
    if (id == ids::kPtahMarker) return PaintPtahMarker(painter, area);
    if (IsCursorId(id)) return PaintCursor(painter, area, id);
    if (id >= 1500 && id <= 1503) return PaintBoard(painter, area, letter);
    if (id >= 1900 && id <= 1911) return PaintButton(painter, area, (id - 1900) / 5, id % 5 == 1);
    if (id >= 2001 && id <= 2016) {
        static constexpr int kArmies[4] = {2, 3, 4, 1};
        return PaintPawn(painter, area, (id - 2001) % 4 + 1, kArmies[(id - 2001) / 4]);
    }
    if (id >= 2050 && id <= 2285) {
        static constexpr int kArmies[4] = {2, 3, 4, 1};
        const int block = (id - 2050) % 50;  // army block of ten, then kind
        const int army = kArmies[block / 10];
        const int kind = block % 10 + 5;
        if (kind == 10) return PaintKingBadge(painter, area, army);
        if (id >= 2250) return PaintSymbolicPiece(painter, area, kind, army);
        return PaintGod(painter, area, letter, kind, army);
    }
    if (id >= 5001 && id <= 6364) {
        const int style = id >= 6000 ? 1000 : 0;
        const int index = id - style - ids::SquareBase(letter) - 1;
        const int file = index / 8 + 1, rank = index % 8 + 1;
        if (style) return PaintVaelericSquare(painter, area, letter, rank, file);
        return PaintEnglishSquare(painter, area, letter, rank, file);
    }
    if (id >= 7040 && id <= 7043) return PaintLargePawn(painter, area, id - 7039);
    if (id >= 7000 && id <= 7035) {
        static constexpr int kKinds[5] = {5, 6, 7, 8, 9};
        const int offset = id - ids::LargePieceBase(letter);
        if (offset == 5) return PaintKingOverlay(painter, area, letter);
        return PaintLargePiece(painter, area, letter, kKinds[offset]);
    }
    if (id >= ids::kFirstRuler && id <= ids::kLastRuler)
        return PaintRuler(painter, area, id - 8000);
    if (id == ids::kPtahEmpty) return PaintPtahSquare(painter, area);
    if (id == ids::kPtahOverlay) return PaintPtahOverlay(painter, area);
}

}  // namespace

TPictureCatalogue::TPictureCatalogue(char boardLetter)
    : boardLetter_(boardLetter), ids_(ids::AllIds(boardLetter)) {}

bool TPictureCatalogue::Has(int id) const {
    return std::binary_search(ids_.begin(), ids_.end(), id);
}

QSize TPictureCatalogue::SizeOf(int id) const {
    if (!Has(id)) return QSize();
    if (id == ids::kIcon) return QSize(64, 64);
    if (id >= 419 && id <= 424) return QSize(80, 80);
    if (id > ids::kDieFaceBase && id <= ids::kDieFaceBase + 6) return QSize(40, 40);
    if (id == ids::kPtahMarker) return QSize(25, 25);
    if (IsCursorId(id)) return QSize(32, 32);
    if (id >= 1500 && id <= 1503) return QSize(400, 400);
    if (id == ids::kMoveUp || id == ids::kMoveDown) return QSize(62, 50);
    if (id >= 1900 && id <= 1906) return QSize(62, 30);
    if (id == 2255 || id == 2265 || id == 2275 || id == 2285) return QSize(30, 30);
    if (id >= 2001 && id <= 2284) return QSize(50, 50);
    if (id >= 5001 && id <= 6364) return QSize(150, 150);
    if (id == ids::LargeKingOverlayId(boardLetter_)) return QSize(100, 100);
    if (id >= 7000 && id <= 7043) return QSize(150, 250);
    if (id >= ids::kFirstRuler && id <= ids::kLastRuler) return QSize(150, 250);
    if (id == ids::kPtahEmpty) return QSize(150, 270);
    if (id == ids::kPtahOverlay) return QSize(100, 120);
    return QSize();
}

QImage TPictureCatalogue::Render(int id, double scale) const {
    const QSize size = SizeOf(id);
    if (size.isEmpty()) return QImage();
    const QSize pixels(qRound(size.width() * scale), qRound(size.height() * scale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(IsTransparent(id, boardLetter_) ? QColor(Qt::transparent) : art::ink::kKohl);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(double(pixels.width()) / size.width(), double(pixels.height()) / size.height());
    Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), boardLetter_, id);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

void TPictureCatalogue::SetRenderScale(double scale) const {
    if (scale <= 0 || qFuzzyCompare(scale, renderScale_)) return;
    renderScale_ = scale;
    cache_.clear();
}

QPixmap TPictureCatalogue::Picture(int id) const {
    auto found = cache_.find(id);
    if (found != cache_.end()) return found->second;
    if (!Has(id)) return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(Render(id, renderScale_));
    cache_.emplace(id, pixmap);
    return pixmap;
}

QPoint TPictureCatalogue::CursorHotSpot(int id) const {
    if (id == ids::kBoardCursor) return QPoint(3, 3);
    return QPoint(16, 14);  // where the fingers hold the piece
}

QCursor TPictureCatalogue::Cursor(int id, double zoom, double pixelRatio) const {
    if (!IsCursorId(id)) return QCursor(Qt::ArrowCursor);
    const double grow = std::clamp(zoom, 1.0, 2.0);
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QImage image = Render(id, grow * ratio);
    image.setDevicePixelRatio(ratio);
    const QPoint hotSpot = CursorHotSpot(id);
    return QCursor(QPixmap::fromImage(image), qRound(hotSpot.x() * grow),
                   qRound(hotSpot.y() * grow));
}

QIcon TPictureCatalogue::Icon() const {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        art::PaintIcon(painter, QRectF(0, 0, side, side), boardLetter_);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

std::vector<int> TPictureCatalogue::Ids() const {
    return ids_;
}

}  // namespace vaeloric
