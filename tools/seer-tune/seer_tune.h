// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fitting the Seer's evaluation weights to played games: seeded games of the
// Seer and Lachlan Corvey give positions, each labelled with how the game
// ended for the side to move (1 won, 0 lost, 0.5 unfinished); the weights
// are then moved one at a time, as long as the squared error of
// sigmoid(k * evaluation) against the labels falls.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/board.h"
#include "players/seer_weights.h"

namespace vaeloric::tune {

struct TTunePosition {
    mutable TBoard board;   // the evaluation tries moves on it and takes them back
    std::int32_t army = 1;  // to move; the evaluation and the label are its side's
    double outcome = 0.5;
    long game = 0;
    bool heldOut = false;  // kept out of the fit, to see that it generalises
};

struct TTuneGamesOptions {
    long games = 1500;
    std::uint64_t seed = 1;
    long seerNodes = 300;
    int threads = 2;
    int every = 3;  // a position every this many turns (not a multiple of 2: both sides)
    long turnLimit = 400;
};

// The positions of the games, in game order whatever the thread count.
// Every fifth game's positions are held out.
std::vector<TTunePosition> PlayTuneGames(const TTuneGamesOptions& options);

// Mean squared error over the fitted (or the held-out) positions.
double TuneLoss(const TSeerWeights& weights, double k, const std::vector<TTunePosition>& positions,
                bool heldOut);

// The k that fits the weights best, between 0.01 and 4.
double FitScale(const TSeerWeights& weights, const std::vector<TTunePosition>& positions);

struct TFitReport {
    TSeerWeights weights;
    double k = 1;
    double fitBefore = 0, fitAfter = 0;  // loss over the fitted positions
    double heldBefore = 0, heldAfter = 0;
    int passes = 0;
};

// Weights whose bit is set in `frozen` (bit i: the i-th weight of
// TSeerWeights) keep their starting value.
TFitReport FitWeights(const TSeerWeights& start, const std::vector<TTunePosition>& positions,
                      int maxPasses, const std::function<void(const std::string&)>& log,
                      std::uint32_t frozen = 0);

// The bits of the weights named in a comma-separated list of TSeerWeights'
// member names; false for an unknown name.
bool FrozenWeights(const std::string& names, std::uint32_t& frozen);

// The weights as the initializer of seer_weights.h.
std::string WeightsText(const TSeerWeights& weights);

}  // namespace vaeloric::tune
