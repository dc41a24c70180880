// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/picture_ids.h"

#include <string>

#include "game/internal_error.h"
#include "game/piece.h"
#include "render/pictures/picture_ids.h"

// The drawing code's view of the picture numbers: the catalogue's numbering,
// with impossible game values turned into internal errors instead of a
// silently missing picture.
namespace vaeloric {

namespace {

void CheckArmy(std::int32_t army) {
    if (army < 1 || army > 4) throw TInternalError("impossible army " + std::to_string(army));
}

void CheckBoard(char boardLetter) {
    if (!picture_ids::IsBoardLetter(boardLetter))
        throw TInternalError(std::string("unknown board letter ") + boardLetter);
}

void CheckSquare(int rank, int file) {
    if (rank < 1 || rank > 8 || file < 1 || file > 8) throw TInternalError("square off the board");
}

std::int32_t CheckedPieceKind(std::int32_t kind, std::int32_t companionKind) {
    if (kind == CombinedKing) kind = companionKind;
    if (kind < HorsePawn || kind > Bishop)
        throw TInternalError("impossible piece kind " + std::to_string(kind));
    return kind;
}

}  // namespace

int BoardPictureId(char boardLetter) {
    CheckBoard(boardLetter);
    return picture_ids::BoardPictureId(boardLetter);
}

int GodsSetOffset(char boardLetter) {
    CheckBoard(boardLetter);
    return picture_ids::GodsSetOffset(boardLetter);
}

int PiecePictureId(std::int32_t kind, std::int32_t army, TPieceStyle style, char boardLetter,
                   std::int32_t companionKind) {
    CheckArmy(army);
    CheckBoard(boardLetter);
    return picture_ids::PieceId(CheckedPieceKind(kind, companionKind), army,
                                style == TPieceStyle::Symbolic, boardLetter);
}

int KingBadgeId(std::int32_t army) {
    CheckArmy(army);
    return picture_ids::KingBadgeId(army);
}

TOffset KingBadgeOffset(std::int32_t army) {
    CheckArmy(army);
    const picture_ids::TOffset offset = picture_ids::KingBadgeOffset(army);
    return TOffset{offset.x, offset.y};
}

int SquarePictureId(char boardLetter, int rank, int file, TSquareStyle style) {
    CheckSquare(rank, file);
    CheckBoard(boardLetter);
    return picture_ids::SquarePictureId(boardLetter, rank, file, style == TSquareStyle::Vaeloric);
}

int InfoPiecePictureId(char boardLetter, std::int32_t kind, std::int32_t companionKind) {
    CheckBoard(boardLetter);
    return picture_ids::LargePieceId(boardLetter, CheckedPieceKind(kind, companionKind),
                                     companionKind);
}

int InfoKingOverlayId(char boardLetter) {
    CheckBoard(boardLetter);
    return picture_ids::LargeKingOverlayId(boardLetter);
}

int RulerPictureId(char boardLetter, int rank, int file) {
    CheckSquare(rank, file);
    CheckBoard(boardLetter);
    return picture_ids::RulerId(boardLetter, rank, file);
}

}  // namespace vaeloric
