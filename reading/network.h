// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "reading/reading_record.h"

namespace vaeloric {

// The parameters and external inputs of one network run, in the fixed index
// order that the move encoding fills.
struct TNetworkBlock {
    static constexpr int kDecay = 94;
    static constexpr int kExcitation = 95;
    static constexpr int kInhibition = 96;
    static constexpr int kExternalStrength = 97;
    static constexpr int kMaxActivation = 98;
    static constexpr int kMinActivation = 99;
    static constexpr int kRestActivation = 100;
    static constexpr int kCycles = 101;  // an int32 held in the float's bits
    static constexpr int kUnused = 102;
    static constexpr int kSize = 103;

    std::array<float, kSize> value{};

    float& ExternalInput(int unit) { return value[unit]; }
    float ExternalInput(int unit) const { return value[unit]; }
    std::int32_t Cycles() const { return std::bit_cast<std::int32_t>(value[kCycles]); }
    void SetCycles(std::int32_t cycles) { value[kCycles] = std::bit_cast<float>(cycles); }
};

enum TNetworkMode : int { WholeGameMode = 0, MoveMode = 1 };

// Weight (j, i): how unit i drives unit j; -1, 0 or +1.
using TWeightTable = std::array<std::array<std::int32_t, kUnitCount>, kUnitCount>;
const TWeightTable& Weights();

// The interactive-activation network. Move mode runs on the network's own
// activations from rest; whole-game mode on the record's gameActivation.
// Nothing is allocated while it runs.
class TNetwork {
  public:
    TNetwork() { ResetNetwork(); }

    // Sums and net inputs to 0, move-mode activations to rest. The record's
    // whole-game activations are not touched.
    void ResetNetwork();
    // The block's number of cycles of ComputeNetInputs then UpdateActivations.
    void RunNetwork(const TNetworkBlock& block, TReadingRecord& record, TNetworkMode mode);
    void ComputeNetInputs(const TNetworkBlock& block, TReadingRecord& record, TNetworkMode mode);
    void UpdateActivations(const TNetworkBlock& block, TReadingRecord& record, TNetworkMode mode);

    // moveText = prefix followed by the texts of the clearly active units.
    void ComposeMoveText(TReadingRecord& record, std::string_view prefix) const;

    const std::array<float, kUnitCount>& MoveActivation() const { return moveActivation; }
    std::array<float, kUnitCount>& MoveActivation() { return moveActivation; }
    const std::array<float, kUnitCount>& NetInput() const { return netInput; }

  private:
    std::array<float, kUnitCount> moveActivation{};
    std::array<float, kUnitCount> excitatorySum{};
    std::array<float, kUnitCount> inhibitorySum{};
    std::array<float, kUnitCount> netInput{};
};

// The network of the calling thread; games played side by side on several
// threads must not share one.
TNetwork& ProgramNetwork();

enum class TTextTarget { MoveText, GameText };

// The selection flags of the move-mode winners: per output group, the most
// active unit strictly above the group's threshold (ties to the lower index).
std::array<bool, kUnitCount> SelectMoveWinners(const std::array<float, kUnitCount>& activation);
// Per output group the most active unit strictly above -0.2 (ties to the
// lower index); when the first group has none, unit 0 stands for it.
std::array<bool, kUnitCount> SelectGameWinners(const std::array<float, kUnitCount>& activation);

// prefix followed by the texts of the selected units in the fixed reading
// order (court cards, sephiroth, zodiac, elements, planets, outer planets,
// trumps, geomantic figures), cut to the field's size, into the target.
void ComposeText(TReadingRecord& record, const std::array<bool, kUnitCount>& selected,
                 std::string_view prefix, TTextTarget target);

// gameText = "\n" followed by the texts of the whole-game winners.
void ComposeGameText(TReadingRecord& record);

void SaveGameActivation(const TReadingRecord& record, std::array<float, kUnitCount>& out);
void RestoreGameActivation(TReadingRecord& record, const std::array<float, kUnitCount>& in);

}  // namespace vaeloric
