#include "render/board_geometry.h"

namespace vaeloric {

TBoardOrigin PlaceBoard(int clientWidth, TBoardStyle style) {
    // Integer division truncates toward zero, also for a tiny window.
    const int centred = (clientWidth - kBoardSize) / 2;
    return TBoardOrigin{centred - (style == TBoardStyle::Simple ? 35 : 40), kBoardTop};
}

TBoardOrigin ShiftForStyleChange(TBoardOrigin origin, TBoardStyle from, TBoardStyle to) {
    if (from == TBoardStyle::Coloured && to == TBoardStyle::Simple) origin.x += 5;
    if (from == TBoardStyle::Simple && to == TBoardStyle::Coloured) origin.x -= 5;
    return origin;
}

}  // namespace vaeloric
