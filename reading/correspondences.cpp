// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/correspondences.h"

#include <string>

#include "game/internal_error.h"

namespace vaeloric {

namespace {

void CheckArmy(int army) {
    if (army < 1 || army > 4)
        throw TInternalError("army " + std::to_string(army) + " in a reading");
}

}  // namespace

int CourtCard(int army, TCourtRank rank) {
    CheckArmy(army);
    // Fire Wands, Earth Pentacles, Air Swords, Water Cups.
    constexpr int kAce[5] = {0, AceOfWands, AceOfPentacles, AceOfSwords, AceOfCups};
    return kAce[army] + rank;
}

int ElementUnitOfArmy(int army) {
    CheckArmy(army);
    constexpr int kElement[5] = {0, FireUnit, EarthUnit, AirUnit, WaterUnit};
    return kElement[army];
}

}  // namespace vaeloric
