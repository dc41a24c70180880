// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/opponent_profiles.h"

#include <string>

#include "game/internal_error.h"

namespace vaeloric {

namespace {

constexpr TOpponentProfile kProfiles[kRuleOpponentCodes.Count()] = {
    {"Dr Aldous Fenn", 15, 8, 1, 2, 2, 50, 2, 2}, {"Osric Vane", 20, 7, 2, 2, 3, 50, 2, 2},
    {"AR Morrow", 11, 9, 1, 4, 1, 20, 1, 4},      {"Lachlan Corvey", 30, 5, 4, 1, 5, 100, 3, 1},
    {"Imelda Morrow", 13, 8, 1, 3, 1, 25, 1, 3},  {"H. Tarrant Bell", 25, 7, 3, 2, 4, 50, 2, 2},
    {"Varro Quillane", 18, 7, 1, 2, 2, 50, 2, 2},
};

}  // namespace

const TOpponentProfile& OpponentProfile(std::int32_t playerCode) {
    if (!IsComputerCode(playerCode)) {
        throw TInternalError("No computer profile for player code " + std::to_string(playerCode));
    }
    return kProfiles[playerCode - kRuleOpponentCodes.first];
}

}  // namespace vaeloric
