// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The weights of the Seer's evaluation, in pawns (a pawn is worth 1).
namespace vaeloric {

struct TSeerWeights {
    double horse, bishop, bishopFavoured, rook, queen, queenFavoured;
    double usableFace;       // per die face the army has a piece for
    double inCheck;          // the army's King is attacked
    double checkmated;       // the army is checkmated and loses its turns
    double ptahStep;         // per step the Questioner's King is closer than 7
    double ptahNear;         // the King is next to the Ptah square or on it
    double ptahHeld;         // the King stands on it
    double ptahGuarded;      // the other side attacks the Ptah square
    double ptahGuardNear;    // times this when the King is two steps away or less
    double targetOfMover;    // share of an undefended piece's value the side to move may take
    double targetOfWaiting;  // the same for the side that has just moved
    double defendedTarget;   // the same for a defended piece
    double ptahShut;         // a King of the other side stands on or beside the square
    double ptahGuardStep;    // per step such a King is closer than 7
    double kingRing;         // per square next to the army's King its enemies attack
    double defendedPiece;    // per piece (not the King) its own side defends
    double ptahSupport;      // the Questioner's side attacks the Ptah square
    // The Questioner's side's own advantage, the same in every position of a
    // game: it changes no move, but lets a fit to game outcomes tell the
    // advantage of the side apart from the Ptah terms.
    double questionerSide;
};

// The number of weights, for the tuner, which treats them as an array.
inline constexpr int kSeerWeightCount = 23;
static_assert(sizeof(TSeerWeights) == kSeerWeightCount * sizeof(double));

// Set by hand and checked in matches against Lachlan Corvey. The weights
// tools/seer-tune fits to game outcomes predict the outcome better but play
// worse (docs/seer-tuning.md), so these stay until a fit plays better.
inline constexpr TSeerWeights kSeerWeights{4.0,  3.3, 5.0, 6.5, 2.5, 4.0, 0.3, 0.6,
                                           4.0,  0.8, 3.0, 3.0, 1.5, 2.5, 0.3, 0.12,
                                           0.05, 3.0, 0.3, 0.0, 0.0, 0.0, 0.0};

}  // namespace vaeloric
