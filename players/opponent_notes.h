// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vaeloric {

// What a player choosing opponents wants to know: how each one plays and how
// strong it is. The ratings come from a large all-computer tournament (see
// the README, "The opponents"), on the Elo scale with the seven averaging 1500;
// a rerun of that command gives the same figures.
struct TOpponentNote {
    std::int32_t rating;
    const char* character;  // one line, drawn from the profile's weights
};

// The note of a computer player code 2..9; throws TInternalError otherwise.
const TOpponentNote& OpponentNote(std::int32_t playerCode);

// "Rating 1512. Cautious: ..." for a tooltip or a line under the name.
std::string OpponentNoteText(std::int32_t playerCode);

}  // namespace vaeloric
