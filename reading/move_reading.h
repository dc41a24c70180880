// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "game/piece.h"
#include "reading/network.h"
#include "reading/reading_record.h"

namespace vaeloric {

// Reads the move that has just ended on (rank, file) as an omen.
//   elementCode: the board's element code (1 Air, 2 Water, 3 Fire, 4 Earth);
//   piece: the piece now on the square (its kind and army are used);
//   moverIsQuestioner: the army that moved is the Questioner's army;
//   wantText false: the whole-game pass, which moves record.gameActivation on
//     by 10 cycles and recomposes record.gameText;
//   wantText true: the move reading, 100 cycles from rest on the network's own
//     activations, which replaces record.moveText.
// Throws TInternalError for an element code outside 1..4 or a piece of kind
// 1..9 whose army is outside 1..4.
void ReadMove(TReadingRecord& record, int elementCode, int rank, int file, const TPiece& piece,
              bool moverIsQuestioner, bool wantText, TNetwork& network = ProgramNetwork());

// The parts of ReadMove, for callers that want to look inside.

// The 94 external inputs of the move: the piece's correspondences (3.0 for the
// strongest, lowered to 1.0 for the whole-game pass) and the square's three.
void EncodeMove(TNetworkBlock& block, int elementCode, int rank, int file, const TPiece& piece,
                bool moverIsQuestioner, bool wholeGame);
// decay, excitation, ..., cycles for the move reading or the whole-game pass.
void SetNetworkParameters(TNetworkBlock& block, bool moveReading);
// The influence sentence and the aspect or advice sentence of the move, or
// "\n" when there is neither an influence sentence nor a later one.
std::string ReadingSentence(int elementCode, int rank, int file, const TPiece& piece,
                            bool moverIsQuestioner);

// The square's aspect group (0..15) for the sentences, and the group whose
// three inputs it sets (they differ on B6 and C6 of the Fire and Earth boards).
int AspectGroup(int elementCode, int rank, int file);
int InputGroup(int elementCode, int rank, int file);
// The influence level 0..4 of a piece of the army and kind 1..9 in the
// square's board quarter.
int InfluenceLevel(int elementCode, int rank, int file, int army, int kind);

}  // namespace vaeloric
