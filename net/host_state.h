// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "reading/reading_record.h"

namespace vaeloric::net {

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
    std::vector<TTurnPlayed> played;
    std::string game;        // the saved game of the position
    std::string activation;  // the readings' network state, exactly
    std::string record;      // the game record so far, when one is kept
};

// Far beyond any game's file.
inline constexpr std::size_t kMaxHostStateBytes = 64 * 1024 * 1024;

std::string FormatHostState(const THostState& state);
// False, with a sentence, for anything that is not a host's game file.
bool ParseHostState(const std::string& text, THostState& state, std::string& problem);

// The readings' network state, exactly (a saved game rounds it). Parsing
// it also writes the game's reading anew from it.
std::string FormatActivation(const TReadingRecord& reading);
bool ParseActivation(const std::string& text, TReadingRecord& reading);

// A board program that hosts keeps the same file beside its running game
// (the running game holds the position): the port and seat codes, the
// seats handed over, every turn its guests were told, and as the game the
// set-up they are sent on joining. The board's dice are not kept; a
// continued game throws anew, as one continued at a single screen does.
bool KeepBoardHostState(const std::string& runningPath, THostState state);
// False when there is none (the sentence left empty: the game was played at
// one screen) or, with a sentence, when it cannot be read.
bool ReadBoardHostState(const std::string& runningPath, THostState& state, std::string& problem);
// Once the running game is loaded: the turns told come back only up to the
// one it goes on with, since a turn kept here but not there was never told.
// False when fewer were kept than the game played.
bool ContinueBoardHostState(THostState& state, long nextTurn);

}  // namespace vaeloric::net
