// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/network.h"

#include <cstdint>

#include "reading/correspondences.h"

namespace vaeloric {

namespace {

// Per receiving unit, the units that excite it and the units that inhibit it,
// in index order, so that a cycle visits only the non-zero weights but sums
// in the same order as a walk over the whole row.
struct TSenders {
    std::uint8_t excitatory[kUnitCount][kUnitCount];
    std::uint8_t inhibitory[kUnitCount][kUnitCount];
    std::uint8_t excitatoryCount[kUnitCount];
    std::uint8_t inhibitoryCount[kUnitCount];

    TSenders() {
        const TWeightTable& w = Weights();
        for (int j = 0; j < kUnitCount; ++j) {
            excitatoryCount[j] = inhibitoryCount[j] = 0;
            for (int i = 0; i < kUnitCount; ++i) {
                if (w[j][i] > 0) excitatory[j][excitatoryCount[j]++] = static_cast<std::uint8_t>(i);
                if (w[j][i] < 0) inhibitory[j][inhibitoryCount[j]++] = static_cast<std::uint8_t>(i);
            }
        }
    }
};

const TSenders& Senders() {
    static const TSenders senders;
    return senders;
}

struct TOutputGroup {
    int first, last;            // a run of units
    int extraFirst, extraLast;  // a second run (the outer planets), or -1
    double moveThreshold;
};

constexpr TOutputGroup kOutputGroups[] = {
    {0, 5, -1, -1, 0.85},   {6, 9, -1, -1, 0.38},   {10, 21, -1, -1, 0.86}, {22, 25, -1, -1, 0.88},
    {26, 32, 91, 93, 0.86}, {33, 54, -1, -1, 0.86}, {55, 70, -1, -1, 0.86}, {71, 90, -1, -1, 0.9},
};

// The order in which selected texts are written.
constexpr int kTextOrder[][2] = {{71, 90}, {0, 9},   {10, 21}, {22, 25},
                                 {26, 32}, {91, 93}, {33, 54}, {55, 70}};

// The unit with the highest activation strictly above the threshold, a later
// unit replacing the winner only when strictly higher; -1 for none.
int GroupWinner(const TOutputGroup& group, const std::array<float, kUnitCount>& activation,
                double threshold) {
    int winner = -1;
    auto consider = [&](int unit) {
        if (activation[unit] > threshold && (winner < 0 || activation[unit] > activation[winner]))
            winner = unit;
    };
    for (int unit = group.first; unit <= group.last; ++unit) consider(unit);
    if (group.extraFirst >= 0)
        for (int unit = group.extraFirst; unit <= group.extraLast; ++unit) consider(unit);
    return winner;
}

}  // namespace

TNetwork& ProgramNetwork() {
    static thread_local TNetwork network;
    return network;
}

void TNetwork::ResetNetwork() {
    netInput.fill(0.0f);
    excitatorySum.fill(0.0f);
    inhibitorySum.fill(0.0f);
    moveActivation.fill(kRestingActivation);
}

void TNetwork::RunNetwork(const TNetworkBlock& block, TReadingRecord& record, TNetworkMode mode) {
    const std::int32_t cycles = block.Cycles();
    for (std::int32_t cycle = 0; cycle < cycles; ++cycle) {
        ComputeNetInputs(block, record, mode);
        UpdateActivations(block, record, mode);
    }
}

void TNetwork::ComputeNetInputs(const TNetworkBlock& block, TReadingRecord& record,
                                TNetworkMode mode) {
    const TSenders& senders = Senders();
    const float* a = mode == MoveMode ? moveActivation.data() : record.gameActivation.data();
    const float externalStrength = block.value[TNetworkBlock::kExternalStrength];
    const float excitation = block.value[TNetworkBlock::kExcitation];
    const float inhibition = block.value[TNetworkBlock::kInhibition];
    for (int j = 0; j < kUnitCount; ++j) {
        float excitatory = 0.0f;
        for (int k = 0; k < senders.excitatoryCount[j]; ++k)
            excitatory += a[senders.excitatory[j][k]];
        float inhibitory = 0.0f;
        for (int k = 0; k < senders.inhibitoryCount[j]; ++k)
            inhibitory += -a[senders.inhibitory[j][k]];
        excitatorySum[j] = excitatory;
        inhibitorySum[j] = inhibitory;
        netInput[j] =
            externalStrength * block.value[j] + excitation * excitatory + inhibition * inhibitory;
    }
}

void TNetwork::UpdateActivations(const TNetworkBlock& block, TReadingRecord& record,
                                 TNetworkMode mode) {
    float* a = mode == MoveMode ? moveActivation.data() : record.gameActivation.data();
    const float decay = block.value[TNetworkBlock::kDecay];
    const float maxActivation = block.value[TNetworkBlock::kMaxActivation];
    const float minActivation = block.value[TNetworkBlock::kMinActivation];
    const float rest = block.value[TNetworkBlock::kRestActivation];
    for (int j = 0; j < kUnitCount; ++j) {
        const float n = netInput[j];
        float value = a[j];
        if (n > 0.0f)
            value = value + n * (maxActivation - value) - decay * (value - rest);
        else
            value = value + n * (value - minActivation) - decay * (value - rest);
        if (value > maxActivation) value = maxActivation;
        if (!(value >= minActivation)) value = minActivation;
        a[j] = value;
    }
}

std::array<bool, kUnitCount> SelectMoveWinners(const std::array<float, kUnitCount>& activation) {
    std::array<bool, kUnitCount> selected{};
    for (const TOutputGroup& group : kOutputGroups) {
        const int winner = GroupWinner(group, activation, group.moveThreshold);
        if (winner >= 0) selected[winner] = true;
    }
    return selected;
}

std::array<bool, kUnitCount> SelectGameWinners(const std::array<float, kUnitCount>& activation) {
    std::array<bool, kUnitCount> selected{};
    for (const TOutputGroup& group : kOutputGroups) {
        const int winner = GroupWinner(group, activation, -0.2);
        if (winner >= 0)
            selected[winner] = true;
        else if (group.first == 0)
            selected[0] = true;
    }
    return selected;
}

void ComposeText(TReadingRecord& record, const std::array<bool, kUnitCount>& selected,
                 std::string_view prefix, TTextTarget target) {
    std::string& field = target == TTextTarget::MoveText ? record.moveText : record.gameText;
    field.assign(prefix.substr(0, kMaxReadingText));
    for (const auto& run : kTextOrder)
        for (int unit = run[0]; unit <= run[1]; ++unit)
            if (selected[unit]) field += UnitText(unit);
    if (field.size() > kMaxReadingText) field.resize(kMaxReadingText);
}

void TNetwork::ComposeMoveText(TReadingRecord& record, std::string_view prefix) const {
    ComposeText(record, SelectMoveWinners(moveActivation), prefix, TTextTarget::MoveText);
}

void ComposeGameText(TReadingRecord& record) {
    ComposeText(record, SelectGameWinners(record.gameActivation), "\n", TTextTarget::GameText);
}

void SaveGameActivation(const TReadingRecord& record, std::array<float, kUnitCount>& out) {
    out = record.gameActivation;
}

void RestoreGameActivation(TReadingRecord& record, const std::array<float, kUnitCount>& in) {
    record.gameActivation = in;
}

}  // namespace vaeloric
