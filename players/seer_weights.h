// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The weights of the Seer's evaluation, in pawns.
namespace vaeloric {

struct TSeerWeights {
    double horse, bishop, rook, queen;
    double usableFace;  // per die face the army has a piece for
    double inCheck;     // the army's King is attacked
    double checkmated;  // the army is checkmated and loses its turns
    double ptahStep;    // per step the Questioner's King is closer than 7
    double ptahNear;    // the King is next to the Ptah square or on it
    double ptahHeld;    // the King stands on it
};

inline constexpr TSeerWeights kSeerWeights{3.0, 3.0, 5.0, 9.0, 0.3, 0.6, 4.0, 0.4, 1.5, 3.0};

}  // namespace vaeloric
