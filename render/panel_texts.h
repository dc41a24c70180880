// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "flow/setup_record.h"
#include "game/board.h"

// Texts of the turn panel and the square information panel.
namespace vaeloric {

// "FIRE." "EARTH." "AIR." "WATER." for armies 1..4.
const char* ArmyCaption(std::int32_t army);

// The name shown for the army to move: the seat's typed name for a human,
// else the computer opponent's name.
std::string TurnPanelName(const TBoard& board, const TSetUpRecord& setUp);

// The name in two lines of at most 9 characters; the second may be empty.
std::pair<std::string, std::string> SplitTurnName(const std::string& name);

// What the die allows, in two lines ("your" / "Horse" ...); empty for 0.
std::pair<const char*, const char*> DieHint(int face);

// "FIRE QUEEN", "WATER HORSE/KING" ... for the information panel, up to 17
// characters ("WATER BISHOP/KING"). Throws TInternalError for an impossible army or kind.
std::string PieceNameText(std::int32_t army, std::int32_t kind, std::int32_t companionKind);

}  // namespace vaeloric
