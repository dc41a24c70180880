// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "sim/game_runner.h"

namespace vaeloric::sim {

// What a host keeps after every turn, so that a host that was killed goes
// on from its last whole turn with the same invitations: its own options,
// the port and seat codes, the dice, the turns played and the game itself.
// The file holds the seat codes: only its owner may read it.
struct THostState {
    std::vector<std::string> options;  // the host's options, but the resume
    std::uint16_t port = 0;
    std::map<int, std::string> codes;  // seat 2..4: its code
    std::map<int, long> handedOver;    // seat: the first turn its computer opponent played
    std::string dice;                  // the dice's state
    long nextTurn = 1;
    long computerMoves = 0;
    std::string result = "unfinished";
    std::vector<std::string> lines;  // printed so far
    std::vector<net::TTurnPlayed> played;
    std::string game;        // the saved game of the position
    std::string activation;  // the readings' network state, exactly
    std::string record;      // the game record so far, when one is kept
};

std::string FormatHostState(const THostState& state);
// False, with a sentence, for anything that is not a host's game file.
bool ParseHostState(const std::string& text, THostState& state, std::string& problem);

// The readings' network state, exactly (a saved game rounds it). Parsing
// it also writes the game's reading anew from it.
std::string FormatActivation(const TReadingRecord& reading);
bool ParseActivation(const std::string& text, TReadingRecord& reading);

}  // namespace vaeloric::sim
