// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "flow/saved_game.h"
#include "game/die_face.h"
#include "game/square.h"

namespace vaeloric::sim {

// Bad usage or a bad file: one sentence for standard error, exit status 2.
class TUsageError : public std::runtime_error {
  public:
    explicit TUsageError(const std::string& sentence) : std::runtime_error(sentence) {}
};

// The numeric limits of the options, which the usage states.
inline constexpr long kMaxTurns = 100000000;
inline constexpr long kMaxBenchGames = 1000000;
// std::minstd_rand takes its seed modulo its modulus.
inline constexpr std::uint64_t kSeedModulus = 2147483647;

// "red", "black", "yellow", "blue" for armies 1..4.
const char* ColourName(std::int32_t army);
// "E2-E4".
std::string MoveText(TSquare from, TSquare to);

// The value after the option at args[i], stepping i onto it; an option
// without one is a usage error.
std::string OptionValue(const std::vector<std::string>& args, std::size_t& i);

// A square in upper or lower case ("E4", "e4").
TSquare ParseSquareArgument(const std::string& text);
// A die face 1..6.
TDieFace ParseFace(const std::string& text);
// A computer player code 2..9 (9 the Seer).
std::int32_t ParseComputerCode(const std::string& text, const char* option);
// A non-negative decimal integer of any length, reduced modulo the modulus
// (so that a seed may be reduced as std::minstd_rand reduces it).
std::uint64_t ParseNonNegative(const std::string& text, const char* what, std::uint64_t modulus);
// The Seer's node budget per move.
inline constexpr long kMaxSeerNodes = 100000000;
long ParseSeerNodes(const std::string& text);
// A count from `least` (0 or 1) up to the limit.
long ParseCount(const std::string& text, const char* what, long limit, long least = 1);

// The whole-game activations as the saved game prints them, one a line.
std::string ActivationLines(const std::array<float, kUnitCount>& activations);

// The sentence for a path that is not a regular file; `nothing` is "read"
// or "written".
std::string NotRegularSentence(const std::string& path, const char* nothing);

// Refuses, before any work, an output path that no write would replace: not
// a regular file, read-only, or an unsafe link.
void CheckOutputTarget(const std::string& path);

// Refuses, before any work, an output path whose folder is missing; no
// folder is ever made for it.
void RequireFolder(const std::string& path, const std::string& sentence);

// Reads a saved game of any board; a file that cannot be read or is not a
// valid game is a usage error.
void LoadGameFile(const std::string& path, TSavedGame& game);

}  // namespace vaeloric::sim
