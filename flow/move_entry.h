#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/die_face.h"

namespace vaeloric {

// The cursor shown while a piece is held: by its kind, and for a King joined
// with its companion by the kind it moves as on this face.
int PieceCursor(const TBoard& board, const TPiece& piece, TDieFace face);

}  // namespace vaeloric
