// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/opponent_notes.h"

#include "game/internal_error.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"

namespace vaeloric {

namespace {

// Indexed by player code 2..8. Ratings from the README's tournament of
// 50,400 games.
constexpr TOpponentNote kNotes[7] = {
    {1494, "Careful: guards his own pieces before he takes anyone else's."},
    {1512, "Even-handed: prizes material and threats a little above safety."},
    {1468, "Obstructive: hides his pieces, hems in the enemy and spoils their dice."},
    {1526, "Aggressive: grabs material, chases mate and rarely looks behind him."},
    {1479, "Restrictive: keeps her pieces covered and cramps the enemy's moves."},
    {1520, "Lively: material, free pieces and threats, with a fair eye on safety."},
    {1502, "Sound: middle-of-the-road weights, a little bolder than Fenn."},
};

// Measured at its default level against the seven (see the README, "The
// Seer").
constexpr TOpponentNote kSeerNote{1529,
                                  "Farsighted: weighs every throw of the turns ahead before it "
                                  "moves."};

}  // namespace

const TOpponentNote& OpponentNote(std::int32_t playerCode) {
    if (playerCode == kSeerCode) return kSeerNote;
    if (!IsComputerCode(playerCode)) {
        throw TInternalError("No opponent note for player code " + std::to_string(playerCode));
    }
    return kNotes[playerCode - kRuleOpponentCodes.first];
}

std::string OpponentNoteText(std::int32_t playerCode) {
    const TOpponentNote& note = OpponentNote(playerCode);
    return "Rating " + std::to_string(note.rating) + ". " + note.character;
}

}  // namespace vaeloric
