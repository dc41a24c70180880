// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace vaeloric::sim {

// The decided games of one ordered pairing: `score` counts the
// Questioner's-side wins. An unfinished game was cut by the turn limit and
// says nothing of who was stronger, so it is counted apart and left out of
// the fit rather than scored as half a win.
struct TPairingScore {
    int questionerSide = 0;  // index into the profiles
    int otherSide = 0;
    double games = 0;
    double score = 0;
    double unfinished = 0;
};

// Ratings on the Elo scale with mean 1500, and the Questioner's side's
// advantage in Elo points, each with the half width of its 95 % interval.
struct TRatingFit {
    std::vector<double> rating;
    std::vector<double> ratingHalfWidth;
    double advantage = 0;
    double advantageHalfWidth = 0;
};

// Bradley-Terry by maximum likelihood: the Questioner's side wins with
// probability 1 / (1 + 10^((R_other - R_questioner - advantage) / 400)).
// Every profile also gets one drawn game against a fixed 1500 player, so
// that a profile that won or lost every game still has a finite rating, and
// the advantage likewise one drawn game at zero, so that it stays finite when
// the Questioner's side won every decided game; against thousands of real
// games they move a rating by a fraction of a point.
TRatingFit FitRatings(int profiles, const std::vector<TPairingScore>& pairings);

}  // namespace vaeloric::sim
