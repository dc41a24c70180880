// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "reading/reading_record.h"

namespace vaeloric {

// Indices of the 94 correspondences. The network's pools, weights and output
// groups and the move encoding all address units by these numbers.
// clang-format off
enum TUnit : int {
    Kether = 0, Chokmah, Binah, Chesed, Geburah, Tiphareth, Netzach, Hod, Yesod, Malkuth,
    Aries = 10, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn,
    Aquarius, Pisces,
    FireUnit = 22, WaterUnit, AirUnit, EarthUnit,
    Saturn = 26, Jupiter, Mars, Sol, Venus, Mercury, Luna,
    TheFool = 33, TheMagus, ThePriestess, TheEmpress, TheEmperor, Pope, TheLovers, Chariot,
    Strength, TheHermit, WheelOfFortune, Justice, HangedMan, Death, Temperance, TheDevil,
    TheTower, Star, Moon, Sun, Judgement, World,
    Puer = 55, Amissio, Albus, Populus, Via, FortunaMajor, FortunaMinor, Conjunctio, Puella,
    Rubeus, Acquistio, Carcer, Tristitia, Laetitia, CaputDraconis, CaudaDraconis,
    AceOfWands = 71, AceOfCups = 76, AceOfSwords = 81, AceOfPentacles = 86,
    Uranus = 91, Neptune, Pluto,
};
// clang-format on

// Court ranks in the order of each suit's five cards.
enum TCourtRank : int { CourtAce = 0, CourtKing, CourtQueen, CourtPrince, CourtPrincess };

// The court card of a rank in the suit of an army (1 Wands, 2 Pentacles,
// 3 Swords, 4 Cups). Throws TInternalError for an army outside 1..4.
int CourtCard(int army, TCourtRank rank);

// The element unit of an army (1 Fire, 2 Earth, 3 Air, 4 Water); throws for
// an army outside 1..4.
int ElementUnitOfArmy(int army);

// The text of a unit: its name, its meaning and a closing blank line.
// Throws TInternalError for an index outside 0..93.
std::string_view UnitText(int unit);

}  // namespace vaeloric
